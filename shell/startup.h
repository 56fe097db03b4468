// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up of the program: Qt's own texts in Italian, the rule that ends
// the program with its last visible window, how each window is made, the
// exit command, and the Data window first, with the file named on the
// command line opened in the window it belongs to.

class QApplication;
class QString;

namespace Startup {

// Loads Qt's Italian translations (standard buttons "Sì", "No", "Annulla",
// file and colour dialogs). false when they are not installed.
bool loadItalianTranslations(QApplication& app);

// Tells the window registry how every window of the program is made and
// installs the exit command. Tests call it to work with the real windows.
void wireWindows();

// Shows the Data window; a data file `file` opens in it, a table file in
// the rate-table window, shown in front. A file that cannot be read gets
// the message of "Apri" from the window it was meant for (FileKind).
void showFirstWindows(const QString& file);

// Everything above, with the file named on the command line (CommandLine).
void start(QApplication& app, const QString& file);

} // namespace Startup

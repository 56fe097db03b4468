#pragma once
// Start-up of the program: Qt's own texts in Italian, the rule that ends
// the program with its last visible window, how each window is made, the
// exit command, and the Data window, first and alone.

class QApplication;

namespace Startup {

// Loads Qt's Italian translations (standard buttons "Sì", "No", "Annulla",
// file and colour dialogs). false when they are not installed.
bool loadItalianTranslations(QApplication& app);

// Tells the window registry how every window of the program is made and
// installs the exit command. Tests call it to work with the real windows.
void wireWindows();

void start(QApplication& app);

} // namespace Startup

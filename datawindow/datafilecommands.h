// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data-file commands of the Data window: Open, Save, Save as, Delete.

class Dati;
class QString;

namespace DataFileCommands {

// Clears the window, asks for a file and opens it (apriFile).
void apri(Dati& window);
// Opens the file at `path` into the window, cleared first; it becomes the
// current file. A file that cannot be read entirely leaves the window
// cleared, with no current file, and says why. The start-up opens a file
// named on the command line this way.
void apriFile(Dati& window, const QString& path);
// Writes to the current file, asking for a name only when there is none.
void salva(Dati& window);
// Always asks for a name.
void salvanome(Dati& window);
// Deletes a file chosen by the user; the window is not touched.
void eliminare(Dati& window);

} // namespace DataFileCommands

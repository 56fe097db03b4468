// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table-file commands of the rate-table window: Open, Save, Save as, Delete.

class QString;
class Tabella;

namespace TableFileCommands {

// Clears the table, asks for a file and opens it (apriFile).
void apri(Tabella& window);
// Opens the table file at `path` into the window, cleared first, and shows
// its path as the title; it becomes the current table file. A file that
// cannot be read entirely leaves the table cleared, with no current file,
// and says why. The start-up opens a file named on the command line this way.
void apriFile(Tabella& window, const QString& path);
// Writes to the current table file, asking for a name only when there is none.
void salva(Tabella& window);
// Always asks for a name.
void salvanome(Tabella& window);
// Deletes a file chosen by the user; the table is not touched.
void elimina(Tabella& window);

} // namespace TableFileCommands

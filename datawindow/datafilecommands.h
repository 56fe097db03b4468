#pragma once
// The data-file commands of the Data window: Open, Save, Save as, Delete.

class Dati;

namespace DataFileCommands {

// Clears the window, asks for a file and loads it; a file that cannot be
// read entirely leaves the window cleared and says why.
void apri(Dati& window);
// Writes to the current file, asking for a name only when there is none.
void salva(Dati& window);
// Always asks for a name.
void salvanome(Dati& window);
// Deletes a file chosen by the user; the window is not touched.
void eliminare(Dati& window);

} // namespace DataFileCommands

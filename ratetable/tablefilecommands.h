#pragma once
// The table-file commands of the rate-table window: Open, Save, Save as, Delete.

class Tabella;

namespace TableFileCommands {

// Clears the table, asks for a file and loads it, showing its path as the
// title; a file that cannot be read entirely leaves the table cleared and says why.
void apri(Tabella& window);
// Writes to the current table file, asking for a name only when there is none.
void salva(Tabella& window);
// Always asks for a name.
void salvanome(Tabella& window);
// Deletes a file chosen by the user; the table is not touched.
void elimina(Tabella& window);

} // namespace TableFileCommands

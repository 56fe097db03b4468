// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the open and save dialogs of each kind of file start: the folder a
// file of that kind was last opened from or saved to, kept from one run to
// the next; before any, the documents folder, or for an open of a table the
// folder of the tables shipped with the program.

#include <QString>
#include <optional>

namespace FileFolders {

enum class Kind { Data, Table };

// Where an open dialog starts.
QString toRead(Kind kind);

// Where a save or delete dialog starts: as toRead, but never a folder the
// user cannot write to (the shipped tables' once installed).
QString toWrite(Kind kind);

// The folder of `file`, opened or saved just now.
void remember(Kind kind, const QString& file);

// Tests: keep the folders in this file, emptied, instead of the user's settings.
void setSettingsFileForTesting(std::optional<QString> file);

} // namespace FileFolders

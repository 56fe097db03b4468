// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files shipped with the program (the closing-screen tune, the tips,
// the up-to-date rate tables): beside the executable in a build or a
// self-contained copy, or in <prefix>/share/fenoverra once installed.

#include <QString>
#include <optional>

namespace ProgramFiles {

// Where the file of that name is; beside the executable when it is found
// nowhere (so a message can still name the expected place).
QString path(const QString& name);

// The folder the shipped files are in.
QString directory();

// Whether the program runs installed (its files under share/fenoverra)
// rather than from a build folder.
bool installed();

// The folder the executable is in.
QString programDirectory();

// Tests: take this folder for the executable's.
void setProgramDirectoryForTesting(std::optional<QString> folder);

} // namespace ProgramFiles

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files shipped with the program (the closing-screen tune, the tips,
// the up-to-date rate tables): beside the executable in a build or a
// self-contained copy, or in <prefix>/share/fenoverra once installed.

#include <QString>

namespace ProgramFiles {

// Where the file of that name is; beside the executable when it is found
// nowhere (so a message can still name the expected place).
QString path(const QString& name);

// The folder the shipped files are in.
QString directory();

} // namespace ProgramFiles

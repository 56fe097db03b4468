// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: at most one file, the desktop entry's %f, and the two
// options a terminal user expects of any program. Qt takes its own options
// (-platform, -style...) out when the application is made.

#include <QString>
#include <QStringList>
#include <optional>

namespace CommandLine {

struct Request {
    QString file;                // empty when none is named
    std::optional<int> exitCode; // the program ends here, its answer written
};

// The arguments, the program's name first, once Qt has taken its own out:
// --help and --version answer on standard output (exit code 0); an unknown
// option gets the usage on standard error (2).
Request read(const QStringList& arguments);

// --help and --version before the application is made, so that they work
// without a display; nothing when the program goes on. An option unknown
// here may be one of Qt's, so it is left to read().
std::optional<int> answerEarly(int argc, char** argv);

} // namespace CommandLine

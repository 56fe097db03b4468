// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tips file beside the program: plain Windows-1252 text, one tip a line.

#include <QString>
#include <QStringList>
#include <optional>

namespace TipsFile {

inline constexpr char kFileName[] = "SuggerimentiFenoverra.TXT";

// Every line of the file in order, without its line end (CR LF, LF or a lone
// CR); an empty line is an empty tip and a last line end adds none. nullopt
// when the path is empty or names no readable file.
std::optional<QStringList> read(const QString& path);

} // namespace TipsFile

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which window a file given to the program belongs to: the Data window for
// a data file, the rate-table window for a table file.

#include <QString>

namespace FileKind {

enum class Kind { Data, RateTable };

// By content: what reads whole as one kind is that kind. A file that reads
// as neither (missing, unreadable, damaged) goes by its name, so that the
// window it was meant for says what is wrong with it: "Fenoverra-tab-..."
// (in any case) is a table, anything else a data file.
Kind of(const QString& path);

} // namespace FileKind

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The automatic table formats of the word processor. Format 9 is our own
// coloured format: a dark header row with white bold text over a light body.

#include <QColor>
#include <QTextTableFormat>

namespace WordTableFormat {

struct CellStyle {
    bool applies = false; // false: the format leaves cells as they are
    QColor background;
    QColor foreground;
    bool bold = false;
};

// The table's own format (grid, padding, width) for an automatic format,
// keeping what the base format already holds otherwise.
QTextTableFormat tableFormat(int format, const QTextTableFormat& base);
// The look of a cell of the given 1-based row.
CellStyle cellStyle(int format, int row);

} // namespace WordTableFormat

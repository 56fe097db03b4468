// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/wordtableformat.h"

namespace {

constexpr int colourfulFormat = 9;

const QColor headerBackground(0x8B, 0x1E, 0x2D);
const QColor headerText(Qt::white);
const QColor bodyBackground(0xFF, 0xF4, 0xD6);
const QColor bodyText(0x20, 0x20, 0x20);
const QColor gridColour(0x80, 0x80, 0x80);
const QColor colourfulGrid(0x8B, 0x1E, 0x2D);

} // namespace

namespace WordTableFormat {

QTextTableFormat tableFormat(int format, const QTextTableFormat& base) {
    QTextTableFormat table = base;
    table.setBorderCollapse(true);
    table.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    table.setBorder(1);
    table.setCellSpacing(0);
    table.setCellPadding(3);
    // No width: Qt would export a percentage as points, while a table
    // without one spans the text area in the word processor. The written
    // copy shares that width out by the columns' text (reports/odfcopy.h).
    table.setBorderBrush(format == colourfulFormat ? colourfulGrid : gridColour);
    return table;
}

CellStyle cellStyle(int format, int row) {
    if (format != colourfulFormat) return {};
    if (row == 1) return {true, headerBackground, headerText, true};
    return {true, bodyBackground, bodyText, false};
}

} // namespace WordTableFormat

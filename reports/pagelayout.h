// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page every document is written on, in points: A4, its sides narrower
// than the top and bottom so that a calculation's eight columns, amounts up
// to 999.999.999.999,99 among them, stand each on one line. Both writers
// (OpenDocument and PDF) lay tables out from the same widths.

#include "reports/reportmodel.h"

#include <QList>

namespace PageLayout {

constexpr double kPointsPerCm = 72 / 2.54;
constexpr double kPageWidth = 21 * kPointsPerCm;
constexpr double kPageHeight = 29.7 * kPointsPerCm;
constexpr double kSideMargin = 1.27 * kPointsPerCm;
constexpr double kTopMargin = 2 * kPointsPerCm; // and the bottom's
constexpr double kTextWidth = kPageWidth - 2 * kSideMargin;
constexpr double kGridWidth = 0.75; // each side of every cell

struct TableGeometry {
    QList<double> columns; // widths in points, grid included, adding up to kTextWidth
    double padding = 0;    // between the grid and the text, each side
};

// Every column as wide as its widest text at the table's font (the first
// row's in bold), with the width of a blank on each side when the page has
// room for it; what room is left is shared out in proportion to the texts.
// A font that is not installed is measured as the sans serif font that both
// Qt and the word processor put in its place.
TableGeometry geometry(const Report::Table& table);

} // namespace PageLayout

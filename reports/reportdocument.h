// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the calculation report and the printed rate table share: the
// program's title above, a coloured table below with the number columns
// aligned to the right.

#include "reports/reportmodel.h"

namespace ReportDocument {

// A line of the reports' font (Century Gothic) in `size` points; empty, a
// blank line of that height.
Report::Paragraph line(const QString& text, double size);

// "FENOVERRA" (18 points), "(calcolo di interessi semplici e composti)"
// (16) and a blank line of 16.
QList<Report::Paragraph> title();

// A table of these columns in `size` points, its two heading rows first.
Report::Table table(const QList<Report::Role>& columns, double size,
                    const QList<QStringList>& headings);

// A row number as the tables write it, with the blank of its sign: " 1".
QString numberWithSign(int n);

} // namespace ReportDocument

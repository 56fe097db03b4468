// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed rate table: the program's title, the table's title and a table
// of its rows with the end date of each, typed into a new document that
// becomes the newest (appword, docword, tabellaword).

#include <QString>
#include <QStringList>

class WordDocument;

namespace RateTableReport {

struct Table {
    QString title;     // the caption of appunti; a carriage return starts a second line
    QStringList dates; // datetab(1), datetab(2)...: the rows printed and the one after them
    QStringList rates; // tassitab(1), tassitab(2)...
    int rows = 0;      // righetab: rows 1..rows are printed
};

WordDocument* build(const Table& table);

// The end date of a row (1-based) as the window's "al" column derives it:
// the day before the next row's date; empty for row 200 and when the next
// row has no date (or one that cannot be read).
QString endDate(const QStringList& dates, int row);

} // namespace RateTableReport

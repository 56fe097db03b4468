// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the calculation report and the printed rate table share: a new
// document under the program's title, and a coloured table at its end with
// the number columns aligned to the right.

#include <QString>
#include <QTextCursor>

class WordDocument;
class WordSelection;
class WordTable;

namespace ReportDocument {

// A new visible word-processor application with one new document; appword
// and docword name them from now on. `description` names the file written.
WordDocument* start(const QString& description);

// "FENOVERRA" (Century Gothic 18), "(calcolo di interessi semplici e
// composti)" (16) and an empty line; the text typed next keeps the font.
void typeTitle(WordSelection& selection);

// A table of `rows` x `columns` in a paragraph added after all the text, in
// `fontSize` points; tabellaword names it from now on.
WordTable* addTable(WordDocument& document, int rows, int columns, double fontSize);

// The coloured format, then columns `firstRight` to the last aligned to the
// right, one column selected at a time (the last stays selected).
void finishTable(WordDocument& document, WordTable& table, int firstRight);

// Makes the edits of its lifetime one: the document hears of them once, at
// the end, instead of placing its cursors after each of a table's cells.
class SingleEdit {
public:
    explicit SingleEdit(WordDocument& document);
    ~SingleEdit();
    SingleEdit(const SingleEdit&) = delete;
    SingleEdit& operator=(const SingleEdit&) = delete;

private:
    QTextCursor cursor_;
};

// A row number as the tables write it, with the blank of its sign: " 1".
QString numberWithSign(int n);

} // namespace ReportDocument

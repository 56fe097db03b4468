// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading back a written OpenDocument Text file, to check what a word
// processor will find in it rather than what the program meant to write.

#include <QList>
#include <QString>
#include <QStringList>

namespace OdfContent {

// The archive's entries in their order, and whether each is stored as it is.
struct Entry {
    QString name;
    bool stored = false;
};
QList<Entry> entries(const QString& odtFile);
QByteArray entry(const QString& odtFile, const QString& name); // empty when missing

struct Paragraph {
    // As a word processor reads it: <text:s/> and <text:tab/> the blanks and
    // tabs they stand for, any other run of blanks one blank, and none at
    // the start or the end.
    QString text;
    QString family; // of its style, or of its first span
    double size = 0;
    QString align; // fo:text-align of its paragraph style
    bool pageBreak = false;
    bool inTable = false;
    int row = 0, column = 0; // 1-based, in the outermost table
    bool headingRow = false; // in the table's repeated heading rows
};

// Every paragraph of the body of the file's content.xml, table cells
// included, in document order.
QList<Paragraph> paragraphs(const QString& odtFile);
// The text of each paragraph outside tables ("\f" first when a page break
// comes before it), its size and its font family, in order.
QStringList textsOutsideTables(const QString& odtFile);
QList<double> sizesOutsideTables(const QString& odtFile);
QStringList familiesOutsideTables(const QString& odtFile);
// The cells of each row of the first table.
QList<QStringList> tableCells(const QString& odtFile);
// How many rows the first table repeats at the top of each page.
int headingRows(const QString& odtFile);

// Lengths in points.
struct TableLayout {
    double textWidth = 0; // the page's, less its side margins (styles.xml)
    double width = 0;     // the table's
    QList<double> columns;
    double padding = 0; // the smallest left or right padding of any cell style
    double grid = 0;    // the widest border of any cell style
};
TableLayout tableLayout(const QString& odtFile);

} // namespace OdfContent

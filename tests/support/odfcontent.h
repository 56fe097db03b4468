// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A written OpenDocument Text file read back as a word processor reads it.

#include <QList>
#include <QString>
#include <QStringList>

namespace OdfContent {

// The archive's entries in order, " stored" after those not compressed.
QStringList entries(const QString& odtFile);
QByteArray entry(const QString& odtFile, const QString& name); // empty when missing

struct Paragraph {
    QString text;   // <text:s/>, <text:tab/> as blanks, tabs; other runs one blank, trimmed
    QString family; // of its style, or of its first span
    double size = 0;
    QString align; // fo:text-align of its paragraph style
    bool pageBreak = false;
    bool inTable = false;
    int row = 0;             // 1-based, in the outermost table
    bool headingRow = false; // in the table's repeated heading rows
};

// Every paragraph of content.xml's body, table cells included, in order.
QList<Paragraph> paragraphs(const QString& odtFile);
// Of each paragraph outside tables: its text ("\f" first after a page break),
// size and font family.
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

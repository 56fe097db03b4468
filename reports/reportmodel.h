// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printed document as plain data, as both writers take it (OpenDocument
// for the word processor, PDF): paragraphs, at most one table, paragraphs
// after it. Texts are final: numbers already formatted, blanks kept.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace Report {

enum class Align { Left, Right, Justify };

struct Paragraph {
    QString text; // empty: a blank line, as high as a line of `size`
    double size = 12;
    QString font = QStringLiteral("Century Gothic");
    bool bold = false;
    Align align = Align::Left;
    bool newPage = false; // starts a page
};

// What a column holds; numbers of every kind are aligned to the right.
enum class Role { Text, Date, Rate, Number };

Align alignment(Role role);

struct Table {
    QList<Role> columns;
    QList<QStringList> rows; // heading rows first; each row one text per column
    int headingRows = 2;     // repeated at the top of every page
    QString font = QStringLiteral("Century Gothic");
    double size = 12;
    // The coloured format: the first row dark with white bold text, the
    // others tinted, a grid of the dark colour.
    QColor headBackground{0x8B, 0x1E, 0x2D};
    QColor headText{0xFF, 0xFF, 0xFF};
    QColor bodyBackground{0xFF, 0xF4, 0xD6};
    QColor bodyText{0x20, 0x20, 0x20};
    QColor grid{0x8B, 0x1E, 0x2D};
};

struct Document {
    QString description; // what it holds, for its file name: "calcolo-Prestito"
    QList<Paragraph> paragraphs;
    std::optional<Table> table;
    QList<Paragraph> after; // below the table
};

// Paragraphs of `text` in the look of `look`: a carriage return, a line
// feed or both end each one; a new page, if asked, starts at the first.
QList<Paragraph> paragraphs(const QString& text, const Paragraph& look);

} // namespace Report

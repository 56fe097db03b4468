// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading back a written OpenDocument Text file, to check what a word
// processor will find in it rather than what the document model holds.
// The file is unzipped by python3 (scripts/install-deps.sh installs it).

#include <QList>
#include <QString>

namespace OdfContent {

struct Paragraph {
    // Spaces written as <text:s/> expanded, zero-width spaces dropped, and in
    // a table cell without the no-break space that pads each end.
    QString text;
    QString family; // of its first span; empty when the paragraph has none
    double size = 0;
    QString align; // fo:text-align of its paragraph style
    bool pageBreak = false;
    bool inTable = false;
    int row = 0, column = 0; // 1-based, in the outermost table
};

// Every paragraph of the body of the file's content.xml, table cells
// included, in document order.
QList<Paragraph> paragraphs(const QString& odtFile);
// Each paragraph outside tables in the form of testsupport's paragraphsOf().
QStringList outsideTables(const QString& odtFile);

} // namespace OdfContent

#pragma once
// Reading back a written OpenDocument Text file, to check what a word
// processor will find in it rather than what the document model holds.

#include <QList>
#include <QString>

namespace OdfContent {

// content.xml of the file, unzipped by python3; empty when python3 is
// missing or the file cannot be read (hasReader() tells which).
bool hasReader();
QString contentXml(const QString& odtFile);

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

// Every paragraph of the body, table cells included, in document order.
QList<Paragraph> paragraphs(const QString& xml);
// Each paragraph outside tables in the form of testsupport's paragraphsOf().
QStringList outsideTables(const QString& xml);

} // namespace OdfContent

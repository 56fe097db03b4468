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
    QString text;   // spaces written as <text:s/> expanded, invisible characters dropped
    QString family; // of its first span; empty when the paragraph has none
    double size = 0;
    QString align; // fo:text-align of its paragraph style
    bool inTable = false;
};

// Every paragraph of the body, table cells included, in document order.
QList<Paragraph> paragraphs(const QString& xml);
// "text|family|size" of each paragraph outside tables.
QStringList outsideTables(const QString& xml);

} // namespace OdfContent

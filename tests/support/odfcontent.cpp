// SPDX-License-Identifier: GPL-3.0-or-later
#include "odfcontent.h"

#include <QHash>
#include <QProcess>
#include <QXmlStreamReader>

namespace {

QString contentXml(const QString& odtFile) {
    QProcess unzip;
    unzip.start("python3", {"-c",
                            "import sys, zipfile; sys.stdout.buffer.write("
                            "zipfile.ZipFile(sys.argv[1]).read('content.xml'))",
                            odtFile});
    unzip.waitForFinished(30000);
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

} // namespace

namespace OdfContent {

QList<Paragraph> paragraphs(const QString& odtFile) {
    // The automatic styles come before the body: one pass reads both.
    QHash<QString, Paragraph> styles; // family, size, align and page break of each
    QString style;
    QList<Paragraph> found;
    int tableDepth = 0, row = 0, column = 0;
    bool inParagraph = false;
    QXmlStreamReader reader(contentXml(odtFile));
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        const auto a = reader.attributes();
        const bool table = name == u"table" && reader.prefix() == u"table";
        if (reader.isStartElement()) {
            if (name == u"style") {
                style = a.value("style:name").toString();
            } else if (name == u"text-properties") {
                styles[style].family = a.value("fo:font-family").toString();
                styles[style].size = a.value("fo:font-size").toString().remove("pt").toDouble();
            } else if (name == u"paragraph-properties") {
                styles[style].align = a.value("fo:text-align").toString();
                styles[style].pageBreak = a.value("fo:break-before") == u"page";
            } else if (table && ++tableDepth == 1) {
                row = 0;
            } else if (name == u"table-row" && tableDepth == 1) {
                ++row;
                column = 0;
            } else if (name == u"table-cell" && tableDepth == 1) {
                ++column;
            } else if (name == u"p") {
                const Paragraph s = styles.value(a.value("text:style-name").toString());
                found.append({{},
                              {},
                              0,
                              s.align,
                              s.pageBreak,
                              tableDepth > 0,
                              tableDepth ? row : 0,
                              tableDepth ? column : 0});
                inParagraph = true;
            } else if (name == u"span" && inParagraph && found.last().family.isEmpty()) {
                const Paragraph s = styles.value(a.value("text:style-name").toString());
                found.last().family = s.family;
                found.last().size = s.size;
            } else if (name == u"s" && inParagraph) {
                found.last().text +=
                    QString(a.hasAttribute("text:c") ? a.value("text:c").toInt() : 1, u' ');
            }
        } else if (reader.isEndElement()) {
            if (table) --tableDepth;
            if (name == u"p") {
                inParagraph = false;
                Paragraph& p = found.last();
                if (p.inTable && p.text.startsWith(QChar(0xA0)) && p.text.endsWith(QChar(0xA0)))
                    p.text = p.text.mid(1, p.text.size() - 2);
            }
        } else if (reader.isCharacters() && inParagraph) {
            found.last().text += reader.text().toString().remove(QChar(0x200B));
        }
    }
    return found;
}

QStringList outsideTables(const QString& odtFile) {
    QStringList lines;
    for (const Paragraph& p : paragraphs(odtFile)) {
        if (!p.inTable)
            lines << (p.pageBreak ? "\f" : "") + p.text + "|" + QString::number(p.size) +
                         (p.family == "Century Gothic" ? "" : "|" + p.family);
    }
    return lines;
}

} // namespace OdfContent

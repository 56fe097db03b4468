#include "odfcontent.h"

#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace OdfContent {

namespace {

struct Style {
    QString family;
    double size = 0;
    QString align;
    bool pageBreak = false;
};

QHash<QString, Style> automaticStyles(const QString& xml) {
    QHash<QString, Style> styles;
    QXmlStreamReader reader(xml);
    QString current;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) continue;
        const auto attributes = reader.attributes();
        if (reader.name() == u"style") {
            current = attributes.value("style:name").toString();
        } else if (reader.name() == u"text-properties") {
            styles[current].family = attributes.value("fo:font-family").toString();
            styles[current].size =
                attributes.value("fo:font-size").toString().remove("pt").toDouble();
        } else if (reader.name() == u"paragraph-properties") {
            styles[current].align = attributes.value("fo:text-align").toString();
            styles[current].pageBreak = attributes.value("fo:break-before") == u"page";
        } else if (reader.name() == u"body") {
            break;
        }
    }
    return styles;
}

} // namespace

bool hasReader() {
    return !QStandardPaths::findExecutable("python3").isEmpty();
}

QString contentXml(const QString& odtFile) {
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) return {};
    QProcess unzip;
    unzip.start(python,
                {"-c",
                 "import sys, zipfile; "
                 "sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read('content.xml'))",
                 odtFile});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0) return {};
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

QList<Paragraph> paragraphs(const QString& xml) {
    const QHash<QString, Style> styles = automaticStyles(xml);
    QList<Paragraph> found;
    QXmlStreamReader reader(xml);
    int tableDepth = 0;
    int row = 0, column = 0;
    bool inParagraph = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto attributes = reader.attributes();
            if (reader.name() == u"table" && reader.prefix() == u"table") {
                if (++tableDepth == 1) row = 0;
            } else if (reader.name() == u"table-row" && tableDepth == 1) {
                ++row;
                column = 0;
            } else if (reader.name() == u"table-cell" && tableDepth == 1) {
                ++column;
            } else if (reader.name() == u"p") {
                Paragraph p;
                const Style style = styles.value(attributes.value("text:style-name").toString());
                p.align = style.align;
                p.pageBreak = style.pageBreak;
                p.inTable = tableDepth > 0;
                if (p.inTable) {
                    p.row = row;
                    p.column = column;
                }
                found.append(p);
                inParagraph = true;
            } else if (reader.name() == u"span" && inParagraph && found.last().family.isEmpty()) {
                const Style style = styles.value(attributes.value("text:style-name").toString());
                found.last().family = style.family;
                found.last().size = style.size;
            } else if (reader.name() == u"s" && inParagraph) {
                const int count =
                    attributes.hasAttribute("text:c") ? attributes.value("text:c").toInt() : 1;
                found.last().text += QString(count, u' ');
            }
        } else if (reader.isEndElement()) {
            if (reader.name() == u"table" && reader.prefix() == u"table") --tableDepth;
            if (reader.name() == u"p") {
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

QStringList outsideTables(const QString& xml) {
    QStringList lines;
    for (const Paragraph& p : paragraphs(xml)) {
        if (!p.inTable)
            lines << (p.pageBreak ? "\f" : "") + p.text + "|" + QString::number(p.size) +
                         (p.family == "Century Gothic" ? "" : "|" + p.family);
    }
    return lines;
}

} // namespace OdfContent

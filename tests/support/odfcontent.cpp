// SPDX-License-Identifier: GPL-3.0-or-later
#include "odfcontent.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <zip.h>

#include <algorithm>
#include <memory>

namespace {

using Archive = std::unique_ptr<zip_t, void (*)(zip_t*)>;

Archive openArchive(const QString& file) {
    return Archive(zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY, nullptr),
                   [](zip_t* z) {
                       if (z) zip_discard(z);
                   });
}

// "12.5pt", "1.5cm", "3mm", "0.5in" in points.
double points(QStringView length) {
    static const QRegularExpression form(QStringLiteral("^([-0-9.]+)([a-z]*)$"));
    const auto match = form.match(length);
    if (!match.hasMatch()) return 0;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (unit == u"cm") return value * 72 / 2.54;
    if (unit == u"mm") return value * 72 / 25.4;
    if (unit == u"in") return value * 72;
    return value;
}

} // namespace

namespace OdfContent {

QStringList entries(const QString& odtFile) {
    QStringList list;
    const Archive archive = openArchive(odtFile);
    if (!archive) return list;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &stat) == 0)
            list << QString::fromUtf8(stat.name) +
                        (stat.comp_method == ZIP_CM_STORE ? " stored" : "");
    }
    return list;
}

QByteArray entry(const QString& odtFile, const QString& name) {
    const Archive archive = openArchive(odtFile);
    zip_stat_t stat;
    zip_file_t* file = archive && zip_stat(archive.get(), name.toUtf8().constData(), 0, &stat) == 0
                           ? zip_fopen_index(archive.get(), stat.index, 0)
                           : nullptr;
    if (!file) return {};
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const bool whole = zip_fread(file, bytes.data(), stat.size) == zip_int64_t(stat.size);
    zip_fclose(file);
    return whole ? bytes : QByteArray();
}

QList<Paragraph> paragraphs(const QString& odtFile) {
    QHash<QString, Paragraph> styles; // read before the body, in the same pass
    QString style;
    QList<Paragraph> found;
    int tableDepth = 0, row = 0;
    bool inHeading = false, inParagraph = false, literalBlank = false;
    QXmlStreamReader reader(entry(odtFile, "content.xml"));
    while (!reader.atEnd()) {
        reader.readNext();
        const auto name = reader.name();
        const auto a = reader.attributes();
        const bool table = name == u"table" && reader.prefix() == u"table";
        if (reader.isStartElement()) {
            if (name == u"style" && reader.prefix() == u"style") {
                style = a.value("style:name").toString();
            } else if (name == u"text-properties") {
                Paragraph& s = styles[style];
                s.family = a.hasAttribute("style:font-name") ? a.value("style:font-name").toString()
                                                             : a.value("fo:font-family").toString();
                s.size = points(a.value("fo:font-size"));
            } else if (name == u"paragraph-properties") {
                styles[style].align = a.value("fo:text-align").toString();
                styles[style].pageBreak = a.value("fo:break-before") == u"page";
            } else if (table && ++tableDepth == 1) {
                row = 0;
            } else if (name == u"table-header-rows" && tableDepth == 1) {
                inHeading = true;
            } else if (name == u"table-row" && tableDepth == 1) {
                ++row;
            } else if (name == u"p") {
                Paragraph p = styles.value(a.value("text:style-name").toString());
                p.inTable = tableDepth > 0;
                p.row = tableDepth ? row : 0;
                p.headingRow = tableDepth && inHeading;
                found.append(p);
                inParagraph = true;
            } else if (name == u"span" && inParagraph && found.last().text.isEmpty()) {
                const Paragraph s = styles.value(a.value("text:style-name").toString());
                if (!s.family.isEmpty()) found.last().family = s.family;
                if (s.size > 0) found.last().size = s.size;
            } else if (name == u"s" && inParagraph) {
                found.last().text +=
                    QString(a.hasAttribute("text:c") ? a.value("text:c").toInt() : 1, u' ');
                literalBlank = false;
            } else if (name == u"tab" && inParagraph) {
                found.last().text += u'\t';
                literalBlank = false;
            }
        } else if (reader.isEndElement()) {
            if (table) --tableDepth;
            if (name == u"table-header-rows") inHeading = false;
            if (name == u"p") {
                inParagraph = false;
                if (literalBlank) found.last().text.chop(1); // none at the end either
                literalBlank = false;
            }
        } else if (reader.isCharacters() && inParagraph) {
            // A run of blanks counts once, none at the start; <text:s/> stays.
            for (const QChar c : reader.text()) {
                QString& text = found.last().text;
                if (c == u' ' && (text.isEmpty() || literalBlank)) continue;
                text += c;
                literalBlank = c == u' ';
            }
        }
    }
    return found;
}

template <class T, class Of> QList<T> outsideTables(const QString& odtFile, Of of) {
    QList<T> list;
    for (const Paragraph& p : paragraphs(odtFile))
        if (!p.inTable) list << of(p);
    return list;
}

QStringList textsOutsideTables(const QString& odtFile) {
    return outsideTables<QString>(
        odtFile, [](const Paragraph& p) { return (p.pageBreak ? "\f" : "") + p.text; });
}

QStringList familiesOutsideTables(const QString& odtFile) {
    return outsideTables<QString>(odtFile, [](const Paragraph& p) { return p.family; });
}

QList<double> sizesOutsideTables(const QString& odtFile) {
    return outsideTables<double>(odtFile, [](const Paragraph& p) { return p.size; });
}

QList<QStringList> tableCells(const QString& odtFile) {
    QList<QStringList> rows;
    for (const Paragraph& p : paragraphs(odtFile)) {
        if (!p.inTable) continue;
        if (p.row > rows.size()) rows.append(QStringList());
        rows.last() << p.text;
    }
    return rows;
}

int headingRows(const QString& odtFile) {
    int rows = 0;
    for (const Paragraph& p : paragraphs(odtFile))
        if (p.headingRow) rows = std::max(rows, p.row);
    return rows;
}

TableLayout tableLayout(const QString& odtFile) {
    TableLayout layout;
    QXmlStreamReader pages(entry(odtFile, "styles.xml"));
    while (!pages.atEnd()) {
        if (pages.readNext() == QXmlStreamReader::StartElement &&
            pages.name() == u"page-layout-properties") {
            const auto a = pages.attributes();
            layout.textWidth = points(a.value("fo:page-width")) -
                               points(a.value("fo:margin-left")) -
                               points(a.value("fo:margin-right"));
        }
    }
    QHash<QString, double> columnWidths;
    QStringList columnStyles;
    QString style;
    bool firstPadding = true;
    QXmlStreamReader content(entry(odtFile, "content.xml"));
    while (!content.atEnd()) {
        if (content.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = content.name();
        const auto a = content.attributes();
        if (name == u"style" && content.prefix() == u"style") {
            style = a.value("style:name").toString();
        } else if (name == u"table-properties") {
            layout.width = points(a.value("style:width"));
        } else if (name == u"table-column-properties") {
            columnWidths[style] = points(a.value("style:column-width"));
        } else if (name == u"table-cell-properties") {
            for (const char* side : {"fo:padding-left", "fo:padding-right"}) {
                const double padding = points(a.value(side));
                layout.padding = firstPadding ? padding : std::min(layout.padding, padding);
                firstPadding = false;
            }
            const QString border = a.value("fo:border").toString();
            layout.grid = std::max(layout.grid, points(border.section(' ', 0, 0)));
        } else if (name == u"table-column") {
            columnStyles << a.value("table:style-name").toString();
        }
    }
    for (const QString& column : std::as_const(columnStyles))
        layout.columns << columnWidths.value(column);
    return layout;
}

} // namespace OdfContent

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/odfwriter.h"

#include "reports/pagelayout.h"

#include <QSaveFile>
#include <QXmlStreamWriter>
#include <zip.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

const QString kMimeType = QStringLiteral("application/vnd.oasis.opendocument.text");

const std::pair<const char*, const char*> kNamespaces[] = {
    {"xmlns:office", "urn:oasis:names:tc:opendocument:xmlns:office:1.0"},
    {"xmlns:style", "urn:oasis:names:tc:opendocument:xmlns:style:1.0"},
    {"xmlns:text", "urn:oasis:names:tc:opendocument:xmlns:text:1.0"},
    {"xmlns:table", "urn:oasis:names:tc:opendocument:xmlns:table:1.0"},
    {"xmlns:fo", "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"},
    {"xmlns:svg", "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"},
    {"xmlns:meta", "urn:oasis:names:tc:opendocument:xmlns:meta:1.0"},
    {"xmlns:dc", "http://purl.org/dc/elements/1.1/"},
};

QString points(double value) {
    return QString::number(value, 'f', 3) + QStringLiteral("pt");
}

QString centimetres(double points) {
    return QString::number(points / PageLayout::kPointsPerCm, 'f', 3) + QStringLiteral("cm");
}

void startRoot(QXmlStreamWriter& xml, const char* name) {
    xml.writeStartDocument();
    xml.writeStartElement(QLatin1String(name));
    for (const auto& [prefix, uri] : kNamespaces)
        xml.writeAttribute(QLatin1String(prefix), QLatin1String(uri));
    xml.writeAttribute(QStringLiteral("office:version"), QStringLiteral("1.2"));
}

// A paragraph's look, the key of its automatic style.
struct Look {
    QString font;
    double size = 12;
    bool bold = false;
    Report::Align align = Report::Align::Left;
    bool newPage = false;
    QColor colour; // invalid: the default

    auto key() const {
        return std::tuple(font, size, bold, int(align), newPage,
                          colour.isValid() ? colour.rgb() : 0u, colour.isValid());
    }
};

Look lookOf(const Report::Paragraph& p) {
    return {p.font, p.size, p.bold, p.align, p.newPage, {}};
}

// The automatic styles of content.xml, named as they are first needed.
class Styles {
public:
    QString paragraph(const Look& look) {
        for (qsizetype i = 0; i < looks_.size(); ++i)
            if (looks_.at(i).key() == look.key()) return name(i);
        looks_.append(look);
        return name(looks_.size() - 1);
    }
    const QList<Look>& looks() const { return looks_; }
    static QString name(qsizetype index) {
        return QStringLiteral("P") + QString::number(index + 1);
    }

private:
    QList<Look> looks_;
};

void writeTextProperties(QXmlStreamWriter& xml, const Look& look) {
    xml.writeEmptyElement(QStringLiteral("style:text-properties"));
    xml.writeAttribute(QStringLiteral("style:font-name"), look.font);
    xml.writeAttribute(QStringLiteral("fo:font-size"), points(look.size));
    if (look.bold) xml.writeAttribute(QStringLiteral("fo:font-weight"), QStringLiteral("bold"));
    if (look.colour.isValid()) xml.writeAttribute(QStringLiteral("fo:color"), look.colour.name());
}

QString alignment(Report::Align align) {
    switch (align) {
    case Report::Align::Right:
        return QStringLiteral("end");
    case Report::Align::Justify:
        return QStringLiteral("justify");
    case Report::Align::Left:
        break;
    }
    return QStringLiteral("start");
}

void writeParagraphStyles(QXmlStreamWriter& xml, const Styles& styles) {
    for (qsizetype i = 0; i < styles.looks().size(); ++i) {
        const Look& look = styles.looks().at(i);
        xml.writeStartElement(QStringLiteral("style:style"));
        xml.writeAttribute(QStringLiteral("style:name"), Styles::name(i));
        xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
        xml.writeAttribute(QStringLiteral("style:parent-style-name"), QStringLiteral("Standard"));
        xml.writeEmptyElement(QStringLiteral("style:paragraph-properties"));
        xml.writeAttribute(QStringLiteral("fo:text-align"), alignment(look.align));
        if (look.newPage)
            xml.writeAttribute(QStringLiteral("fo:break-before"), QStringLiteral("page"));
        writeTextProperties(xml, look);
        xml.writeEndElement();
    }
}

// Blanks as the format keeps them: a blank between visible characters is
// itself, any other (leading, trailing, or after another blank) a <text:s/>.
void writeText(QXmlStreamWriter& xml, const QString& text) {
    QString run;
    const auto flush = [&] {
        if (!run.isEmpty()) xml.writeCharacters(run);
        run.clear();
    };
    bool afterVisible = false;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i);
        if (c == u' ') {
            qsizetype end = i;
            while (end < text.size() && text.at(end) == u' ')
                ++end;
            qsizetype blanks = end - i;
            if (afterVisible && end < text.size()) run += u' ', --blanks;
            if (blanks > 0) {
                flush();
                xml.writeEmptyElement(QStringLiteral("text:s"));
                if (blanks > 1)
                    xml.writeAttribute(QStringLiteral("text:c"), QString::number(blanks));
            }
            afterVisible = false;
            i = end;
            continue;
        }
        if (c == u'\t') {
            flush();
            xml.writeEmptyElement(QStringLiteral("text:tab"));
            afterVisible = false;
        } else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF) {
            run += c; // control characters have no place in XML
            afterVisible = true;
        }
        ++i;
    }
    flush();
}

void writeParagraph(QXmlStreamWriter& xml, const QString& style, const QString& text) {
    xml.writeStartElement(QStringLiteral("text:p"));
    xml.writeAttribute(QStringLiteral("text:style-name"), style);
    writeText(xml, text);
    xml.writeEndElement();
}

QStringList fontsOf(const Report::Document& document) {
    QStringList fonts;
    const auto add = [&](const QString& font) {
        if (!fonts.contains(font)) fonts.append(font);
    };
    for (const Report::Paragraph& p : document.paragraphs)
        add(p.font);
    for (const Report::Paragraph& p : document.after)
        add(p.font);
    if (document.table) add(document.table->font);
    return fonts;
}

void writeFontFaces(QXmlStreamWriter& xml, const QStringList& fonts) {
    xml.writeStartElement(QStringLiteral("office:font-face-decls"));
    for (const QString& font : fonts) {
        xml.writeEmptyElement(QStringLiteral("style:font-face"));
        xml.writeAttribute(QStringLiteral("style:name"), font);
        xml.writeAttribute(QStringLiteral("svg:font-family"), u'\'' + font + u'\'');
        xml.writeAttribute(QStringLiteral("style:font-family-generic"), QStringLiteral("swiss"));
    }
    xml.writeEndElement();
}

// The table's styles: its width, the columns', and one cell style for the
// dark first row and one for the others.
const QString kTable = QStringLiteral("Tabella1");
const QString kHeadCell = QStringLiteral("Tabella1.Testa");
const QString kBodyCell = QStringLiteral("Tabella1.Corpo");

QString columnStyle(qsizetype column) {
    return kTable + u'.' + QChar(u'A' + int(column));
}

void writeCellStyle(QXmlStreamWriter& xml, const QString& name, const QColor& background,
                    const Report::Table& table, double padding) {
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), name);
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-cell"));
    xml.writeEmptyElement(QStringLiteral("style:table-cell-properties"));
    xml.writeAttribute(QStringLiteral("fo:background-color"), background.name());
    xml.writeAttribute(QStringLiteral("fo:padding-top"), points(0));
    xml.writeAttribute(QStringLiteral("fo:padding-bottom"), points(0));
    xml.writeAttribute(QStringLiteral("fo:padding-left"), points(padding));
    xml.writeAttribute(QStringLiteral("fo:padding-right"), points(padding));
    xml.writeAttribute(QStringLiteral("fo:border"), points(PageLayout::kGridWidth) +
                                                        QStringLiteral(" solid ") +
                                                        table.grid.name());
    xml.writeEndElement();
}

void writeTableStyles(QXmlStreamWriter& xml, const Report::Table& table,
                      const PageLayout::TableGeometry& geometry) {
    QList<double> widths;
    double total = 0;
    for (double width : geometry.columns) {
        widths.append(std::floor(width * 1000) / 1000); // as written, never wider than the page
        total += widths.last();
    }
    xml.writeStartElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), kTable);
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table"));
    xml.writeEmptyElement(QStringLiteral("style:table-properties"));
    xml.writeAttribute(QStringLiteral("style:width"), points(total));
    // Between the margins: a word processor then takes the columns as written.
    xml.writeAttribute(QStringLiteral("table:align"), QStringLiteral("margins"));
    // Two cells side by side share one line of the grid.
    xml.writeAttribute(QStringLiteral("table:border-model"), QStringLiteral("collapsing"));
    xml.writeEndElement();
    for (qsizetype c = 0; c < widths.size(); ++c) {
        xml.writeStartElement(QStringLiteral("style:style"));
        xml.writeAttribute(QStringLiteral("style:name"), columnStyle(c));
        xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("table-column"));
        xml.writeEmptyElement(QStringLiteral("style:table-column-properties"));
        xml.writeAttribute(QStringLiteral("style:column-width"), points(widths.at(c)));
        xml.writeEndElement();
    }
    writeCellStyle(xml, kHeadCell, table.headBackground, table, geometry.padding);
    writeCellStyle(xml, kBodyCell, table.bodyBackground, table, geometry.padding);
}

void writeRow(QXmlStreamWriter& xml, const QStringList& row, const QString& cellStyle,
              const QStringList& paragraphStyles) {
    xml.writeStartElement(QStringLiteral("table:table-row"));
    for (qsizetype c = 0; c < paragraphStyles.size(); ++c) {
        xml.writeStartElement(QStringLiteral("table:table-cell"));
        xml.writeAttribute(QStringLiteral("table:style-name"), cellStyle);
        writeParagraph(xml, paragraphStyles.at(c), row.value(c));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeTable(QXmlStreamWriter& xml, const Report::Table& table, Styles& styles) {
    QStringList head, body; // each column's paragraph style
    for (Report::Role role : table.columns) {
        const Report::Align align = Report::alignment(role);
        head << styles.paragraph({table.font, table.size, true, align, false, table.headText});
        body << styles.paragraph({table.font, table.size, false, align, false, table.bodyText});
    }
    xml.writeStartElement(QStringLiteral("table:table"));
    xml.writeAttribute(QStringLiteral("table:name"), kTable);
    xml.writeAttribute(QStringLiteral("table:style-name"), kTable);
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        xml.writeEmptyElement(QStringLiteral("table:table-column"));
        xml.writeAttribute(QStringLiteral("table:style-name"), columnStyle(c));
    }
    const qsizetype headings = std::min<qsizetype>(table.headingRows, table.rows.size());
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        if (r == 0 && headings > 0)
            xml.writeStartElement(QStringLiteral("table:table-header-rows"));
        if (r == 0)
            writeRow(xml, table.rows.at(r), kHeadCell, head);
        else
            writeRow(xml, table.rows.at(r), kBodyCell, body);
        if (r + 1 == headings) xml.writeEndElement();
    }
    xml.writeEndElement();
}

QByteArray content(const Report::Document& document) {
    Styles styles;
    // The body first: it names the styles that go before it.
    // Written into a string: much faster than through a device, and the
    // body is most of the file.
    QString body;
    {
        QXmlStreamWriter xml(&body);
        xml.writeStartElement(QStringLiteral("office:body"));
        xml.writeStartElement(QStringLiteral("office:text"));
        for (const Report::Paragraph& p : document.paragraphs)
            writeParagraph(xml, styles.paragraph(lookOf(p)), p.text);
        if (document.table) writeTable(xml, *document.table, styles);
        for (const Report::Paragraph& p : document.after)
            writeParagraph(xml, styles.paragraph(lookOf(p)), p.text);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    startRoot(xml, "office:document-content");
    writeFontFaces(xml, fontsOf(document));
    xml.writeStartElement(QStringLiteral("office:automatic-styles"));
    writeParagraphStyles(xml, styles);
    if (document.table)
        writeTableStyles(xml, *document.table, PageLayout::geometry(*document.table));
    xml.writeEndElement();
    bytes += body.toUtf8();
    bytes += "</office:document-content>";
    return bytes;
}

QByteArray styles(const Report::Document& document) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    startRoot(xml, "office:document-styles");
    writeFontFaces(xml, fontsOf(document));
    xml.writeStartElement(QStringLiteral("office:styles"));
    xml.writeStartElement(QStringLiteral("style:default-style"));
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
    xml.writeEmptyElement(QStringLiteral("style:text-properties"));
    xml.writeAttribute(QStringLiteral("fo:language"), QStringLiteral("it"));
    xml.writeAttribute(QStringLiteral("fo:country"), QStringLiteral("IT"));
    xml.writeEndElement();
    xml.writeEmptyElement(QStringLiteral("style:style"));
    xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("Standard"));
    xml.writeAttribute(QStringLiteral("style:family"), QStringLiteral("paragraph"));
    xml.writeAttribute(QStringLiteral("style:class"), QStringLiteral("text"));
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("office:automatic-styles"));
    xml.writeStartElement(QStringLiteral("style:page-layout"));
    xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("A4"));
    xml.writeEmptyElement(QStringLiteral("style:page-layout-properties"));
    xml.writeAttribute(QStringLiteral("fo:page-width"), centimetres(PageLayout::kPageWidth));
    xml.writeAttribute(QStringLiteral("fo:page-height"), centimetres(PageLayout::kPageHeight));
    xml.writeAttribute(QStringLiteral("style:print-orientation"), QStringLiteral("portrait"));
    xml.writeAttribute(QStringLiteral("fo:margin-top"), centimetres(PageLayout::kTopMargin));
    xml.writeAttribute(QStringLiteral("fo:margin-bottom"), centimetres(PageLayout::kTopMargin));
    xml.writeAttribute(QStringLiteral("fo:margin-left"), centimetres(PageLayout::kSideMargin));
    xml.writeAttribute(QStringLiteral("fo:margin-right"), centimetres(PageLayout::kSideMargin));
    xml.writeEndElement();
    xml.writeEndElement();

    xml.writeStartElement(QStringLiteral("office:master-styles"));
    xml.writeEmptyElement(QStringLiteral("style:master-page"));
    xml.writeAttribute(QStringLiteral("style:name"), QStringLiteral("Standard"));
    xml.writeAttribute(QStringLiteral("style:page-layout-name"), QStringLiteral("A4"));
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

QByteArray meta() {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    startRoot(xml, "office:document-meta");
    xml.writeStartElement(QStringLiteral("office:meta"));
    xml.writeTextElement(QStringLiteral("meta:generator"), QStringLiteral("Fenoverra"));
    xml.writeTextElement(QStringLiteral("dc:language"), QStringLiteral("it-IT"));
    xml.writeEndDocument();
    return bytes;
}

QByteArray manifest() {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("manifest:manifest"));
    xml.writeAttribute(QStringLiteral("xmlns:manifest"),
                       QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"));
    xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
    const std::pair<QString, QString> entries[] = {
        {QStringLiteral("/"), kMimeType},
        {QStringLiteral("content.xml"), QStringLiteral("text/xml")},
        {QStringLiteral("styles.xml"), QStringLiteral("text/xml")},
        {QStringLiteral("meta.xml"), QStringLiteral("text/xml")},
    };
    for (const auto& [path, type] : entries) {
        xml.writeEmptyElement(QStringLiteral("manifest:file-entry"));
        xml.writeAttribute(QStringLiteral("manifest:full-path"), path);
        if (path == u"/")
            xml.writeAttribute(QStringLiteral("manifest:version"), QStringLiteral("1.2"));
        xml.writeAttribute(QStringLiteral("manifest:media-type"), type);
    }
    xml.writeEndDocument();
    return bytes;
}

struct Entry {
    const char* name;
    QByteArray data;
};

// The archive in memory. The mimetype comes first and uncompressed, where
// a reader looks for it at a fixed place.
std::optional<QByteArray> zipped(const std::vector<Entry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* archive = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!archive) return std::nullopt;
    zip_t* zip = zip_open_from_source(archive, ZIP_TRUNCATE, nullptr);
    if (!zip) {
        zip_source_free(archive);
        return std::nullopt;
    }
    zip_source_keep(archive); // read once the archive is closed
    bool added = true;
    for (const Entry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(zip, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index = source ? zip_file_add(zip, entry.name, source, 0) : -1;
        if (index < 0) {
            if (source) zip_source_free(source);
            added = false;
            break;
        }
        const bool first = &entry == &entries.front();
        // The fastest deflate: the files are small and written while the user waits.
        if (zip_set_file_compression(zip, zip_uint64_t(index),
                                     first ? ZIP_CM_STORE : ZIP_CM_DEFLATE, first ? 0 : 1) < 0)
            added = false;
    }
    if (!added || zip_close(zip) < 0) {
        zip_discard(zip);
        zip_source_free(archive);
        return std::nullopt;
    }
    std::optional<QByteArray> bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(archive, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        zip_source_open(archive) == 0) {
        QByteArray read(qsizetype(stat.size), Qt::Uninitialized);
        if (zip_source_read(archive, read.data(), stat.size) == zip_int64_t(stat.size))
            bytes = read;
        zip_source_close(archive);
    }
    zip_source_free(archive);
    return bytes;
}

} // namespace

namespace OdfWriter {

bool write(const Report::Document& document, const QString& fileName) {
    const std::optional<QByteArray> bytes = zipped({
        {"mimetype", kMimeType.toLatin1()},
        {"content.xml", content(document)},
        {"styles.xml", styles(document)},
        {"meta.xml", meta()},
        {"META-INF/manifest.xml", manifest()},
    });
    if (!bytes) return false;
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit();
}

} // namespace OdfWriter

// SPDX-License-Identifier: GPL-3.0-or-later
// The printed rate table, the documents read back, the table on the page,
// the PDF, and LibreOffice's pages.
#include "support/odfcontent.h"
#include "support/periodfixtures.h"
#include "support/reportfixtures.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include "platform/modfenoverra.h"
#include "reports/guidedocument.h"
#include "reports/odfwriter.h"
#include "reports/pdfwriter.h"
#include "reports/ratetablereport.h"

#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(Report::Document)

namespace {

RateTableReport::Table tableOf(const Periods& rows, int righetab, const QString& title) {
    RateTableReport::Table table{title, {}, {}, righetab};
    for (const auto& [date, rate] : rows)
        table.dates << date, table.rates << rate;
    return table;
}

// Of each paragraph, in order: of(paragraph, its text with "\f" first when it
// starts a page).
template <class T, class Of> QList<T> each(const Report::Document& document, Of of) {
    QList<T> list;
    for (const auto* paragraphs : {&document.paragraphs, &document.after})
        for (const Report::Paragraph& p : *paragraphs)
            list << of(p, (p.newPage ? "\f" : "") + p.text);
    return list;
}
QStringList textsOf(const Report::Document& d) {
    return each<QString>(d, [](const auto&, const QString& text) { return text; });
}
QList<double> sizesOf(const Report::Document& d) {
    return each<double>(d, [](const auto& p, const auto&) { return p.size; });
}
QStringList fontsOf(const Report::Document& d) {
    return each<QString>(d, [](const auto& p, const auto&) { return p.font; });
}

// 200 periods in lire, amounts in the hundreds of billions, the last row
// with the widest amount printed in every amount column.
Report::Document widestAmounts() {
    Report::Document report = ReportFixtures::calculation(200, "450000000000", "lire");
    QStringList& last = report.table->rows.last();
    for (int column = 5; column < 8; ++column)
        last[column] = "999.999.999.999,99";
    return report;
}

Report::Document guide() {
    return GuideDocument::build(
        {{"Uno", "Il primo  testo."}, {"Due", "\tSecondo."}, {"Tre", " terzo"}});
}

// In points, measured at ten times the size where pixels cannot matter.
double pointsWide(const QString& text, const QString& family, double size, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size * 10);
    font.setBold(bold);
    return QFontMetricsF(font).horizontalAdvance(text) * 72 /
           QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 10;
}

bool have(const char* program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QString pdfText(const QString& pdf) {
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class TestReportsPrint : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // n rows print n + 2; the title (appunti's caption, or the file's path) a line a paragraph.
    void rateTable_data() {
        QTest::addColumn<Periods>("rows");
        QTest::addColumn<int>("righetab");
        QTest::addColumn<QList<QStringList>>("lastRows");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description"); // empty: not checked
        using Rows = QList<QStringList>;
        const QString legal = "Tabella dei tassi legali (art.1284 Codice Civile)";
        const QString discount = ReportFixtures::discountTable().title;
        // clang-format off
        QTest::newRow("empty table: the headings only") << Periods() << 0 << Rows{{"", "dal", "al", "tasso"}, {"n.", "gg/mm/aa", "gg/mm/aa", "%"}} << legal << "";
        QTest::newRow("last row without end date, two-line title") << Periods{{"01/01/04", "2,5"}, {"01/01/08", "3,0"}, {"01/01/10", "1,0"}} << 3 << Rows{{" 2", "01/01/08", "31/12/09", "3,00"}, {" 3", "01/01/10", "", "1,00"}} << discount << "tabella-Tabella dei tassi ufficiali di sconto della Banca d'Italia";
        QTest::newRow("a dated row after the table still ends the last, opened file") << Periods{{"01/01/10", "2,5"}, {"01/01/11", ""}} << 1 << Rows{{" 1", "01/01/10", "31/12/10", "2,50"}} << "/home/anna/tassi/Fenoverra-tab-mutui.txt" << "tabella-Fenoverra-tab-mutui";
        QTest::newRow("unreadable next date, rate not a number") << Periods{{"7/06/58", "abc"}, {"31/02/59", "3"}} << 2 << Rows{{" 1", "7/06/58", "", "abc"}, {" 2", "31/02/59", "", "3,00"}} << legal << "";
        // clang-format on
    }
    void rateTable() {
        QFETCH(Periods, rows);
        QFETCH(int, righetab);
        QFETCH(QList<QStringList>, lastRows);
        QFETCH(QString, title);
        QFETCH(QString, description);
        const Report::Document doc = RateTableReport::build(tableOf(rows, righetab, title));
        const Report::Table& table = *doc.table;
        QCOMPARE(table.rows.size(), righetab + 2);
        QCOMPARE(table.rows.mid(table.rows.size() - lastRows.size()), lastRows);
        const QStringList titleLines = title.split('\r');
        const QStringList texts =
            QStringList{"FENOVERRA", "(calcolo di interessi semplici e composti)", ""} +
            titleLines + QStringList{"", ""};
        const QList<double> sizes =
            QList<double>{18, 16, 16} + QList<double>(titleLines.size() + 2, 12);
        QCOMPARE(textsOf(doc), texts);
        QCOMPARE(sizesOf(doc), sizes);
        if (!description.isEmpty()) QCOMPARE(doc.description, description);
    }

    // A word processor finds in the file what the document holds, blanks
    // included; the archive opens with its type, uncompressed; the heading
    // rows repeat.
    void writtenAsHeld_data() {
        QTest::addColumn<Report::Document>("document");
        QTest::addColumn<int>("headingRows");
        Report::Document blanks = ReportFixtures::calculation(3);
        blanks.paragraphs[4].text = "  Riferimenti:  a   b ";
        blanks.table->rows[2][4] = "  7";
        QTest::newRow("rate table, 98 rows")
            << RateTableReport::build(ReportFixtures::discountTable()) << 2;
        QTest::newRow("runs of blanks, leading and trailing") << blanks << 2;
        QTest::newRow("guide: tabs, page breaks, justified") << guide() << 0;
    }
    void writtenAsHeld() {
        QFETCH(Report::Document, document);
        QFETCH(int, headingRows);
        QTemporaryDir dir;
        const QString file = dir.filePath("documento.odt");
        QVERIFY(OdfWriter::write(document, file));
        QCOMPARE(OdfContent::entries(file),
                 (QStringList{"mimetype stored", "content.xml", "styles.xml", "meta.xml",
                              "META-INF/manifest.xml"}));
        QCOMPARE(OdfContent::entry(file, "mimetype"), "application/vnd.oasis.opendocument.text");
        QCOMPARE(OdfContent::textsOutsideTables(file), textsOf(document));
        QCOMPARE(OdfContent::sizesOutsideTables(file), sizesOf(document));
        QCOMPARE(OdfContent::familiesOutsideTables(file), fontsOf(document));
        QCOMPARE(OdfContent::tableCells(file),
                 document.table ? document.table->rows : QList<QStringList>());
        QCOMPARE(OdfContent::headingRows(file), headingRows);
        if (!document.table) { // the help text's look
            const auto read = OdfContent::paragraphs(file);
            QVERIFY(std::all_of(read.begin(), read.end(),
                                [](const auto& p) { return p.align == "justify"; }));
        }
    }

    // Each column is wider than its widest text with the padding and grid,
    // and the table as wide as the page's text.
    void tableFitsThePage_data() {
        QTest::addColumn<Report::Document>("document");
        QTest::newRow("999.999.999.999,99 in every amount column") << widestAmounts();
        QTest::newRow("rate table in 12 points")
            << RateTableReport::build(ReportFixtures::discountTable());
    }
    void tableFitsThePage() {
        QFETCH(Report::Document, document);
        QTemporaryDir dir;
        const QString file = dir.filePath("documento.odt");
        QVERIFY(OdfWriter::write(document, file));
        const OdfContent::TableLayout layout = OdfContent::tableLayout(file);
        const Report::Table& table = *document.table;
        QCOMPARE(layout.columns.size(), table.columns.size());
        double total = 0;
        QStringList tooNarrow;
        for (int c = 0; c < layout.columns.size(); ++c) {
            const double room = layout.columns[c] - 2 * (layout.padding + layout.grid);
            for (int r = 0; r < table.rows.size(); ++r) {
                const QString& text = table.rows[r][c];
                if (pointsWide(text, table.font, table.size, r == 0) > room)
                    tooNarrow << QString("row %1, column %2: %3").arg(r + 1).arg(c + 1).arg(text);
            }
            total += layout.columns[c];
        }
        QCOMPARE(tooNarrow, QStringList());
        QVERIFY2(layout.padding >= 0.5, qPrintable(QString::number(layout.padding)));
        QCOMPARE(layout.width, total);
        QVERIFY2(qAbs(layout.width - layout.textWidth) < 0.05,
                 qPrintable(QString("%1 of %2").arg(layout.width).arg(layout.textWidth)));
    }

    // The pages of the calculation in lire, from the PDF writer and from
    // LibreOffice (which makes the rate table's and the guide's too, kept in
    // FENOVERRA_RENDER_DIR if set): the heading rows on each, each amount
    // whole on its line.
    void pages_data() {
        QTest::addColumn<bool>("libreOffice");
        QTest::newRow("PDF writer") << false;
        QTest::newRow("LibreOffice") << true;
    }
    void pages() {
        QFETCH(bool, libreOffice);
        QTemporaryDir dir;
        QString pdf = dir.filePath("calcolo-lire.pdf");
        if (!libreOffice) QVERIFY(PdfWriter::write(widestAmounts(), pdf));
        if (!libreOffice) QVERIFY(contentsOf(pdf).startsWith("%PDF-"));
        if (!have("pdftotext") ||
            (libreOffice && (!(have("libreoffice") || have("soffice")) || !have("pdftoppm"))))
            QSKIP("libreoffice or poppler-utils is missing: no pages are read");
        if (libreOffice) {
            const QString pages =
                qEnvironmentVariable("FENOVERRA_RENDER_DIR", dir.filePath("pages"));
            const QString script = qEnvironmentVariable("FENOVERRA_SOURCE_DIR") +
                                   "/scripts/render-report.sh"; // set by ctest
            const std::pair<const char*, Report::Document> documents[] = {
                {"calcolo-lire", widestAmounts()},
                {"tabella-tus", RateTableReport::build(ReportFixtures::discountTable())},
                {"guida", guide()},
            };
            for (const auto& [name, document] : documents) {
                QVERIFY(OdfWriter::write(document, dir.filePath(QString(name) + ".odt")));
                QProcess render;
                render.start(script, {dir.filePath(QString(name) + ".odt"), pages});
                QVERIFY2(render.waitForFinished(180000) && render.exitCode() == 0,
                         render.readAllStandardError().constData());
            }
            pdf = pages + "/calcolo-lire.pdf";
        }
        const QString text = pdfText(pdf);
        const QStringList pageTexts = text.split('\f', Qt::SkipEmptyParts);
        QVERIFY(pageTexts.size() >= 4);
        for (const QString& page : pageTexts)
            QVERIFY2(page.contains(QRegularExpression("dal +al +tasso +giorni")),
                     qPrintable(page.left(400)));
        QStringList broken;
        for (const QStringList& row : widestAmounts().table->rows.mid(2))
            for (int column : {5, 6, 7})
                if (!text.contains(row[column])) broken << row[column];
        QCOMPARE(broken, QStringList());
        QVERIFY(text.contains(QRegularExpression(" 200 +01/08/26 ")));
    }
};

QTEST_MAIN(TestReportsPrint)
#include "tst_reports_print.moc"

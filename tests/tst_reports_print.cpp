// The printed rate table, and what a word processor finds in the written
// reports: fonts and sizes as typed, the table's cells and alignment, and the
// pages LibreOffice makes of them.
#include "support/odfcontent.h"
#include "support/reportfixtures.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include "reports/documentreferences.h"
#include "reports/ratetablereport.h"
#include "reports/wordprocessor.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows "date=rate", blank-separated.
RateTableReport::Table tableOf(const QString& rows, int righetab) {
    RateTableReport::Table table;
    table.title = "Tabella dei tassi legali (art.1284 Codice Civile)";
    for (const QString& row : rows.split(' ', Qt::SkipEmptyParts)) {
        table.dates << row.section('=', 0, 0);
        table.rates << row.section('=', 1);
    }
    table.rows = righetab;
    return table;
}

} // namespace

class TestReportsPrint : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    void rateTableRows_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("righetab");
        QTest::addColumn<int>("tableRows");
        QTest::addColumn<QStringList>("lastRows");
        // clang-format off
        QTest::newRow("empty table: the headings only") << "" << 0 << 2 << QStringList{"|dal|al|tasso", "n.|gg/mm/aa|gg/mm/aa|%"};
        QTest::newRow("legal rates: last row without end date") << "01/01/04=2,5 01/01/08=3,0 01/01/10=1,0" << 3 << 5 << QStringList{" 2|01/01/08|31/12/09|3,00", " 3|01/01/10||1,00"};
        QTest::newRow("a dated row after the table still ends the last") << "01/01/10=2,5 01/01/11=" << 1 << 3 << QStringList{" 1|01/01/10|31/12/10|2,50"};
        QTest::newRow("unreadable next date, rate not a number") << "7/06/58=abc 31/02/59=3" << 2 << 4 << QStringList{" 1|7/06/58||abc", " 2|31/02/59||3,00"};
        // clang-format on
    }
    void rateTableRows() {
        QFETCH(QString, rows);
        QFETCH(int, righetab);
        QFETCH(int, tableRows);
        QFETCH(QStringList, lastRows);
        WordDocument* doc = RateTableReport::build(tableOf(rows, righetab));
        WordTable* table = ModFenoverra::tabellaword;
        QVERIFY(table && table == doc->Tables(1));
        QCOMPARE(ModFenoverra::docword.data(), doc);
        QCOMPARE(table->Rows(), tableRows);
        QCOMPARE(table->Columns(), 4);
        QStringList last;
        for (int row = tableRows - int(lastRows.size()) + 1; row <= tableRows; ++row)
            last << tableRow(table, row);
        QCOMPARE(last, lastRows);
        QCOMPARE(table->autoFormat(), 9);
        QCOMPARE(cellFormats(table, tableRows), QString("12 12 12 12>"));
    }

    // The title is the caption of appunti: two lines for the discount rates,
    // the file's full path after a table file was opened.
    void rateTableTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("description");
        const RateTableReport::Table discount = ReportFixtures::discountTable();
        // clang-format off
        QTest::newRow("two lines") << discount.title << QStringList{"Tabella dei tassi ufficiali di sconto della Banca d'Italia|12", "(Dal 2004 il TUS è sostituito dal tasso di riferimento della BCE)|12"} << "tabella-Tabella dei tassi ufficiali di sconto della Banca d'Italia";
        QTest::newRow("opened file") << "/home/anna/tassi/Fenoverra-tab-mutui.txt" << QStringList{"/home/anna/tassi/Fenoverra-tab-mutui.txt|12"} << "tabella-Fenoverra-tab-mutui";
        // clang-format on
    }
    void rateTableTitle() {
        QFETCH(QString, title);
        QFETCH(QStringList, lines);
        QFETCH(QString, description);
        RateTableReport::Table table = tableOf("01/01/10=2,5", 1);
        table.title = title;
        WordDocument* doc = RateTableReport::build(table);
        const QStringList heading = {"FENOVERRA|18",
                                     "(calcolo di interessi semplici e composti)|16", "|16"};
        QCOMPARE(paragraphsOf(doc), heading + lines + QStringList({"|12", "|12"}));
        QCOMPARE(doc->description(), description);
    }

    // What the word processor reads: every paragraph as typed, blank lines
    // included; the table in 10 points with the numbers to the right and
    // the row numbers keeping the blank of their sign.
    void writtenReportReadsAsTyped() {
        const core::PeriodList periods = ReportFixtures::periods(200);
        WordDocument* doc = CalculationReport::build(ReportFixtures::heading(periods), periods, {});
        QTemporaryDir dir;
        const QString file = dir.filePath("calcolo.odt");
        QVERIFY(doc->SaveAs(file));
        QCOMPARE(OdfContent::outsideTables(file), paragraphsOf(doc));
        QStringList row3;
        QStringList wrong;
        for (const OdfContent::Paragraph& p : OdfContent::paragraphs(file)) {
            if (!p.inTable) continue;
            if (p.family != "Century Gothic") wrong << p.text + " in " + p.family;
            if (p.size != 10) wrong << p.text + " at " + QString::number(p.size);
            if ((p.align == "end") != (p.column >= 4)) wrong << p.text + " aligned " + p.align;
            if (p.row == 3) row3 << p.text;
        }
        QCOMPARE(wrong, QStringList());
        QCOMPARE(row3.join('|'), QString(" 1|01/01/10|31/01/10|7,00|30|60,48|60,48|10.572,98"));
    }

    // LibreOffice makes pages of both reports. The pages land in
    // FENOVERRA_RENDER_DIR when it is set, for a person to look at.
    void reportsRenderAsPages() {
        if (QStandardPaths::findExecutable("libreoffice").isEmpty() &&
            QStandardPaths::findExecutable("soffice").isEmpty())
            QSKIP("libreoffice is not installed: the pages are not rendered");
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed: the pages are not rendered");
        const QString script =
            qEnvironmentVariable("FENOVERRA_SOURCE_DIR",
                                 QCoreApplication::applicationDirPath() + "/../..") +
            "/scripts/render-report.sh";
        QVERIFY2(QFileInfo(script).isExecutable(), qPrintable(script));
        QTemporaryDir dir;
        const QString pages = qEnvironmentVariable("FENOVERRA_RENDER_DIR", dir.filePath("pages"));

        const core::PeriodList periods = ReportFixtures::periods(200);
        QVERIFY(CalculationReport::build(ReportFixtures::heading(periods), periods, {})
                    ->SaveAs(dir.filePath("calcolo-200.odt")));
        QVERIFY(RateTableReport::build(ReportFixtures::discountTable())
                    ->SaveAs(dir.filePath("tabella-tus.odt")));
        for (const auto& [name, atLeast] : {std::pair{"calcolo-200", 4}, {"tabella-tus", 3}}) {
            QProcess render;
            render.start(script, {dir.filePath(QString(name) + ".odt"), pages});
            QVERIFY(render.waitForFinished(180000));
            QVERIFY2(render.exitCode() == 0, render.readAllStandardError().constData());
            const QStringList png =
                QDir(pages).entryList({QString(name) + "-*.png"}, QDir::Files, QDir::Name);
            QVERIFY2(png.size() >= atLeast, qPrintable(png.join(' ')));
        }
    }
};

QTEST_MAIN(TestReportsPrint)
#include "tst_reports_print.moc"

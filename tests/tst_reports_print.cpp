// The printed rate table, the written calculation's table as a word processor
// reads it, and the pages LibreOffice makes of both reports.
#include "support/odfcontent.h"
#include "support/reportfixtures.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include "reports/ratetablereport.h"
#include "reports/wordprocessor.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows "date=rate", blank-separated.
RateTableReport::Table tableOf(const QString& rows, int righetab, const QString& title) {
    RateTableReport::Table table;
    table.title = title;
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

    // The title is the caption of appunti, one paragraph a line: two for the
    // discount rates, the file's full path after a table file was opened.
    void rateTable_data() {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("righetab");
        QTest::addColumn<int>("tableRows");
        QTest::addColumn<QStringList>("lastRows");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description"); // empty: not checked
        const QString legal = "Tabella dei tassi legali (art.1284 Codice Civile)";
        const QString discount = ReportFixtures::discountTable().title;
        // clang-format off
        QTest::newRow("empty table: the headings only") << "" << 0 << 2 << QStringList{"|dal|al|tasso", "n.|gg/mm/aa|gg/mm/aa|%"} << legal << "";
        QTest::newRow("last row without end date, two-line title") << "01/01/04=2,5 01/01/08=3,0 01/01/10=1,0" << 3 << 5 << QStringList{" 2|01/01/08|31/12/09|3,00", " 3|01/01/10||1,00"} << discount << "tabella-Tabella dei tassi ufficiali di sconto della Banca d'Italia";
        QTest::newRow("a dated row after the table still ends the last, opened file") << "01/01/10=2,5 01/01/11=" << 1 << 3 << QStringList{" 1|01/01/10|31/12/10|2,50"} << "/home/anna/tassi/Fenoverra-tab-mutui.txt" << "tabella-Fenoverra-tab-mutui";
        QTest::newRow("unreadable next date, rate not a number") << "7/06/58=abc 31/02/59=3" << 2 << 4 << QStringList{" 1|7/06/58||abc", " 2|31/02/59||3,00"} << legal << "";
        // clang-format on
    }
    void rateTable() {
        QFETCH(QString, rows);
        QFETCH(int, righetab);
        QFETCH(int, tableRows);
        QFETCH(QStringList, lastRows);
        QFETCH(QString, title);
        QFETCH(QString, description);
        WordDocument* doc = RateTableReport::build(tableOf(rows, righetab, title));
        WordTable* table = doc->Tables(1);
        QCOMPARE(table->Rows(), tableRows);
        QStringList last;
        for (int row = tableRows - int(lastRows.size()) + 1; row <= tableRows; ++row)
            last << tableRow(table, row);
        QCOMPARE(last, lastRows);
        QCOMPARE(cellFormats(table, tableRows), QString("12 12 12 12>"));
        QStringList paragraphs = {"FENOVERRA|18", "(calcolo di interessi semplici e composti)|16",
                                  "|16"};
        for (const QString& line : title.split('\r'))
            paragraphs << line + "|12";
        QCOMPARE(paragraphsOf(doc), paragraphs + QStringList({"|12", "|12"}));
        if (!description.isEmpty()) QCOMPARE(doc->description(), description);
    }

    // What a word processor reads of the written calculation's table: 10
    // points, the numbers to the right, the row numbers keeping the blank of
    // their sign. Then LibreOffice makes pages of both reports; they land in
    // FENOVERRA_RENDER_DIR when it is set, for a person to look at.
    void writtenReports() {
        QTemporaryDir dir;
        const QString calculation = dir.filePath("calcolo-200.odt");
        const core::PeriodList periods = ReportFixtures::periods(200);
        QVERIFY(CalculationReport::build(ReportFixtures::heading(periods), periods, {})
                    ->SaveAs(calculation));
        QVERIFY(RateTableReport::build(ReportFixtures::discountTable())
                    ->SaveAs(dir.filePath("tabella-tus.odt")));
        QStringList row3, wrong;
        for (const OdfContent::Paragraph& p : OdfContent::paragraphs(calculation)) {
            if (!p.inTable) continue;
            if (p.family != "Century Gothic" || p.size != 10 ||
                (p.align == "end") != (p.column >= 4))
                wrong << QString("%1: %2 %3 %4").arg(p.text, p.family).arg(p.size).arg(p.align);
            if (p.row == 3) row3 << p.text;
        }
        QCOMPARE(wrong, QStringList());
        QCOMPARE(row3.join('|'), QString(" 1|01/01/10|31/01/10|7,00|30|60,48|60,48|10.572,98"));

        if ((QStandardPaths::findExecutable("libreoffice").isEmpty() &&
             QStandardPaths::findExecutable("soffice").isEmpty()) ||
            QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("libreoffice or pdftoppm (poppler-utils) is missing: no pages are rendered");
        const QString script =
            qEnvironmentVariable("FENOVERRA_SOURCE_DIR",
                                 QCoreApplication::applicationDirPath() + "/../..") +
            "/scripts/render-report.sh";
        QVERIFY2(QFileInfo(script).isExecutable(), qPrintable(script));
        const QString pages = qEnvironmentVariable("FENOVERRA_RENDER_DIR", dir.filePath("pages"));
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

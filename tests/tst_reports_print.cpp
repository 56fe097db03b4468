// SPDX-License-Identifier: GPL-3.0-or-later
// The printed rate table, the written calculation's table, LibreOffice's pages.
#include "support/odfcontent.h"
#include "support/reportfixtures.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include "reports/ratetablereport.h"
#include "reports/wordprocessor.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows "date=rate", blank-separated.
RateTableReport::Table tableOf(const QString& rows, int righetab, const QString& title) {
    RateTableReport::Table table{title, {}, {}, righetab};
    for (const QString& row : rows.split(' ', Qt::SkipEmptyParts))
        table.dates << row.section('=', 0, 0), table.rates << row.section('=', 1);
    return table;
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
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("righetab");
        QTest::addColumn<QStringList>("lastRows");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("description"); // empty: not checked
        const QString legal = "Tabella dei tassi legali (art.1284 Codice Civile)";
        const QString discount = ReportFixtures::discountTable().title;
        // clang-format off
        QTest::newRow("empty table: the headings only") << "" << 0 << QStringList{"|dal|al|tasso", "n.|gg/mm/aa|gg/mm/aa|%"} << legal << "";
        QTest::newRow("last row without end date, two-line title") << "01/01/04=2,5 01/01/08=3,0 01/01/10=1,0" << 3 << QStringList{" 2|01/01/08|31/12/09|3,00", " 3|01/01/10||1,00"} << discount << "tabella-Tabella dei tassi ufficiali di sconto della Banca d'Italia";
        QTest::newRow("a dated row after the table still ends the last, opened file") << "01/01/10=2,5 01/01/11=" << 1 << QStringList{" 1|01/01/10|31/12/10|2,50"} << "/home/anna/tassi/Fenoverra-tab-mutui.txt" << "tabella-Fenoverra-tab-mutui";
        QTest::newRow("unreadable next date, rate not a number") << "7/06/58=abc 31/02/59=3" << 2 << QStringList{" 1|7/06/58||abc", " 2|31/02/59||3,00"} << legal << "";
        // clang-format on
    }
    void rateTable() {
        QFETCH(QString, rows);
        QFETCH(int, righetab);
        QFETCH(QStringList, lastRows);
        QFETCH(QString, title);
        QFETCH(QString, description);
        WordDocument* doc = RateTableReport::build(tableOf(rows, righetab, title));
        WordTable* table = doc->Tables(1);
        QStringList last = {QString::number(table->Rows())};
        for (int row = righetab + 3 - int(lastRows.size()); row <= righetab + 2; ++row)
            last << tableRow(table, row);
        QCOMPARE(last, QStringList(QString::number(righetab + 2)) + lastRows);
        QCOMPARE(paragraphsOf(doc).join('\n'),
                 "FENOVERRA|18\n(calcolo di interessi semplici e composti)|16\n|16\n" +
                     title.replace('\r', "|12\n") + "|12\n|12\n|12");
        if (!description.isEmpty()) QCOMPARE(doc->description(), description);
    }

    // The row numbers of the written table keep the blank of their sign. Both
    // reports make pages in LibreOffice, kept in FENOVERRA_RENDER_DIR if set.
    void writtenReports() {
        QTemporaryDir dir;
        const QString calculation = dir.filePath("calcolo-200.odt");
        const core::PeriodList periods = ReportFixtures::periods(200);
        QVERIFY(CalculationReport::build(ReportFixtures::heading(periods), periods, {})
                    ->SaveAs(calculation));
        QVERIFY(RateTableReport::build(ReportFixtures::discountTable())
                    ->SaveAs(dir.filePath("tabella-tus.odt")));
        QStringList row3;
        for (const OdfContent::Paragraph& p : OdfContent::paragraphs(calculation))
            if (p.inTable && p.row == 3) row3 << p.text;
        QCOMPARE(row3.join('|'), QString(" 1|01/01/10|31/01/10|7,00|30|60,48|60,48|10.572,98"));

        if ((QStandardPaths::findExecutable("libreoffice").isEmpty() &&
             QStandardPaths::findExecutable("soffice").isEmpty()) ||
            QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("libreoffice or pdftoppm (poppler-utils) is missing: no pages are rendered");
        const QString script =
            qEnvironmentVariable("FENOVERRA_SOURCE_DIR") + "/scripts/render-report.sh"; // by ctest
        const QString pages = qEnvironmentVariable("FENOVERRA_RENDER_DIR", dir.filePath("pages"));
        for (const char* name : {"calcolo-200", "tabella-tus"}) {
            QProcess render;
            render.start(script, {dir.filePath(QString(name) + ".odt"), pages});
            QVERIFY2(render.waitForFinished(180000) && render.exitCode() == 0,
                     render.readAllStandardError().constData());
        }
    }
};

QTEST_MAIN(TestReportsPrint)
#include "tst_reports_print.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The print command of the Data window: the calculation report.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

using namespace DatiTest;

static const QString kTwoYears = "01/01/01=10 01/01/02=10";

class TestDatiPrint : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    static void print(Dati& w) { w.findChild<QAction*>("stampa")->trigger(); }

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Both types print the simple-interest table and leave the window on it.
    // " >5": the rate moved to 5 first, printed up to date, not stale.
    void report_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("periods");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("paragraphs"); // after the heading, before the table
        QTest::addColumn<QString>("lastRow");
        // clang-format off
        const QString start = "Capitale iniziale: 1.000,00|12\nRiferimenti del calcolo: Prestito|12\n";
        const QString simple = " 2|01/01/02|31/12/02|10,00|365|100,00|199,73|1.199,73";
        QTest::newRow("simple: currency first") << "1000|31/12/02|Prestito" << kTwoYears << 1 << start + "Somma finale a interessi semplici:  euro  1.199,73|12" << simple;
        QTest::newRow("compound: currency first, no heading") << "1000|31/12/02|Prestito" << kTwoYears << 2 << start + "Somma finale a interessi composti:  euro  1.209,70|12" << " 2|01/01/02|31/12/02|10,00|365|109,97|209,70|1.209,70";
        QTest::newRow("both: three lines, then the simple-interest table") << "1000|31/12/02|Prestito" << kTwoYears << 3 << start + "Somma finale a interessi semplici:   1.199,73  euro|12\nSomma finale a interessi composti:  1.209,70  euro|12\nDifferenza tra i due tipi di calcolo:  9,97  euro|12\n|12\nCalcolo a interessi semplici|12" << simple;
        QTest::newRow("one period") << "10512,5|31/12/01|x" << "01/01/01=3,5 >5" << 1 << "Capitale iniziale: 10.512,50|12\nRiferimenti del calcolo: x|12\nSomma finale a interessi semplici:  euro  11.036,68|12" << " 1|01/01/01|31/12/01|5,00|364|524,18|524,18|11.036,68";
        // clang-format on
    }
    void report() {
        QFETCH(QString, fields);
        QFETCH(QString, periods);
        QFETCH(int, type);
        QFETCH(QString, paragraphs);
        QFETCH(QString, lastRow);
        const int n = int(periods.count('='));
        auto w = newWindow();
        enter(*w, fields, periods.section(" >", 0, 0));
        chooseType(*w, type);
        if (periods.endsWith(" >5")) {
            bar(*w, row("scrollatassi", n))->setValue(500);
            QVERIFY(!w->risultaticorrenti());
        }
        print(*w);
        WordDocument* doc = ModFenoverra::docword;
        QVERIFY(WordApplication::shownDocuments() == QList<QPointer<WordDocument>>{doc});
        QCOMPARE(doc->description() + "|" + text(*w, "passo"),
                 "calcolo-" + fields.section('|', 2) + "|sto caricando WORD");
        QCOMPARE(paragraphsOf(doc).join('\n'),
                 "FENOVERRA|18\n(calcolo di interessi semplici e composti)|16\n|16\n" + paragraphs +
                     "\n|12\n|12\n|12"); // two blank lines, the table, one more
        WordTable* table = ModFenoverra::tabellaword;
        QCOMPARE(tableRow(table, 1) + tableRow(table, 2) + QString("|%1|").arg(table->Rows()) +
                     tableRow(table, n + 2),
                 QString("|dal|al|tasso|giorni|interessi|tot.interessi|capitale"
                         "n.|gg/mm/aa|gg/mm/aa|%|num.|euro|euro|euro|%1|%2")
                     .arg(n + 2)
                     .arg(lastRow));
        QCOMPARE(w->tipocalcolo(), type == 3 ? 1 : type);
    }

    // A failed check starts nothing; each print is a new document.
    void failedCheckThenTwoPrints() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|", kTwoYears);
        const QString guidance = text(*w, "passo");
        expectBox();
        print(*w);
        QVERIFY(box().startsWith("16|")); // the check's own message: tst_dati_check
        QVERIFY(!ModFenoverra::docword && text(*w, "passo") == guidance);
        type(*w, "riferimento", "Prestito");
        print(*w);
        const QPointer<WordDocument> first = ModFenoverra::docword;
        type(*w, "riferimento", "Mutuo");
        print(*w);
        QVERIFY(WordApplication::createdCount() == 2 && first && first != ModFenoverra::docword);
        QCOMPARE(ModFenoverra::tabellaword.data(), ModFenoverra::docword->Tables(1));
    }
};

QTEST_MAIN(TestDatiPrint)
#include "tst_dati_print.moc"

// The print command of the Data window: the calculation report.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QAbstractButton>
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

    // Capital 1000, two years at 10 %: simple 1199,73, compound 1209,7.
    void finalSumsOfEachType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("sums");   // the paragraphs after the reference
        QTest::addColumn<QString>("secondYear"); // table row of period 2
        const QString simple = " 2|01/01/02|31/12/02|10,00|365|100,00|199,73|1.199,73";
        // clang-format off
        QTest::newRow("simple: currency first") << 1 << QStringList{"Somma finale a interessi semplici:  euro  1.199,73|12"} << simple;
        QTest::newRow("compound: currency first, no heading") << 2 << QStringList{"Somma finale a interessi composti:  euro  1.209,70|12"} << " 2|01/01/02|31/12/02|10,00|365|109,97|209,70|1.209,70";
        QTest::newRow("both: three lines, then the simple-interest table") << 3 << QStringList{"Somma finale a interessi semplici:   1.199,73  euro|12", "Somma finale a interessi composti:  1.209,70  euro|12", "Differenza tra i due tipi di calcolo:  9,97  euro|12", "|12", "Calcolo a interessi semplici|12"} << simple;
        // clang-format on
    }
    void finalSumsOfEachType() {
        QFETCH(int, type);
        QFETCH(QStringList, sums);
        QFETCH(QString, secondYear);
        auto w = newWindow();
        enter(*w, "1000|31/12/02|Prestito", kTwoYears);
        chooseType(*w, type);
        print(*w);

        WordDocument* doc = ModFenoverra::docword;
        QVERIFY(WordApplication::shownDocuments() == QList<QPointer<WordDocument>>{doc});
        QCOMPARE(doc->description() + "|" + text(*w, "passo"),
                 QString("calcolo-Prestito|sto caricando WORD"));
        QCOMPARE(paragraphsOf(doc),
                 QStringList({"FENOVERRA|18", "(calcolo di interessi semplici e composti)|16",
                              "|16", "Capitale iniziale: 1.000,00|12",
                              "Riferimenti del calcolo: Prestito|12"}) +
                     sums + QStringList(3, "|12")); // two blank lines, the table, one more
        QCOMPARE(tableRow(ModFenoverra::tabellaword, 4), secondYear);

        // Both types: the window now shows simple interest, the buttons what the user chose.
        QVERIFY(findControl<QAbstractButton>(w.get(), row("Option1", type))->isChecked());
        QCOMPARE(w->tipocalcolo(), type == 3 ? 1 : type);
        if (type == 3) QCOMPARE(text(*w, "capitales") + text(*w, "capitalec"), QString("1199,73"));
    }

    // One period gives 3 table rows, 200 give 202. The last period's rate is
    // moved to 5 first: results out of date are brought up to date, not
    // printed stale.
    void tableOfEveryPeriod_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("periods");
        QTest::addColumn<QString>("lastRow");
        QStringList months; // 01/01/10 at 1, 01/02/10 at 2 ... 01/08/26 at 2
        for (int k = 0; k < 200; ++k)
            months << QString("01/%1/%2=%3")
                          .arg(k % 12 + 1, 2, 10, QChar('0'))
                          .arg(k / 12 + 10)
                          .arg(1 + k % 9);
        // clang-format off
        QTest::newRow("one period") << "10512,5|31/12/01|x" << "01/01/01=3,5" << " 1|01/01/01|31/12/01|5,00|364|524,18|524,18|11.036,68";
        QTest::newRow("two hundred periods") << "1000|31/08/26|x" << months.join(' ') << " 200|01/08/26|31/08/26|5,00|31|4,25|830,36|1.830,36";
        // clang-format on
    }
    void tableOfEveryPeriod() {
        QFETCH(QString, fields);
        QFETCH(QString, periods);
        QFETCH(QString, lastRow);
        const int n = int(periods.count('='));
        auto w = newWindow();
        enter(*w, fields, periods);
        w->mostraPagina(std::max(1, n - 9));
        bar(*w, row("scrollatassi", std::min(n, 10)))->setValue(500);
        QVERIFY(!w->risultaticorrenti());
        print(*w);
        WordTable* table = ModFenoverra::tabellaword;
        QCOMPARE(table->Rows(), n + 2);
        QCOMPARE(tableRow(table, 1) + tableRow(table, 2),
                 QString("|dal|al|tasso|giorni|interessi|tot.interessi|capitale"
                         "n.|gg/mm/aa|gg/mm/aa|%|num.|euro|euro|euro"));
        QCOMPARE(tableRow(table, n + 2), lastRow);
    }

    // A failed check starts nothing; each print is a new document.
    void failedCheckThenTwoPrints() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|", kTwoYears);
        const QString guidance = text(*w, "passo");
        expectBox();
        print(*w);
        QVERIFY(box().startsWith("16|")); // the check's own message: tst_dati_check
        QVERIFY(!ModFenoverra::docword);
        QCOMPARE(text(*w, "passo"), guidance);

        type(*w, "riferimento", "Prestito");
        print(*w);
        const QPointer<WordDocument> first = ModFenoverra::docword;
        type(*w, "riferimento", "Mutuo");
        print(*w);
        QCOMPARE(WordApplication::createdCount(), 2);
        QVERIFY(first && first != ModFenoverra::docword);
        QCOMPARE(ModFenoverra::docword->description(), QString("calcolo-Mutuo"));
        QCOMPARE(ModFenoverra::tabellaword.data(), ModFenoverra::docword->Tables(1));
    }
};

QTEST_MAIN(TestDatiPrint)
#include "tst_dati_print.moc"

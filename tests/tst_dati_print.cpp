// SPDX-License-Identifier: GPL-3.0-or-later
// The print command of the Data window: the calculation report, as the word
// processor reads it, and as PDF.
#include "support/datisupport.h"
#include "support/odfcontent.h"

#include "platform/documentopener.h"
#include "platform/documentsfolder.h"

#include <QAction>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace DatiTest;

static const QString kTwoYears = "01/01/01=10 01/01/02=10";

class TestDatiPrint : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    static void run(Dati& w, const char* command) { w.findChild<QAction*>(command)->trigger(); }

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
        run(*w, "stampa");
        QCOMPARE(DocumentOpener::opened().size(), 1);
        const QString file = lastDocument();
        QCOMPARE(QFileInfo(file).fileName().section("-20", 0, 0) + "|" + text(*w, "passo"),
                 "Fenoverra-calcolo-" + fields.section('|', 2) + "|sto caricando WORD");
        QCOMPARE(OdfContent::outsideTables(file).join('\n'),
                 "FENOVERRA|18\n(calcolo di interessi semplici e composti)|16\n|16\n" + paragraphs +
                     "\n|12\n|12\n|12"); // two blank lines, the table, one more
        const QStringList rows = OdfContent::tableRows(file);
        QCOMPARE(rows.mid(0, 2).join('\n') + QString("\n%1\n").arg(rows.size()) + rows.last(),
                 QString("|dal|al|tasso|giorni|interessi|tot.interessi|capitale\n"
                         "n.|gg/mm/aa|gg/mm/aa|%|num.|euro|euro|euro\n%1\n%2")
                     .arg(n + 2)
                     .arg(lastRow));
        QCOMPARE(int(w->tipocalcolo()), type == 3 ? 1 : type);
    }

    // A failed check writes nothing; each print is a new document.
    void failedCheckThenTwoPrints() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|", kTwoYears);
        const QString guidance = text(*w, "passo");
        expectBox();
        run(*w, "stampa");
        QVERIFY(box().startsWith("16|")); // the check's own message: tst_dati_check
        QVERIFY(DocumentOpener::opened().isEmpty() && text(*w, "passo") == guidance);
        type(*w, "riferimento", "Prestito");
        run(*w, "stampa");
        type(*w, "riferimento", "Mutuo");
        run(*w, "stampa");
        const QStringList files = DocumentOpener::opened();
        QCOMPARE(files.size(), 2);
        QVERIFY(files[0].contains("Prestito") && files[1].contains("Mutuo"));
    }

    // When the document is not opened, or cannot be written, the message
    // says so and the guidance box shows again what it showed before.
    void guidanceBackWhenNotOpened_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing opens it") << "not opened"
                                          << "Nessun programma di videoscrittura";
        QTest::newRow("the handler fails") << "false"
                                           << "Nessun programma di videoscrittura";
        QTest::newRow("no documents folder") << "no folder"
                                             << "Impossibile creare la cartella dei documenti";
    }
    void guidanceBackWhenNotOpened() {
        QFETCH(QString, how);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (how == "not opened") {
            DocumentOpener::setNextResult(false);
        } else if (how == "no folder") {
            DocumentsFolder::setPathForTesting(tempFile(dir, "a-file", "x") + "/Fenoverra");
        } else {
            DocumentOpener::useDouble(false);
            DocumentOpener::setProgramForTesting(how);
        }
        auto w = newWindow();
        enter(*w, "1000|31/12/02|Prestito", kTwoYears);
        const QString guidance = text(*w, "passo");
        expectBox();
        run(*w, "stampa");
        QTRY_VERIFY(!boxes().isEmpty());
        QVERIFY2(box().contains(message), qPrintable(box()));
        QCOMPARE(text(*w, "passo"), guidance);
    }

    // The same report as PDF, beside the others; the guidance box stays.
    void pdf() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|Prestito", kTwoYears);
        chooseType(*w, 3);
        const QString guidance = text(*w, "passo");
        run(*w, "esportapdf");
        const QString file = lastDocument();
        QCOMPARE(QFileInfo(file).fileName().section("-20", 0, 0) + "|" + QFileInfo(file).suffix(),
                 "Fenoverra-calcolo-Prestito|pdf");
        QVERIFY(contentsOf(file).startsWith("%PDF-"));
        QCOMPARE(text(*w, "passo") + "|" + QString::number(int(w->tipocalcolo())), guidance + "|1");
    }
};

QTEST_MAIN(TestDatiPrint)
#include "tst_dati_print.moc"

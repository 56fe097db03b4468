// SPDX-License-Identifier: GPL-3.0-or-later
// The Data window's print commands: the calculation report as a word
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
using core::CalculationType;

Q_DECLARE_METATYPE(core::CalculationType)

namespace {

const Header kLoan{"1000", "31/12/02", "Prestito"};
const Periods kTwoYears = {{"01/01/01", "10"}, {"01/01/02", "10"}};
const QStringList kTitle = {"FENOVERRA", "(calcolo di interessi semplici e composti)", ""};
const QStringList kColumnHeadings = {"",          "dal",           "al",      "tasso", "giorni",
                                     "interessi", "tot.interessi", "capitale"};
const QStringList kUnitHeadings = {"n.",   "gg/mm/aa", "gg/mm/aa", "%",
                                   "num.", "euro",     "euro",     "euro"};

void run(Dati& w, const char* command) {
    w.findChild<QAction*>(command)->trigger();
}

} // namespace

class TestDatiPrint : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Both types print the simple-interest table and leave the window on it.
    // A rate moved last is printed up to date, not stale.
    void report_data() {
        QTest::addColumn<Header>("header");
        QTest::addColumn<Periods>("periods");
        QTest::addColumn<bool>("lastRateMovedTo5");
        QTest::addColumn<CalculationType>("type");
        QTest::addColumn<QStringList>("paragraphs"); // after the title, before the table
        QTest::addColumn<QStringList>("lastRow");
        const QString capital = "Capitale iniziale: 1.000,00";
        const QString reference = "Riferimenti del calcolo: Prestito";
        const QStringList simple = {" 2",  "01/01/02", "31/12/02", "10,00",
                                    "365", "100,00",   "199,73",   "1.199,73"};
        // clang-format off
        QTest::newRow("simple: currency first") << kLoan << kTwoYears << false << CalculationType::Simple << QStringList{capital, reference, "Somma finale a interessi semplici:  euro  1.199,73"} << simple;
        QTest::newRow("compound: currency first, no heading") << kLoan << kTwoYears << false << CalculationType::Compound << QStringList{capital, reference, "Somma finale a interessi composti:  euro  1.209,70"} << QStringList{" 2", "01/01/02", "31/12/02", "10,00", "365", "109,97", "209,70", "1.209,70"};
        QTest::newRow("both: three sums, then the simple-interest table") << kLoan << kTwoYears << false << CalculationType::Both << QStringList{capital, reference, "Somma finale a interessi semplici:   1.199,73  euro", "Somma finale a interessi composti:  1.209,70  euro", "Differenza tra i due tipi di calcolo:  9,97  euro", "", "Calcolo a interessi semplici"} << simple;
        QTest::newRow("one period") << Header{"10512,5", "31/12/01", "x"} << Periods{{"01/01/01", "3,5"}} << true << CalculationType::Simple << QStringList{"Capitale iniziale: 10.512,50", "Riferimenti del calcolo: x", "Somma finale a interessi semplici:  euro  11.036,68"} << QStringList{" 1", "01/01/01", "31/12/01", "5,00", "364", "524,18", "524,18", "11.036,68"};
        // clang-format on
    }
    void report() {
        QFETCH(Header, header);
        QFETCH(Periods, periods);
        QFETCH(bool, lastRateMovedTo5);
        QFETCH(CalculationType, type);
        QFETCH(QStringList, paragraphs);
        QFETCH(QStringList, lastRow);
        const int n = int(periods.size());
        auto w = newWindow();
        enter(*w, header, periods);
        chooseType(*w, type);
        if (lastRateMovedTo5) {
            bar(*w, row("scrollatassi", n))->setValue(500);
            QVERIFY(!w->risultaticorrenti());
        }
        run(*w, "stampa");
        QCOMPARE(DocumentOpener::opened().size(), 1);
        const QString file = lastDocument();
        QCOMPARE(QFileInfo(file).fileName().section("-20", 0, 0),
                 "Fenoverra-calcolo-" + header.reference);
        QCOMPARE(text(*w, "passo"), QString("sto caricando WORD"));
        // Two blank lines before the table, one after it.
        const QStringList blanks(3, QString());
        QCOMPARE(OdfContent::textsOutsideTables(file), kTitle + paragraphs + blanks);
        QCOMPARE(OdfContent::sizesOutsideTables(file),
                 (QList<double>{18, 16, 16} + QList<double>(paragraphs.size() + 3, 12)));
        const QList<QStringList> rows = OdfContent::tableCells(file);
        QCOMPARE(rows.size(), n + 2);
        QCOMPARE(rows[0], kColumnHeadings);
        QCOMPARE(rows[1], kUnitHeadings);
        QCOMPARE(rows.last(), lastRow);
        const bool both = type == CalculationType::Both;
        QCOMPARE(w->tipocalcolo(), both ? CalculationType::Simple : type);
    }

    // When the check fails, or the document is not opened or cannot be
    // written, a message says so and the guidance box shows again what it
    // showed before. (The double fails at once, a real handler later.)
    void guidanceBackWhenNotPrinted_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("written"); // documents
        // clang-format off
        QTest::newRow("check fails: no reference") << "no reference" << "Digitare il dato del 'riferimento del calcolo'." << 0;
        QTest::newRow("nothing opens it") << "not opened" << "Nessun programma di videoscrittura" << 1;
        QTest::newRow("the handler fails") << "false" << "Nessun programma di videoscrittura" << 1;
        QTest::newRow("no documents folder") << "no folder" << "Impossibile creare la cartella dei documenti" << 0;
        // clang-format on
    }
    void guidanceBackWhenNotPrinted() {
        QFETCH(QString, how);
        QFETCH(QString, message);
        QFETCH(int, written);
        QTemporaryDir dir;
        const QString folder = how == "no folder" ? tempFile(dir, "a-file", "x") + "/Fenoverra"
                                                  : dir.filePath("documenti");
        DocumentsFolder::setPathForTesting(folder);
        if (how == "not opened") {
            DocumentOpener::setNextResult(false);
        } else if (how == "false") {
            DocumentOpener::useDouble(false);
            DocumentOpener::setProgramForTesting(how);
        }
        auto w = newWindow();
        enter(*w, how == "no reference" ? Header{"1000", "31/12/02", ""} : kLoan, kTwoYears);
        const QString guidance = text(*w, "passo");
        expectBox();
        run(*w, "stampa");
        QTRY_VERIFY(!MessageBox::shown().isEmpty());
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(lastBox().prompt.contains(message), qPrintable(lastBox().prompt));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), written);
        QCOMPARE(text(*w, "passo"), guidance);
    }

    // The same report as PDF, beside the others; the guidance box stays.
    void pdf() {
        auto w = newWindow();
        enter(*w, kLoan, kTwoYears);
        chooseType(*w, CalculationType::Both);
        const QString guidance = text(*w, "passo");
        run(*w, "esportapdf");
        const QString file = lastDocument();
        QCOMPARE(QFileInfo(file).fileName().section("-20", 0, 0),
                 QString("Fenoverra-calcolo-Prestito"));
        QCOMPARE(QFileInfo(file).suffix(), QString("pdf"));
        QVERIFY(contentsOf(file).startsWith("%PDF-"));
        QCOMPARE(text(*w, "passo"), guidance);
        QCOMPARE(w->tipocalcolo(), CalculationType::Simple);
    }
};

QTEST_MAIN(TestDatiPrint)
#include "tst_dati_print.moc"

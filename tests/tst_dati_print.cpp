// The print command of the Data window: the calculation report.
#include "support/datisupport.h"
#include "support/testsupport.h"

#include "core/sharedcalculation.h"
#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QAbstractButton>
#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace DatiTest;

namespace {

const QString kTwoYears = "01/01/01=10 01/01/02=10";

// The paragraphs above the table as "text|size", all in Century Gothic.
QStringList textAboveTable(WordDocument* document) {
    QStringList paragraphs;
    for (QTextBlock b = document->textDocument()->begin(); b.isValid(); b = b.next()) {
        if (QTextCursor(b).currentTable()) break;
        const QTextCharFormat f =
            b.text().isEmpty() ? b.charFormat() : b.begin().fragment().charFormat();
        if (f.property(QTextFormat::FontFamily).toString() != "Century Gothic")
            paragraphs << "wrong font: " + f.property(QTextFormat::FontFamily).toString();
        paragraphs << b.text() + "|" + QString::number(f.fontPointSize());
    }
    return paragraphs;
}

QString tableRow(WordTable* table, int row) {
    QStringList cells;
    for (int column = 1; column <= table->Columns(); ++column)
        cells << table->cellText(row, column);
    return cells.join('|');
}

void print(Dati& w) {
    w.findChild<QAction*>("stampa")->trigger();
}

QString periodsFromMonths(int n) {
    QStringList periods;
    for (int k = 0; k < n; ++k)
        periods << QString("01/%1/%2=%3")
                       .arg(k % 12 + 1, 2, 10, QChar('0'))
                       .arg(k / 12 + 10, 2, 10, QChar('0'))
                       .arg(1 + k % 9);
    return periods.join(' ');
}

} // namespace

class TestDatiPrint : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Capital 1000, two years at 10 %: simple 1199,73, compound 1209,7.
    void finalSumsOfEachType_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("sums");   // the paragraphs after the reference
        QTest::addColumn<QString>("secondYear"); // table row of period 2
        const QString simple = " 2|01/01/02|31/12/02|10,00|365|100,00|199,73|1.199,73";
        QTest::newRow("simple: currency first")
            << 1
            << QStringList{"Somma finale a interessi semplici:  euro  1.199,73|12", "|12", "|12"}
            << simple;
        QTest::newRow("compound: currency first, no heading")
            << 2
            << QStringList{"Somma finale a interessi composti:  euro  1.209,70|12", "|12", "|12"}
            << " 2|01/01/02|31/12/02|10,00|365|109,97|209,70|1.209,70";
        QTest::newRow("both: three lines, then the simple-interest table")
            << 3
            << QStringList{"Somma finale a interessi semplici:   1.199,73  euro|12",
                           "Somma finale a interessi composti:  1.209,70  euro|12",
                           "Differenza tra i due tipi di calcolo:  9,97  euro|12",
                           "|12",
                           "Calcolo a interessi semplici|12",
                           "|12",
                           "|12"}
            << simple;
    }
    void finalSumsOfEachType() {
        QFETCH(int, type);
        QFETCH(QStringList, sums);
        QFETCH(QString, secondYear);
        auto w = newWindow();
        enter(*w, "1000|31/12/02|Prestito", kTwoYears);
        chooseType(*w, type);
        print(*w);

        QCOMPARE(WordApplication::shownDocuments().size(), 1);
        WordDocument* doc = ModFenoverra::docword;
        QCOMPARE(WordApplication::shownDocuments().first().data(), doc);
        QCOMPARE(doc->description(), QString("calcolo-Prestito"));
        QCOMPARE(textAboveTable(doc),
                 QStringList({"FENOVERRA|18", "(calcolo di interessi semplici e composti)|16",
                              "|16", "Capitale iniziale: 1.000,00|12",
                              "Riferimenti del calcolo: Prestito|12"}) +
                     sums);
        QCOMPARE(tableRow(ModFenoverra::tabellaword, 4), secondYear);
        QCOMPARE(text(*w, "passo"), QString("sto caricando WORD"));

        // Both types: the window now shows simple interest, the buttons what the user chose.
        QCOMPARE(w->tipocalcolo(), type == 3 ? 1 : type);
        QVERIFY(findControl<QAbstractButton>(w.get(), row("Option1", type))->isChecked());
        if (type == 3) {
            QCOMPARE(text(*w, "capitales") + "|" + text(*w, "capitalec") + "|" + text(*w, "differ"),
                     QString("1199,73||"));
            QVERIFY(w->risultaticorrenti());
        }
    }

    void tableOfEveryPeriod_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("periods");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastRow");
        QTest::newRow("one period")
            << "10512,5|31/12/01|x"
            << "01/01/01=3,5" << 3 << " 1|01/01/01|31/12/01|3,50|364|366,93|366,93|10.879,43";
        QTest::newRow("two hundred periods")
            << "1000|31/08/26|x" << periodsFromMonths(200) << 202
            << " 200|01/08/26|31/08/26|2,00|31|1,70|827,81|1.827,81";
    }
    void tableOfEveryPeriod() {
        QFETCH(QString, fields);
        QFETCH(QString, periods);
        QFETCH(int, rows);
        QFETCH(QString, lastRow);
        auto w = newWindow();
        enter(*w, fields, periods);
        print(*w);
        WordTable* table = ModFenoverra::tabellaword;
        QVERIFY(table && table == ModFenoverra::docword->Tables(1));
        QCOMPARE(table->Rows(), rows);
        QCOMPARE(table->Columns(), 8);
        QCOMPARE(tableRow(table, 1),
                 QString("|dal|al|tasso|giorni|interessi|tot.interessi|capitale"));
        QCOMPARE(tableRow(table, 2), QString("n.|gg/mm/aa|gg/mm/aa|%|num.|euro|euro|euro"));
        QCOMPARE(tableRow(table, rows), lastRow);
        QCOMPARE(table->autoFormat(), 9);
        // Font 10 throughout; numbers to the right from the rate on.
        for (int column = 1; column <= 8; ++column) {
            const QTextTableCell cell = table->textTable()->cellAt(rows - 1, column - 1);
            QCOMPARE(cell.firstCursorPosition().charFormat().fontPointSize(), 10.0);
            QCOMPARE(bool(cell.firstCursorPosition().blockFormat().alignment() & Qt::AlignRight),
                     column >= 4);
        }
    }

    void failedCheckStartsNothing() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|", kTwoYears);
        const QString guidance = text(*w, "passo");
        expectBox();
        print(*w);
        QCOMPARE(boxes(), QStringList("16|Fenoverra: controllo dati immessi nella finestra "
                                      "attiva|Digitare il dato del 'riferimento del calcolo'."));
        QCOMPARE(WordApplication::createdCount(), 0);
        QVERIFY(!ModFenoverra::docword);
        QCOMPARE(text(*w, "passo"), guidance);
    }

    void eachPrintIsANewDocument() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|Prestito", kTwoYears);
        print(*w);
        const QPointer<WordDocument> first = ModFenoverra::docword;
        type(*w, "riferimento", "Mutuo");
        print(*w);
        QCOMPARE(WordApplication::createdCount(), 2);
        QVERIFY(first && first != ModFenoverra::docword);
        QCOMPARE(ModFenoverra::appword.data(), ModFenoverra::docword->Application());
        QCOMPARE(ModFenoverra::appword->DocumentsCount(), 1);
        QCOMPARE(ModFenoverra::tabellaword.data(), ModFenoverra::docword->Tables(1));
        QCOMPARE(ModFenoverra::docword->description(), QString("calcolo-Mutuo"));
    }

    // Results left out of date by a moved rate are brought up to date, not printed stale.
    void staleResultsAreRecomputedFirst() {
        auto w = newWindow();
        enter(*w, "1000|31/12/02|x", kTwoYears);
        w->mostraPagina(1);
        bar(*w, row("scrollatassi", 2))->setValue(500);
        QVERIFY(!w->risultaticorrenti());
        print(*w);
        QCOMPARE(tableRow(ModFenoverra::tabellaword, 4),
                 QString(" 2|01/01/02|31/12/02|5,00|365|50,00|149,73|1.149,73"));
    }

    // Without a word processor the user learns where the document is; the
    // window keeps its calculation.
    void withoutWordProcessorTheFileIsNamed() {
        WordApplication::useDouble(false);
        DocumentOpener::setNextResult(false);
        auto w = newWindow();
        enter(*w, "1000|31/12/02|Prestito", kTwoYears);
        const fileformat::DataFileContent before = w->contenuto();
        const QString sums = text(*w, "capitales");
        expectBox();
        print(*w);
        QCoreApplication::processEvents(); // the document is shown once the command ends
        QCOMPARE(DocumentOpener::opened().size(), 1);
        const QString file = DocumentOpener::opened().first();
        QVERIFY2(QFileInfo(file).fileName().startsWith("Fenoverra-calcolo-Prestito-"),
                 qPrintable(file));
        QVERIFY(QFileInfo(file).size() > 0);
        QCOMPARE(boxes().size(), 1);
        QVERIFY(boxes().first().contains("Il documento è stato scritto nel file:\r" +
                                         QDir::toNativeSeparators(file)));
        QCOMPARE(w->contenuto().periods.size(), before.periods.size());
        QCOMPARE(w->contenuto().reference, before.reference);
        QCOMPARE(text(*w, "capitales"), sums);
        QFile::remove(file);
    }
};

QTEST_MAIN(TestDatiPrint)
#include "tst_dati_print.moc"

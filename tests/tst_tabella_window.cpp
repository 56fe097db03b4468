// The rate-table window driven as a user drives it: presets, lines, bars,
// insertion, deletion, check and clear.
#include "support/tabellasupport.h"
#include "support/testsupport.h"

#include "core/date.h"
#include "datawindow/dati.h"
#include "files/ratetablefileio.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"
#include "ratetable/presets.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QAction>
#include <QProgressBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace TabellaTest;

namespace {

const QString kLegalShown = "21/04/42=5 16/12/90=10 01/01/97=5 01/01/99=2,5 01/01/01=3,5 "
                            "01/01/02=3 01/01/04=2,5 01/01/08=3 01/01/10=1";

QString tip(QWidget& w, const QString& name) {
    return findControl<QWidget>(&w, name)->toolTip();
}

// The captions of a column over the 15 lines, trailing empties dropped.
QString column(Tabella& w, const char* name) {
    QStringList cells;
    for (int i = 1; i <= Tabella::kLines; ++i)
        cells << text(w, line(name, i));
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(' ');
}

} // namespace

class TestTabellaWindow : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeWindows();
        fixture.reset();
    }

    // The first opening in a run shows the legal rates, the rows shown
    // rewritten into the bars' forms.
    void firstOpeningShowsTheLegalRates() {
        Tabella& w = open();
        QCOMPARE(w.windowTitle(), QString("Fenoverra: tabella dei tassi"));
        QCOMPARE(Twips::clientSize(&w), QSize(9600, 6825));
        QCOMPARE(w.titolo(), QString("Tabella dei tassi legali (art.1284 Codice Civile)"));
        QCOMPARE(Presets::sceltatab, Presets::kTassiLegali);
        QCOMPARE(w.tabella().righetab, 9);
        QCOMPARE(rows(w, 1, 10), kLegalShown + " =");
        QCOMPARE(column(w, "num"), QString("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15"));
        QCOMPARE(column(w, "al"), QString("15/12/90 31/12/96 31/12/98 31/12/00 31/12/01 31/12/03 "
                                          "31/12/07 31/12/09"));
        QCOMPARE(text(w, "passo"),
                 QString("Prelevare i dati dall'archivio o scegliere una tabella preimpostata "
                         "tramite i pulsanti posti sulla destra, oppure digitare nuovi dati."));
        QCOMPARE(tip(w, "num(5)"), QString("cliccare per inserire una riga al n. 5"));
        QCOMPARE(tip(w, "delriga(5)"), QString("cliccare per eliminare la riga n. 5"));
        QCOMPARE(tip(w, "copias(5)"),
                 QString("cliccare per copiare in Dati tutti i tassi e le date dalla riga n. 5 in "
                         "poi"));
        QCOMPARE(bar(w, "hscroll1(2)")->value(), 1000);
        QCOMPARE(bar(w, "VScroll1")->maximum(), 186);
        QVERIFY(findControl<QProgressBar>(&w, "ProgressBar1")->isHidden());
    }

    // "&TUS" gives the discount table with its two-line title; the rows
    // never shown keep their texts as listed.
    void discountPreset() {
        Tabella& w = open();
        w.resize(w.width() * 3 / 2, w.height() * 3 / 2);
        click(w, "ricaric(2)");
        QCOMPARE(Twips::clientSize(&w), QSize(9600, 6825));
        QCOMPARE(Presets::sceltatab, Presets::kTassiSconto);
        QCOMPARE(w.titolo(), QString("Tabella dei tassi ufficiali di sconto della Banca "
                                     "d'Italia\r(Dal 2004 il TUS è sostituito dal tasso di "
                                     "riferimento della BCE)"));
        QCOMPARE(text(w, "appunti").split('\n').size(), 2);
        QCOMPARE(w.tabella().righetab, 98);
        QCOMPARE(text(w, "al(1)"), QString("06/06/58"));
        QCOMPARE(rows(w, 1, 2), QString("01/01/58=4 07/06/58=3,5"));
        QCOMPARE(rows(w, 16, 16) + " " + rows(w, 98, 99),
                 QString("04/10/76=15,00 13/05/09=1,00 ="));
    }

    // The preset chosen last comes back when the window is opened again.
    void presetChoiceOutlivesTheWindow() {
        click(open(), "ricaric(2)");
        fill(open(), "01/01/20=7");
        WindowRegistry::unload(&open());
        closeWindows();
        Tabella& again = open();
        QCOMPARE(again.tabella().righetab, 98);
        QCOMPARE(rows(again, 1, 1), QString("01/01/58=4"));
    }

    // A long table, then the legal rates: nothing of it remains.
    void legalPresetAfterALongTable() {
        Tabella& w = open();
        const QTemporaryDir dir;
        const QString file = dir.filePath("Fenoverra-tab-lunga");
        QVERIFY(RateTableFileIO::write(file, fileformat::RateTableRows(150, {"01/01/01", "1"}))
                    .isEmpty());
        CommonDialog::setNextFileName(file);
        w.apri();
        QCOMPARE(w.tabella().righetab, 150);
        click(w, "ricaric(1)");
        QCOMPARE(w.tabella().righetab, 9);
        QCOMPARE(w.tabella().ultimaRiga(), 9);
    }

    void lastPageShowsRow200() {
        Tabella& w = open();
        bar(w, "VScroll1")->setValue(186);
        QCOMPARE(w.tabella().primariga, 186);
        QCOMPARE(text(w, "num(15)") + "|" + text(w, "al(15)"), QString("200|"));
        QCOMPARE(tip(w, "copias(15)"),
                 QString("cliccare per copiare in Dati tutti i tassi e le date dalla riga n. 200 "
                         "in poi"));
    }

    // Clicks on a row number or a cross; the table afterwards.
    void insertAndDelete_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("righetab");
        const QString five = "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5";
        QTest::newRow("insert at row 3")
            << five << "num(3)"
            << "01/01/01=1 01/01/02=2 01/01/03=3 01/01/03=3 01/01/04=4 01/01/05=5 =" << 6;
        QTest::newRow("insert below the last row") << five << "num(8)" << five + " = =" << 5;
        QTest::newRow("delete the last row")
            << five << "delriga(5)"
            << "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 = = =" << 4;
        QTest::newRow("delete the only row") << "01/01/01=1"
                                             << "delriga(1)"
                                             << "= = = = = = =" << 0;
        QTest::newRow("cross of a row without a rate") << "01/01/01=1 01/01/02="
                                                       << "delriga(2)"
                                                       << "01/01/01=1 01/01/02= = = = = =" << 1;
        // A row built below an empty one is kept where it is.
        QTest::newRow("insert keeps a row after a gap")
            << "01/01/01=1 01/01/02=2 = 01/01/04=4"
            << "num(1)"
            << "01/01/01=1 01/01/01=1 01/01/02=2 = 01/01/04=4 = =" << 4;
        QTest::newRow("delete closes up a row after a gap")
            << "01/01/01=1 01/01/02=2 = 01/01/04=4"
            << "delriga(1)"
            << "01/01/02=2 = 01/01/04=4 = = = =" << 2;
    }
    void insertAndDelete() {
        QFETCH(QString, table);
        QFETCH(QString, control);
        QFETCH(QString, after);
        QFETCH(int, righetab);
        Tabella& w = open();
        fill(w, table);
        click(w, control);
        QCOMPARE(rows(w, 1, 7), after);
        QCOMPARE(w.tabella().righetab, righetab);
    }

    void insertRefusedWhenRow200IsTaken() {
        Tabella& w = open();
        w.tabella().datetab(200) = "01/01/20";
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        click(w, "num(1)");
        QCOMPARE(boxes(), QStringList("64|" + ModFenoverra::titolocontrollo +
                                      "|Siamo già a 200 periodi: non è possibile aggiungerne "
                                      "degli altri."));
        QCOMPARE(w.tabella().righetab, 9);
    }

    void check_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("box");
        QTest::newRow("complete") << kLegalShown << "64|I dati sono stati immessi correttamente";
        QTest::newRow("lowest faulty row only") << "01/01/01=1 =2 01/01/03=3 01/01/04="
                                                << "48|Digitare il periodo di partenza del "
                                                   "tasso n. 2";
        QTest::newRow("date without rate")
            << "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5 01/01/06=6 01/01/07="
            << "48|Digitare il tasso del periodo n. 7";
    }
    void check() {
        QFETCH(QString, table);
        QFETCH(QString, box);
        Tabella& w = open();
        fill(w, table);
        const QString before = rows(w, 1, 8);
        MessageBox::clearShown();
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        w.findChild<QAction*>("controlla")->trigger();
        QCOMPARE(boxes(), QStringList(box.section('|', 0, 0) + "|" + ModFenoverra::titolocontrollo +
                                      "|" + box.section('|', 1)));
        QCOMPARE(rows(w, 1, 8), before);
    }

    // What a line's bars make of a row's texts when the line shows it:
    // a text the bar holds is rewritten into the bar's form, any other is
    // shown unchanged. Row 2 is shown on a line whose bars stand elsewhere.
    void positioningRewritesOnlyWhatTheBarsHold_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two decimals") << "16/12/90=13,75"
                                      << "16/12/90=13,75";
        QTest::newRow("trailing zeros") << "16/12/90=5,00"
                                        << "16/12/90=5";
        QTest::newRow("one-digit day") << "7/06/58=3,50"
                                       << "07/06/58=3,5";
        QTest::newRow("rate 0,00") << "16/12/90=0,00"
                                   << "16/12/90=0,00";
        QTest::newRow("more decimals than the bar") << "16/12/90=2,555"
                                                    << "16/12/90=2,555";
        QTest::newRow("rate not a number") << "16/12/90=circa"
                                           << "16/12/90=circa";
        QTest::newRow("date after today") << "01/01/29=3"
                                          << "01/01/29=3";
        QTest::newRow("four-digit year") << "16/12/1991=3"
                                         << "16/12/91=3";
        // The line's bar already stands on that day: no move, no rewrite.
        QTest::newRow("bar already there") << "16/12/1990=3"
                                           << "16/12/1990=3";
        QTest::newRow("not a date") << "dicembre=3"
                                    << "dicembre=3";
    }
    void positioningRewritesOnlyWhatTheBarsHold() {
        QFETCH(QString, row);
        QFETCH(QString, shown);
        Tabella& w = open();
        fill(w, "21/04/42=5,00 " + row);
        QCOMPARE(rows(w, 2, 2), shown);
        QCOMPARE(text(w, "period(2)") + "=" + text(w, "tassuf(2)"), shown);
    }

    // A new table is built with the bars of an empty line; a row counts as
    // soon as its rate is set.
    void buildingARowWithTheBars() {
        Tabella& w = open();
        w.cancella();
        QCOMPARE(w.titolo(), QString("Tabella dei tassi legali (art.1284 Codice Civile)"));
        QCOMPARE(rows(w, 1, 9), QString("= = = = = = = = ="));
        bar(w, "dscroll(1)")->setValue(core::difference(core::Date{2025, 1, 1}, kTestToday));
        QCOMPARE(w.tabella().righetab, 0);
        bar(w, "hscroll1(1)")->setValue(215);
        QCOMPARE(rows(w, 1, 1) + " " + text(w, "tassuf(1)"), QString("01/01/25=2,15 2,15"));
        QCOMPARE(w.tabella().righetab, 1);
        bar(w, "dscroll(2)")->setValue(0); // today
        QCOMPARE(text(w, "al(1)"), QString("07/12/26"));
        QTest::mouseClick(bar(w, "dscroll(2)"), Qt::LeftButton, {},
                          QPoint(bar(w, "dscroll(2)")->width() - 4, 4)); // right arrow
        QCOMPARE(rows(w, 2, 2), QString("08/12/26="));
    }

    void rowNumberHighlight() {
        Tabella& w = open();
        auto background = [&](int i) {
            return findControl<QWidget>(&w, line("num", i))->palette().color(QPalette::Window);
        };
        QTest::mouseMove(findControl<QWidget>(&w, "num(4)"));
        QCOMPARE(background(4), QColor(255, 255, 0));
        QCOMPARE(background(3), QColor(0, 255, 255));
        QTest::mouseMove(&w, QPoint(w.width() - 5, w.height() - 5));
        QCOMPARE(background(4), QColor(0, 255, 255));
    }

    // The Data window's "&Tabella tassi" opens the window, or brings the open one forward.
    void dataWindowOpensIt() {
        Tabella& first = open();
        WindowRegistry::unload(&first);
        closeWindows();
        auto* d = qobject_cast<Dati*>(WindowRegistry::show("dati"));
        QCOMPARE(tip(*d, "disconto"),
                 QString("cliccare per visualizzare la finestra Tabella tassi"));
        click(*d, "disconto");
        QWidget* tabella = WindowRegistry::loaded("tabella");
        QVERIFY(tabella && tabella->isVisible());
        click(*d, "disconto");
        QCOMPARE(WindowRegistry::loaded("tabella"), tabella);
    }

    // The buttons along the bottom lead to the Data window, the help contents and the exit.
    void bottomButtons() {
        Tabella& w = open();
        int exits = 0;
        ModFenoverra::setExitHandler([&] { ++exits; });
        click(w, "cmdesci");
        QCOMPARE(exits, 1);
        click(w, "indietro");
        QVERIFY(WindowRegistry::loaded("dati") && WindowRegistry::loaded("dati")->isVisible());
        click(w, "guidainlinea");
        QVERIFY(WindowRegistry::loaded("sommario"));
        delete WindowRegistry::loaded("sommario");
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        click(w, "aiuto");
        QCOMPARE(boxes().size(), 1);
        QVERIFY(boxes()[0].startsWith("64|" + ModFenoverra::titoloaiuto +
                                      "|- Visualizzare una tabella di dati"));
        QCOMPARE(boxes()[0].count('\r'), 4);
    }

    // Printing scrolls rows 11.. through the lines first (never past 186),
    // so the rows reach the paper in the window's forms.
    void printScrollsThenTypes_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("scrolledTo");
        QTest::newRow("empty") << 0 << 1;
        QTest::newRow("ten rows: no scrolling") << 10 << 1;
        QTest::newRow("two hundred rows") << 200 << 186;
    }
    void printScrollsThenTypes() {
        QFETCH(int, rows);
        QFETCH(int, scrolledTo);
        Tabella& w = open();
        QStringList table;
        for (int r = 1; r <= rows; ++r)
            table << QString::fromStdString(core::dateText(core::addDays({1960, 1, 1}, 90 * r))) +
                         (r % 2 ? "=5,00" : "=4,50");
        fill(w, table.join(' '));
        w.findChild<QAction*>("stampa")->trigger();
        QCOMPARE(bar(w, "VScroll1")->value(), scrolledTo);
        QCOMPARE(text(w, "passo"), QString("sto caricando WORD"));
        QCOMPARE(ModFenoverra::tabellaword->Rows(), rows + 2);
        if (rows == 200) {
            QCOMPARE(w.tabella().tassitab(200), QString("4,5")); // shown, so rewritten
            QCOMPARE(ModFenoverra::tabellaword->cellText(202, 4), QString("4,50"));
            QCOMPARE(ModFenoverra::tabellaword->cellText(202, 3), QString());
        }
    }

    // FENOVERRA_TABELLA_GRAB=file.png: a picture of the window with the discount table.
    void picture() {
        const QString path = qEnvironmentVariable("FENOVERRA_TABELLA_GRAB");
        if (path.isEmpty()) QSKIP("set FENOVERRA_TABELLA_GRAB to write the picture");
        Tabella& w = open();
        click(w, "ricaric(2)");
        bar(w, "VScroll1")->setValue(84);
        QVERIFY(w.grab().save(path));
    }
};

QTEST_MAIN(TestTabellaWindow)
#include "tst_tabella_window.moc"

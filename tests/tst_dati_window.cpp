// The Data window driven as a user drives it: captions, bars, rows, results.
#include "support/datisupport.h"
#include "support/testsupport.h"

#include "core/sharedcalculation.h"
#include "platform/captionlabel.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QComboBox>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace DatiTest;

namespace {

// n periods 30 days apart, the first 20000 days before today.
Periods monthly(int n) {
    Periods p;
    for (int k = 1; k <= n; ++k)
        p.append({dateBefore(20000 - k * 30), "3"});
    return p;
}

// The worked examples: from 01/01/01 at 10%, from 01/01/02 at 10%, from
// 01/07/02 at 5%, entered with the bars; then the final date and the
// capital typed key by key.
void enterExample(Dati& w, int periods, const QString& finalDate, const QString& capital) {
    const char* starts[] = {"01/01/01", "01/01/02", "01/07/02"};
    const int rates[] = {1000, 1000, 500};
    for (int k = 0; k < periods; ++k)
        enterPeriod(w, k + 1, starts[k], rates[k]);
    type(w, "datfin", finalDate);
    type(w, "capiniz", capital);
}

QString toolTip(Dati& w, const QString& name) {
    return findControl<QWidget>(&w, name)->toolTip();
}

} // namespace

class TestDatiWindow : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    void startUp() {
        auto w = newWindow();
        QCOMPARE(w->windowTitle(), QString("Fenoverra: dati per il calcolo"));
        QCOMPARE(text(*w, "passo"), QString("Scegliere la valuta e digitare il capitale iniziale o "
                                            "aprire un file con i dati archiviati."));
        QCOMPARE(text(*w, "datfin"), QString("08/12/26"));
        auto* moneta = findControl<QComboBox>(w.get(), "moneta");
        QCOMPARE(moneta->count(), 7);
        QCOMPARE(moneta->currentText() + text(*w, "eur(3)"), QString("euroeuro"));
        moneta->setCurrentText("dollari"); // the currency names the money columns
        QCOMPARE(text(*w, "eur(1)") + text(*w, "eur(2)") + text(*w, "eur(3)"),
                 QString("dollaridollaridollari"));
        QCOMPARE(w->tipocalcolo(), 1);
        QVERIFY(findControl<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
        QCOMPARE(column(*w, "num"), QString("1 2 3 4 5 6 7 8 9 10"));
        QCOMPARE(toolTip(*w, "num(2)"), QString("cliccare per inserire una riga al n. 2"));
        QCOMPARE(toolTip(*w, "data1(2)"), QString("cliccare per andare indietro di 365 giorni"));
    }

    // The exit button leads to the program's exit command.
    void exitButtonRunsTheExit() {
        auto w = newWindow();
        int exits = 0;
        ModFenoverra::setExitHandler([&] { ++exits; });
        click(*w, "esco");
        ModFenoverra::setExitHandler({});
        QCOMPARE(exits, 1);
    }

    // Arrows and track move every bar towards the side clicked, within its
    // bounds; the date bars have the oldest date at the left.
    void barsStepTowardsTheSideClicked_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("gives"); // left, right arrow; left, right track
        // clang-format off
        QTest::newRow("start date") << "hscroll1(1)" << 16000 << QList<int>{16001, 15999, 16030, 15970};
        QTest::newRow("final date yesterday") << "scrollafinale" << 1 << QList<int>{2, 1, 31, 1};
        QTest::newRow("rate lowest") << "scrollatassi(3)" << 1 << QList<int>{1, 2, 1, 101};
        QTest::newRow("rate highest") << "scrollatassi(3)" << 10000 << QList<int>{9999, 10000, 9900, 10000};
        // clang-format on
    }

    void barsStepTowardsTheSideClicked() {
        QFETCH(QString, name);
        QFETCH(int, start);
        QFETCH(QList<int>, gives);
        auto w = newWindow();
        w->show();
        QScrollBar* b = bar(*w, name);
        const int h = b->height(), x[] = {3, b->width() - 4, h + 2, b->width() - h - 3};
        for (int i = 0; i < 4; ++i) {
            b->setValue(start);
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(x[i], h / 2));
            QCOMPARE(b->value(), gives[i]);
        }
    }

    void enteringAPeriodWithTheTwoBars() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        bar(*w, "hscroll1(1)")->setValue(daysBefore("01/01/01"));
        QCOMPARE(text(*w, "data1(1)"), QString("01/01/01"));
        QCOMPARE(text(*w, "passo"), QString("Cliccare sul tasto 'calcola' per aggiornare i "
                                            "risultati se sono stati modificate le date."));
        QVERIFY(!w->risultaticorrenti());
        QCOMPARE(core::periodi().numperiodi, 0); // not yet: it has no rate
        bar(*w, "scrollatassi(1)")->setValue(1000);
        QCOMPARE(text(*w, "tas(1)"), QString("10"));
        QCOMPARE(core::periodi().numperiodi, 1);
        QCOMPARE(text(*w, "passo"), QString("Cliccare sul tasto 'calcola' per aggiornare i "
                                            "risultati se sono stati modificati i tassi."));
    }

    // The guidance follows the typing. Each row leaves one thing out; the
    // reference is a blank, which counts as given.
    void guidance_data() {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("capital") << "capiniz" << "Scegliere la valuta e digitare il capitale iniziale o aprire un file con i dati archiviati.";
        QTest::newRow("final date") << "datfin" << "Digitare la data finale del calcolo o aprire un file archiviato.";
        QTest::newRow("reference") << "riferimento" << "Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("period") << "period" << " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
        QTest::newRow("nothing") << "" << "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro calcolo).";
        // clang-format on
    }

    void guidance() {
        QFETCH(QString, missing);
        QFETCH(QString, expected);
        auto w = newWindow();
        if (missing != "period") fillPeriods(*w, {{"01/01/01", "10"}});
        type(*w, "capiniz", missing == "capiniz" ? "" : "1000");
        type(*w, "datfin", missing == "datfin" ? "" : "31/12/01");
        type(*w, "riferimento", missing == "riferimento" ? "" : " ");
        QCOMPARE(text(*w, "passo"), expected);
    }

    void verticalBarShowsLaterPeriods_data() {
        QTest::addColumn<int>("first"); // the bar's position
        QTest::newRow("5") << 5;
        QTest::newRow("191") << 191;
    }

    void verticalBarShowsLaterPeriods() {
        QFETCH(int, first);
        auto w = newWindow();
        fillPeriods(*w, monthly(200));
        bar(*w, "VScroll1")->setValue(first);
        QCOMPARE(text(*w, "num(10)"), QString::number(first + 9));
        QCOMPARE(toolTip(*w, "delriga(1)"),
                 "cliccare per eliminare la riga n. " + QString::number(first));
        QCOMPARE(text(*w, "data1(1)"), dateBefore(20000 - first * 30));
        QCOMPARE(text(*w, "al(1)"), dateBefore(20000 - (first + 1) * 30 + 1));
        QCOMPARE(bar(*w, "hscroll1(1)")->value(), 20000 - first * 30);
    }

    void clickingTheStartDateGoesBack365Days() {
        auto w = newWindow();
        fillPeriods(*w, {{dateBefore(2000), "5"}});
        click(*w, "data1(1)");
        click(*w, "data1(1)");
        QCOMPARE(text(*w, "data1(1)"), dateBefore(2730));
        QCOMPARE(core::periodi().slot(1).start, dateBefore(2730).toStdString());
        QCOMPARE(bar(*w, "hscroll1(1)")->value(), 2730);
        QVERIFY(!w->risultaticorrenti());
    }

    // Period k starts on 01/01/0k at rate k. A row without rate or beyond
    // the last period: the engine's tests.
    void insertAndDelete() {
        auto w = newWindow();
        fillPeriods(*w, periodsOf("01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5"));
        const auto rows = [&] { // years|rates|periods
            return column(*w, "data1").remove("01/01/0") + "|" + column(*w, "tas") + "|" +
                   QString::number(core::periodi().numperiodi);
        };
        click(*w, "num(3)"); // doubles period 3
        QCOMPARE(rows(), QString("1 2 3 3 4 5|1 2 3 3 4 5|6"));
        click(*w, "delriga(2)");
        QCOMPARE(rows(), QString("1 3 3 4 5|1 3 3 4 5|5"));
    }

    // Only 200 periods fill the list: a period entered far down, in slot
    // 200, leaves room for the ones before it to grow.
    void insertRefusedOnlyAt200Periods_data() {
        QTest::addColumn<int>("periods");
        QTest::addColumn<int>("after");
        QTest::newRow("200 periods") << 200 << 200;
        QTest::newRow("5 periods and one in slot 200") << 5 << 7;
    }

    void insertRefusedOnlyAt200Periods() {
        QFETCH(int, periods);
        QFETCH(int, after);
        auto w = newWindow();
        fillPeriods(*w, monthly(periods));
        const QString last = dateBefore(20000 - 200 * 30);
        if (periods < core::kMaxPeriods) {
            bar(*w, "VScroll1")->setValue(191);
            enterPeriod(*w, 10, last, 700);
            bar(*w, "VScroll1")->setValue(1);
        }
        if (after == periods) expectBox();
        click(*w, "num(2)");
        QCOMPARE(core::periodi().numperiodi, after);
        QCOMPARE(core::periodi().slot(200).start, last.toStdString());
        if (after == periods)
            QCOMPARE(boxes(), QStringList("64|" + ModFenoverra::titolocontrollo +
                                          "|Siamo già a 200 "
                                          "periodi: non è possibile aggiungerne degli altri."));
        else
            QCOMPARE(column(*w, "tas"), QString("3 3 3 3 3 3"));
    }

    // A start date without a rate, entered far down, is no period: the year
    // split has room for the two 1 January periods it needs.
    void loneStartDateInSlot200DoesNotBlockTheSplit() {
        auto w = newWindow();
        enterPeriod(*w, 1, "15/06/00", 1000);
        enterPeriod(*w, 2, "15/03/02", 500);
        type(*w, "datfin", "31/12/02");
        type(*w, "capiniz", "1000");
        bar(*w, "VScroll1")->setValue(191);
        bar(*w, "hscroll1(10)")->setValue(daysBefore("01/01/20"));
        chooseType(*w, 2);
        QCOMPARE(core::periodi().numperiodi, 4);
        QCOMPARE(text(*w, "capitalec"), QString("1223,17"));
        QCOMPARE(core::periodi().slot(200).start, std::string("01/01/20"));
    }

    // After a delete, a start date still waiting for its rate moves up beside
    // no days and no results of the period that was there.
    void deleteLeavesNoResultsBesideALoneStartDate() {
        auto w = newWindow();
        enterExample(*w, 3, "31/12/02", "1000");
        chooseType(*w, 1);
        bar(*w, "VScroll1")->setValue(1);
        bar(*w, "hscroll1(4)")->setValue(daysBefore("01/01/03"));
        click(*w, "delriga(2)");
        QCOMPARE(text(*w, "data1(3)") + "|" + text(*w, "tas(3)"), QString("01/01/03|"));
        for (const char* name : {"giorn", "interes", "totint", "capital"})
            QCOMPARE(text(*w, row(name, 3)), QString());
        QCOMPARE(column(*w, "giorn"), QString("545 184"));
    }

    // Texts a bar cannot stand for arrive from files and tables: the row shows
    // them as they are and never rewrites them. Exact ones take the bar's form.
    void periodTextsFromOutside_data() {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("shown"); // start and rate, in the list and in the row
        // clang-format off
        QTest::newRow("date too old, rate zero") << "01/01/1850=0,00" << "01/01/1850 0,00";
        QTest::newRow("date after today, rate finer than the bar") << "01/01/29=2,555" << "01/01/29 2,555";
        QTest::newRow("not a date, not a number") << "31/02/10=tre" << "31/02/10 tre";
        QTest::newRow("exact") << "1/1/2010=4,00" << "01/01/10 4";
        // clang-format on
    }

    void periodTextsFromOutside() {
        QFETCH(QString, period);
        QFETCH(QString, shown);
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        fillPeriods(*w, periodsOf("01/01/05=4 " + period));
        // Show the period in other rows too, so each bar is moved onto it.
        for (int v : {2, 1})
            bar(*w, "VScroll1")->setValue(v);
        click(*w, "calcolare");
        chooseType(*w, 1);
        for (int v : {2, 1})
            bar(*w, "VScroll1")->setValue(v);
        QCOMPARE(QString::fromStdString(core::periodi().slot(2).start + " " +
                                        core::periodi().slot(2).rate),
                 shown);
        QCOMPARE(text(*w, "data1(2)") + " " + text(*w, "tas(2)"), shown);
    }

    // 160 periods, two a year from 1940: splitting at every 1 January would
    // need 239 periods. The user is told, the list stays as it was, and the
    // view ends on the last ten periods.
    void yearSplitBeyond200PeriodsIsRefused() {
        auto w = newWindow();
        Periods periods;
        for (int year = 40; year < 120; ++year)
            for (const char* month : {"03", "09"})
                periods.append(
                    {QString("01/%1/%2").arg(month).arg(year % 100, 2, 10, QChar('0')), "3"});
        fillPeriods(*w, periods);
        type(*w, "capiniz", "1000");
        MessageBox::clearShown();
        expectBox();
        chooseType(*w, 2);
        QCOMPARE(core::periodi().numperiodi, 160);
        QVERIFY2(box().startsWith("48|" + ModFenoverra::titolocontrollo + "|") &&
                     box().contains(" 239 ") && box().contains("non sarà corretto"),
                 qPrintable(box()));
        QVERIFY(w->risultaticorrenti());
        QCOMPARE(text(*w, "num(1)"), QString("151"));
        QVERIFY(!text(*w, "capital(10)").isEmpty());
        QVERIFY(findControl<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
    }

    // The worked examples, entered as a user enters them; type 0 chooses none,
    // so the capital typed last computes on its own.
    void workedExamples_data() {
        QTest::addColumn<int>("periods");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("sums"); // capitales|capitalec|differ
        // clang-format off
        QTest::newRow("one year") << 1 << "1000" << 1 << "1099,73||";
        QTest::newRow("capital typed") << 1 << "2000" << 0 << "2199,45||";
        QTest::newRow("capital not a number") << 1 << "mille" << 3 << "||";
        QTest::newRow("two years simple") << 2 << "1000" << 1 << "1199,73||";
        QTest::newRow("two years compound") << 2 << "1000" << 2 << "|1209,7|";
        QTest::newRow("two years both") << 2 << "1000" << 3 << "1199,73|1209,7|9,97";
        QTest::newRow("mid-year period not compounded") << 3 << "1000" << 2 << "|1179,47|";
        // clang-format on
    }

    void workedExamples() {
        QFETCH(int, periods);
        QFETCH(QString, capital);
        QFETCH(int, type);
        QFETCH(QString, sums);
        auto w = newWindow();
        enterExample(*w, periods, periods == 1 ? "31/12/01" : "31/12/02", capital);
        if (type) chooseType(*w, type);
        QCOMPARE(text(*w, "capitales") + "|" + text(*w, "capitalec") + "|" + text(*w, "differ"),
                 sums);
        QCOMPARE(core::periodi().numperiodi, periods);
        QVERIFY(w->risultaticorrenti());
    }

    // After a change the results are out of date until "&calcola", which the
    // final-date bar presses too; with both types it makes both passes.
    void finalDateBarCalculatesAgain() {
        auto w = newWindow();
        enterExample(*w, 2, "31/12/02", "1000");
        chooseType(*w, 3);
        QCOMPARE(text(*w, "num(1)"), QString("2")); // the pass leaves the last period on top
        bar(*w, "scrollatassi(1)")->setValue(500);
        QVERIFY(!w->risultaticorrenti());
        bar(*w, "scrollafinale")->setValue(daysBefore("30/12/02"));
        QCOMPARE(text(*w, "datfin"), QString("30/12/02"));
        QVERIFY(w->risultaticorrenti());
        QCOMPARE(text(*w, "capitales"), QString("1149,59"));
        QVERIFY(!text(*w, "differ").isEmpty());
    }

    // Reactions run only on a real change: that is what ends the chains.
    void captionChangeIsSignalledOnce() {
        CaptionLabel label;
        QSignalSpy spy(&label, &CaptionLabel::captionChanged);
        for (const char* caption : {"01/01/01", "01/01/01", ""})
            label.setCaption(caption);
        QCOMPARE(spy.count(), 2);
    }
};

QTEST_MAIN(TestDatiWindow)
#include "tst_dati_window.moc"

// The Data window driven as a user drives it: bars, rows, guidance, results.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/captionlabel.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace DatiTest;

namespace {

// n periods 30 days apart at 3, the first 20000 days before today.
Periods monthly(int n) {
    Periods p;
    for (int k = 1; k <= n; ++k)
        p.append({dateBefore(20000 - k * 30), "3"});
    return p;
}

// Periods entered with the bars, row by row, as "01/07/02=5" (rate in
// percent); "~01/01/20" enters a start date alone, far down in slot 200.
void enterWithBars(Dati& w, const QString& periods) {
    int r = 0;
    for (const auto& [start, rate] : periodsOf(periods)) {
        if (start.startsWith('~')) {
            bar(w, "VScroll1")->setValue(191);
            bar(w, "hscroll1(10)")->setValue(daysBefore(start.mid(1)));
            bar(w, "VScroll1")->setValue(1);
        } else {
            enterPeriod(w, ++r, start, rate.toInt() * 100);
        }
    }
}

} // namespace

class TestDatiWindow : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // A new window computes simple interest up to today. (The currency's
    // name on the money columns: the clear test of tst_dati_check.)
    void startUp() {
        auto w = newWindow();
        QCOMPARE(text(*w, "datfin") + QString::number(w->tipocalcolo()), QString("08/12/261"));
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

    // The guidance follows the typing: each row leaves one thing out (a
    // blank reference counts as given) or moves a bar of period 1 last.
    void guidance_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("no capital") << "capiniz" << "Scegliere la valuta e digitare il capitale iniziale o aprire un file con i dati archiviati.";
        QTest::newRow("no final date") << "datfin" << "Digitare la data finale del calcolo o aprire un file archiviato.";
        QTest::newRow("no reference") << "riferimento" << "Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("no period") << "period" << " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
        QTest::newRow("all given") << "" << "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro calcolo).";
        QTest::newRow("date bar") << "hscroll1(1)" << "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificate le date.";
        QTest::newRow("rate bar") << "scrollatassi(1)" << "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificati i tassi.";
        // clang-format on
    }
    void guidance() {
        QFETCH(QString, step);
        QFETCH(QString, expected);
        auto w = newWindow();
        if (step != "period") fillPeriods(*w, {{"01/01/01", "10"}});
        type(*w, "capiniz", step == "capiniz" ? "" : "1000");
        type(*w, "datfin", step == "datfin" ? "" : "31/12/01");
        type(*w, "riferimento", step == "riferimento" ? "" : " ");
        if (step.contains('(')) bar(*w, step)->setValue(500);
        QCOMPARE(text(*w, "passo"), expected);
    }

    // Period k starts on 01/01/0k at rate k. A number doubles its period, an
    // X deletes it, a start date goes back 365 days a click.
    void rowClicks() {
        auto w = newWindow();
        fillPeriods(*w, periodsOf("01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5"));
        const auto rows = [&] { // years|rates|periods
            return column(*w, "data1").remove("01/01/0") + "|" + column(*w, "tas") + "|" +
                   QString::number(core::periodi().numperiodi);
        };
        click(*w, "num(3)");
        QCOMPARE(rows(), QString("1 2 3 3 4 5|1 2 3 3 4 5|6"));
        click(*w, "delriga(2)");
        QCOMPARE(rows(), QString("1 3 3 4 5|1 3 3 4 5|5"));
        click(*w, "data1(1)");
        click(*w, "data1(1)");
        QCOMPARE(rows(), QString("02/01/99 3 3 4 5|1 3 3 4 5|5"));
        QCOMPARE(core::periodi().slot(1).start, std::string("02/01/99"));
        QCOMPARE(bar(*w, "hscroll1(1)")->value(), daysBefore("02/01/99"));
    }

    // 200 periods: the rows and their bars follow the vertical bar down to the
    // last ten, and an insert is refused. Five periods and one entered far
    // down, in slot 200, leave room for the five to grow.
    void twoHundredPeriods() {
        const QString last = dateBefore(20000 - 200 * 30);
        const auto list = [] { // periods|start in slot 200
            return QString("%1|%2")
                .arg(core::periodi().numperiodi)
                .arg(core::periodi().slot(200).start.c_str());
        };
        auto w = newWindow();
        fillPeriods(*w, monthly(200));
        bar(*w, "VScroll1")->setValue(191);
        QCOMPARE(text(*w, "num(10)") + " " + text(*w, "data1(10)"), "200 " + last);
        QCOMPARE(bar(*w, "hscroll1(1)")->value(), 20000 - 191 * 30);
        expectBox();
        click(*w, "num(1)");
        QCOMPARE(box(), "64|" + ModFenoverra::titolocontrollo +
                            "|Siamo già a 200 periodi: non è possibile aggiungerne degli altri.");
        QCOMPARE(list(), "200|" + last);

        core::periodi().clear();
        w = newWindow();
        fillPeriods(*w, monthly(5));
        bar(*w, "VScroll1")->setValue(191);
        enterPeriod(*w, 10, last, 700);
        bar(*w, "VScroll1")->setValue(1);
        click(*w, "num(2)");
        QCOMPARE(list() + " " + column(*w, "tas"), "7|" + last + " 3 3 3 3 3 3");
    }

    // After a delete, a start date still waiting for its rate moves up beside
    // no days and no results of the period that was there.
    void deleteLeavesNoResultsBesideALoneStartDate() {
        auto w = newWindow();
        enterWithBars(*w, "01/01/01=10 01/01/02=10 01/07/02=5");
        type(*w, "datfin", "31/12/02");
        type(*w, "capiniz", "1000");
        chooseType(*w, 1);
        bar(*w, "VScroll1")->setValue(1);
        bar(*w, "hscroll1(4)")->setValue(daysBefore("01/01/03"));
        click(*w, "delriga(2)");
        QCOMPARE(text(*w, "data1(3)") + "|" + text(*w, "tas(3)") + "|" + column(*w, "giorn") + "|" +
                     text(*w, "interes(3)") + text(*w, "totint(3)") + text(*w, "capital(3)"),
                 QString("01/01/03||545 184|"));
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
        const auto scroll = [&] {
            for (int v : {2, 1})
                bar(*w, "VScroll1")->setValue(v);
        };
        scroll();
        click(*w, "calcolare");
        chooseType(*w, 1);
        scroll();
        const core::PeriodSlot& slot = core::periodi().slot(2);
        QCOMPARE(QString::fromStdString(slot.start + " " + slot.rate) + "|" + text(*w, "data1(2)") +
                     " " + text(*w, "tas(2)"),
                 shown + "|" + shown);
    }

    // 160 periods, two a year from 1940: splitting at every 1 January would
    // need 239 periods. The user is told, the list stays as it was, and the
    // view ends on the last ten periods.
    void yearSplitBeyond200PeriodsIsRefused() {
        auto w = newWindow();
        QString periods;
        for (int year = 40; year < 120; ++year)
            periods += QString("01/03/%1=3 01/09/%1=3 ").arg(year % 100, 2, 10, QChar('0'));
        fillPeriods(*w, periodsOf(periods));
        type(*w, "capiniz", "1000");
        expectBox();
        chooseType(*w, 2);
        QCOMPARE(QString::number(core::periodi().numperiodi) + " " + text(*w, "num(1)"),
                 QString("160 151"));
        QVERIFY2(box().startsWith("48|" + ModFenoverra::titolocontrollo + "|") &&
                     box().contains(" 239 ") && box().contains("non sarà corretto"),
                 qPrintable(box()));
        QVERIFY(w->risultaticorrenti() && !text(*w, "capital(10)").isEmpty() &&
                findControl<QProgressBar>(w.get(), "ProgressBar1")->isHidden());
    }

    // The worked examples, entered as a user enters them, the capital typed
    // last; with no type chosen the capital computes on its own. A start
    // date without rate in slot 200 leaves the year split room. A rate changed
    // leaves the results out of date until "&calcola", which the final-date
    // bar presses too, making both passes when both types are chosen.
    void workedExamples_data() {
        QTest::addColumn<QString>("periods");
        QTest::addColumn<QString>("fields");     // final date|capital
        QTest::addColumn<int>("calculation");    // 0: none chosen
        QTest::addColumn<QString>("finalByBar"); // the top row, the last period, at 5 first
        QTest::addColumn<QString>("sums"); // capitales|capitalec|differ|periods|start in slot 200
        const QString twoYears = "01/01/01=10 01/01/02=10";
        // clang-format off
        QTest::newRow("one year") << "01/01/01=10" << "31/12/01|1000" << 1 << "" << "1099,73|||1|";
        QTest::newRow("capital typed") << "01/01/01=10" << "31/12/01|2000" << 0 << "" << "2199,45|||1|";
        QTest::newRow("two years both") << twoYears << "31/12/02|1000" << 3 << "" << "1199,73|1209,7|9,97|2|";
        QTest::newRow("two years both, rate and final date moved") << twoYears << "31/12/02|1000" << 3 << "30/12/02" << "1149,59|1154,57|4,98|2|";
        QTest::newRow("mid-year period not compounded") << twoYears + " 01/07/02=5" << "31/12/02|1000" << 2 << "" << "|1179,47||3|";
        QTest::newRow("split beside a start date in slot 200") << "15/06/00=10 15/03/02=5 ~01/01/20" << "31/12/02|1000" << 2 << "" << "|1223,17||4|01/01/20";
        // clang-format on
    }
    void workedExamples() {
        QFETCH(QString, periods);
        QFETCH(QString, fields);
        QFETCH(int, calculation);
        QFETCH(QString, finalByBar);
        QFETCH(QString, sums);
        auto w = newWindow();
        enterWithBars(*w, periods);
        type(*w, "datfin", fields.section('|', 0, 0));
        type(*w, "capiniz", fields.section('|', 1));
        if (calculation) chooseType(*w, calculation);
        if (!finalByBar.isEmpty()) {
            bar(*w, "scrollatassi(1)")->setValue(500);
            QVERIFY(!w->risultaticorrenti());
            bar(*w, "scrollafinale")->setValue(daysBefore(finalByBar));
            QCOMPARE(text(*w, "datfin"), finalByBar);
        }
        QCOMPARE(text(*w, "capitales") + "|" + text(*w, "capitalec") + "|" + text(*w, "differ") +
                     QString("|%1|").arg(core::periodi().numperiodi) +
                     core::periodi().slot(200).start.c_str(),
                 sums);
        QVERIFY(w->risultaticorrenti());
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

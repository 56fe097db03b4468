// SPDX-License-Identifier: GPL-3.0-or-later
// The Data window driven as a user drives it: bars, rows, guidance, results.
#include "support/datisupport.h"

#include "platform/messagebox.h"

#include <QScrollBar>
#include <QTest>

using namespace DatiTest;
using core::CalculationType;

namespace {

const Periods kFive = {
    {"01/01/01", "1"}, {"01/01/02", "2"}, {"01/01/03", "3"}, {"01/01/04", "4"}, {"01/01/05", "5"}};

// Periods entered with each row's bars from `firstRow`; whole-percent rates.
void enterWithBars(Dati& w, const Periods& periods, int firstRow = 1) {
    int r = firstRow - 1;
    for (const auto& [start, rate] : periods) {
        bar(w, row("hscroll1", ++r))->setValue(daysBefore(start));
        if (!rate.isEmpty()) bar(w, row("scrollatassi", r))->setValue(rate.toInt() * 100);
    }
}

// A start date alone in slot 200, entered on the last page.
void startInSlot200(Dati& w, const QString& date) {
    bar(w, "VScroll1")->setValue(191);
    bar(w, "hscroll1(10)")->setValue(daysBefore(date));
    bar(w, "VScroll1")->setValue(1);
}

QString slot200() {
    return QString::fromStdString(DatiTest::periods().slot(200).start);
}

} // namespace

class TestDatiWindow : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Arrows and track step towards the side clicked, within bounds; date
    // bars count days back from today.
    void barsStepTowardsTheSideClicked_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("leftArrow");
        QTest::addColumn<int>("rightArrow");
        QTest::addColumn<int>("leftTrack");
        QTest::addColumn<int>("rightTrack");
        QTest::newRow("start date") << "hscroll1(1)" << 16000 << 16001 << 15999 << 16030 << 15970;
        QTest::newRow("final date at today") << "scrollafinale" << 1 << 2 << 1 << 31 << 1;
        QTest::newRow("lowest rate") << "scrollatassi(3)" << 1 << 1 << 2 << 1 << 101;
    }
    void barsStepTowardsTheSideClicked() {
        QFETCH(QString, name);
        QFETCH(int, from);
        auto w = newWindow();
        w->show();
        QScrollBar* b = bar(*w, name);
        const int h = b->height();
        const auto clickedAt = [&](int x) {
            b->setValue(from);
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(x, h / 2));
            return b->value();
        };
        QTEST(clickedAt(3), "leftArrow");
        QTEST(clickedAt(b->width() - 4), "rightArrow");
        QTEST(clickedAt(h + 2), "leftTrack");
        QTEST(clickedAt(b->width() - h - 3), "rightTrack");
    }

    // A field left empty, the period left out (a blank reference counts as
    // given), or a bar of period 1 moved last.
    void guidance_data() {
        QTest::addColumn<QString>("emptyField");
        QTest::addColumn<bool>("noPeriod");
        QTest::addColumn<QString>("barMoved");
        QTest::addColumn<QString>("guidance");
        // clang-format off
        QTest::newRow("no capital") << "capiniz" << false << "" << "Scegliere la valuta e digitare il capitale iniziale o aprire un file con i dati archiviati.";
        QTest::newRow("no final date") << "datfin" << false << "" << "Digitare la data finale del calcolo o aprire un file archiviato.";
        QTest::newRow("no reference") << "riferimento" << false << "" << "Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("no period") << "" << true << "" << " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
        QTest::newRow("all given") << "" << false << "" << "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro calcolo).";
        QTest::newRow("date bar") << "" << false << "hscroll1(1)" << "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificate le date.";
        QTest::newRow("rate bar") << "" << false << "scrollatassi(1)" << "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificati i tassi.";
        // clang-format on
    }
    void guidance() {
        QFETCH(QString, emptyField);
        QFETCH(bool, noPeriod);
        QFETCH(QString, barMoved);
        auto w = newWindow();
        if (!noPeriod) fillPeriods(*w, {{"01/01/01", "10"}});
        for (const auto& [field, value] :
             {std::pair{"capiniz", "1000"}, {"datfin", "31/12/01"}, {"riferimento", " "}})
            type(*w, field, emptyField == field ? "" : value);
        if (!barMoved.isEmpty()) bar(*w, barMoved)->setValue(500);
        QTEST(text(*w, "passo"), "guidance");
    }

    void aNewWindowComputesSimpleInterestUpToToday() {
        auto w = newWindow();
        QCOMPARE(text(*w, "datfin"), QString("08/12/26"));
        QCOMPARE(w->tipocalcolo(), CalculationType::Simple);
    }

    // 200 periods: an insert is refused.
    void twoHundredPeriods() {
        const Periods months = monthsFrom2008(200);
        auto w = newWindow();
        fillPeriods(*w, months);
        expectBox();
        click(*w, "num(1)");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().prompt,
                 QString("Siamo già a 200 periodi: non è possibile aggiungerne degli altri."));
        QCOMPARE(DatiTest::periods().numperiodi, 200);
        QCOMPARE(slot200(), months.last().first);
    }

    // Texts from files and tables a bar cannot stand for are shown as they
    // are, never rewritten; exact ones take the bar's form.
    void periodTextsFromOutside_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("shownStart"); // in the list and in the row
        QTest::addColumn<QString>("shownRate");
        // clang-format off
        QTest::newRow("date too old, rate zero") << "01/01/1850" << "0,00" << "01/01/1850" << "0,00";
        QTest::newRow("date after today, rate finer than the bar") << "01/01/29" << "2,555" << "01/01/29" << "2,555";
        QTest::newRow("not a date, not a number") << "31/02/10" << "tre" << "31/02/10" << "tre";
        QTest::newRow("exact") << "1/1/2010" << "4,00" << "01/01/10" << "4";
        // clang-format on
    }
    void periodTextsFromOutside() {
        QFETCH(QString, start);
        QFETCH(QString, rate);
        QFETCH(QString, shownStart);
        QFETCH(QString, shownRate);
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        fillPeriods(*w, {{"01/01/05", "4"}, {start, rate}});
        // Show the period in other rows too, so each bar is moved onto it.
        const auto scroll = [&] {
            bar(*w, "VScroll1")->setValue(2), bar(*w, "VScroll1")->setValue(1);
        };
        scroll();
        click(*w, "calcolare");
        chooseType(*w, CalculationType::Simple);
        scroll();
        const core::PeriodSlot& slot = DatiTest::periods().slot(2);
        QCOMPARE(QString::fromStdString(slot.start), shownStart);
        QCOMPARE(QString::fromStdString(slot.rate), shownRate);
        QCOMPARE(text(*w, "data1(2)"), shownStart);
        QCOMPARE(text(*w, "tas(2)"), shownRate);
    }

    // A capital that is not a number computes nothing: "&calcola" and the
    // type buttons leave the earlier capital's results greyed, and
    // "&calcola" says why.
    void capitalNotANumber() {
        auto w = newWindow();
        enter(*w, {"1000", "31/12/01", "x"}, {{"01/01/01", "10"}});
        type(*w, "capiniz", "1000a");
        expectBox();
        click(*w, "calcolare");
        QCOMPARE(lastBox().prompt, QString("Digitare il valore del capitale iniziale."));
        QVERIFY(!w->risultaticorrenti());
        chooseType(*w, CalculationType::Compound);
        QVERIFY(!w->risultaticorrenti());
        type(*w, "capiniz", "1000");
        QVERIFY(w->risultaticorrenti());
    }

    // 160 periods from 1940 would need 239 split at each 1 January: the user
    // is told, the list stays, the view ends on the last ten periods.
    void yearSplitBeyond200PeriodsIsRefused() {
        auto w = newWindow();
        Periods periods;
        for (int year = 40; year < 120; ++year) {
            const QString yy = QString("%1").arg(year % 100, 2, 10, QChar('0'));
            periods << QPair<QString, QString>("01/03/" + yy, "3")
                    << QPair<QString, QString>("01/09/" + yy, "3");
        }
        fillPeriods(*w, periods);
        type(*w, "capiniz", "1000");
        expectBox();
        chooseType(*w, CalculationType::Compound);
        QCOMPARE(DatiTest::periods().numperiodi, 160);
        QCOMPARE(text(*w, "num(1)"), QString("151"));
        QCOMPARE(lastBox().prompt,
                 QString("Per calcolare gli interessi composti bisognerebbe suddividere i "
                         "periodi al 1° gennaio di ogni anno, ma servirebbero 239 periodi, oltre "
                         "il massimo di 200.\rI periodi non sono stati suddivisi: il risultato "
                         "degli interessi composti non sarà corretto."));
        QVERIFY(w->risultaticorrenti());
        QVERIFY(!text(*w, "capital(10)").isEmpty());
    }

    // Five periods entered with the bars, then a click on a row: the number
    // doubles its period, the X deletes it, the start date steps a year
    // back. Without a capital nothing is computed.
    void rowClicks_data() {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("inSlot200"); // a start date alone there first
        QTest::addColumn<QStringList>("starts");
        QTest::addColumn<QStringList>("rates");
        QTest::addColumn<QStringList>("days");
        // clang-format off
        QTest::newRow("insert") << "num(3)" << 1 << "" << QStringList{"01/01/01", "01/01/02", "01/01/03", "01/01/03", "01/01/04", "01/01/05"} << QStringList{"1", "2", "3", "3", "4", "5"} << QStringList{"364", "365", "0", "365", "366", "8012"};
        QTest::newRow("delete") << "delriga(2)" << 1 << "" << QStringList{"01/01/01", "01/01/03", "01/01/04", "01/01/05"} << QStringList{"1", "3", "4", "5"} << QStringList{"729", "365", "366", "8012"};
        QTest::newRow("start date back twice") << "data1(1)" << 2 << "" << QStringList{"02/01/99", "01/01/02", "01/01/03", "01/01/04", "01/01/05"} << QStringList{"1", "2", "3", "4", "5"} << QStringList{"1094", "365", "365", "366", "8012"};
        QTest::newRow("insert beside a start date in slot 200") << "num(2)" << 1 << "01/01/20" << QStringList{"01/01/01", "01/01/02", "01/01/02", "01/01/03", "01/01/04", "01/01/05"} << QStringList{"1", "2", "2", "3", "4", "5"} << QStringList{"364", "0", "365", "365", "366", "8012"};
        // clang-format on
    }
    void rowClicks() {
        QFETCH(QString, clicked);
        QFETCH(int, times);
        QFETCH(QString, inSlot200);
        QFETCH(QStringList, starts);
        auto w = newWindow();
        enterWithBars(*w, kFive);
        if (!inSlot200.isEmpty()) startInSlot200(*w, inSlot200);
        for (int i = 0; i < times; ++i)
            click(*w, clicked);
        QCOMPARE(column(*w, "data1"), starts);
        QTEST(column(*w, "tas"), "rates");
        QTEST(column(*w, "giorn"), "days");
        QCOMPARE(column(*w, "capital"), QStringList());
        QCOMPARE(DatiTest::periods().numperiodi, int(starts.size()));
        QCOMPARE(slot200(), inSlot200);
    }

    // A start date alone that a delete moves up takes no results.
    void startDateMovedUpByADeleteShowsNoResults() {
        auto w = newWindow();
        enterWithBars(*w, {{"01/01/01", "10"}, {"01/01/02", "10"}, {"01/07/02", "5"}});
        type(*w, "datfin", "31/12/02");
        type(*w, "capiniz", "1000");
        chooseType(*w, CalculationType::Simple);
        bar(*w, "VScroll1")->setValue(1); // the calculation ended on its last period
        enterWithBars(*w, {{"01/01/03", ""}}, 4);
        click(*w, "delriga(2)");
        QCOMPARE(column(*w, "data1"), QStringList({"01/01/01", "01/07/02", "01/01/03"}));
        QCOMPARE(column(*w, "tas"), QStringList({"10", "5"}));
        QCOMPARE(column(*w, "giorn"), QStringList({"545", "184"}));
        QCOMPARE(column(*w, "capital"), QStringList({"1099,73", "1149,32"}));
        QCOMPARE(DatiTest::periods().numperiodi, 2);
    }

    // The capital typed last computes with no type chosen; a rate moved
    // leaves the results out of date until the final-date bar presses
    // "&calcola", both passes when both types are chosen. Compound interest
    // splits the periods at each 1 January, never a period that starts
    // mid-year and ends on 31 December, nor over a start date alone in slot
    // 200.
    void results_data() {
        QTest::addColumn<Periods>("entered");
        QTest::addColumn<QString>("inSlot200");
        QTest::addColumn<QString>("finalDate");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<int>("chosen");         // -1: no type
        QTest::addColumn<QString>("finalByBar"); // after a rate is moved; empty: none
        QTest::addColumn<QString>("simple");
        QTest::addColumn<QString>("compound");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<int>("count");
        const int compound = int(CalculationType::Compound), both = int(CalculationType::Both);
        // clang-format off
        QTest::newRow("capital typed last") << Periods{{"01/01/01", "10"}} << "" << "31/12/01" << "2000" << -1 << "" << "2199,45" << "" << "" << 1;
        QTest::newRow("final-date bar after a rate moved") << Periods{{"01/01/01", "10"}, {"01/01/02", "10"}} << "" << "31/12/02" << "1000" << both << "30/12/02" << "1149,59" << "1154,57" << "4,98" << 2;
        QTest::newRow("mid-year period not compounded") << Periods{{"01/01/01", "10"}, {"01/01/02", "10"}, {"01/07/02", "5"}} << "" << "31/12/02" << "1000" << compound << "" << "" << "1179,47" << "" << 3;
        QTest::newRow("split beside a start date in slot 200") << Periods{{"15/06/00", "10"}, {"15/03/02", "5"}} << "01/01/20" << "31/12/02" << "1000" << compound << "" << "" << "1223,17" << "" << 4;
        // clang-format on
    }
    void results() {
        QFETCH(Periods, entered);
        QFETCH(QString, inSlot200);
        QFETCH(QString, finalDate);
        QFETCH(QString, capital);
        QFETCH(int, chosen);
        QFETCH(QString, finalByBar);
        auto w = newWindow();
        enterWithBars(*w, entered);
        if (!inSlot200.isEmpty()) startInSlot200(*w, inSlot200);
        type(*w, "datfin", finalDate);
        type(*w, "capiniz", capital);
        if (chosen >= 0) chooseType(*w, CalculationType(chosen));
        if (!finalByBar.isEmpty()) {
            bar(*w, "scrollatassi(1)")->setValue(500);
            QVERIFY(!w->risultaticorrenti());
            bar(*w, "scrollafinale")->setValue(daysBefore(finalByBar));
            QCOMPARE(text(*w, "datfin"), finalByBar);
        }
        QVERIFY(w->risultaticorrenti());
        QTEST(text(*w, "capitales"), "simple");
        QTEST(text(*w, "capitalec"), "compound");
        QTEST(text(*w, "differ"), "difference");
        QTEST(DatiTest::periods().numperiodi, "count");
        QCOMPARE(slot200(), inSlot200);
    }
};

QTEST_MAIN(TestDatiWindow)
#include "tst_dati_window.moc"

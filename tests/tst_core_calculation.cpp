// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation and rate-table models without any window: what showing
// their rows does to the texts, the results state and the guidance.
#include "core/calculation.h"
#include "core/numbertext.h"
#include "core/ratetable.h"
#include "platform/stringconversion.h"

#include <QtTest>

using namespace core;

namespace {

const Date kToday{2026, 12, 8};

// A calculation as a data file gives it: periods with their texts, capital
// 1000, final date 31/12/25, simple interest.
Calculation loaded(const std::vector<PeriodEntry>& periods) {
    Calculation c;
    c.openWindow(kToday);
    SavedCalculation saved{"1000", CalculationType::Simple, "prova", periods};
    if (!periods.empty()) saved.periods.back().end = "31/12/25";
    c.load(saved, kToday);
    return c;
}

} // namespace

class TestCalculationModel : public QObject {
    Q_OBJECT
private slots:
    // A row's bars move to the texts it shows; a bar that can show a text
    // exactly writes its own form back, one that cannot leaves it alone.
    void shownTextsTakeTheBarsForm_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("shownStart");
        QTest::addColumn<QString>("shownRate");
        QTest::newRow("short date, two decimals") << "1/1/2010"
                                                  << "4,00"
                                                  << "01/01/10"
                                                  << "4";
        QTest::newRow("a rate between hundredths") << "15/3/11"
                                                   << "13,755"
                                                   << "15/03/11"
                                                   << "13,755";
        QTest::newRow("older than the bar") << "01/01/1850"
                                            << "5,50"
                                            << "01/01/1850"
                                            << "5,5";
        QTest::newRow("after today") << "01/06/2027"
                                     << "1"
                                     << "01/06/2027"
                                     << "1";
        QTest::newRow("not a date, above the bar") << "abc"
                                                   << "150"
                                                   << "abc"
                                                   << "150";
    }
    void shownTextsTakeTheBarsForm() {
        QFETCH(QString, start);
        QFETCH(QString, rate);
        QFETCH(QString, shownStart);
        QFETCH(QString, shownRate);
        const Calculation c = loaded({{start.toStdString(), "", rate.toStdString()}});
        QCOMPARE(toQt(c.periods().slot(1).start), shownStart);
        QCOMPARE(toQt(c.periods().slot(1).rate), shownRate);
    }

    // Typing the capital computes at once; the pass shows the rows from each
    // period it reaches, and rows that then show another date move their
    // bars as a user would: the results are left out of date.
    void capitalTypedOverPeriods_data() {
        QTest::addColumn<int>("periods");
        QTest::addColumn<bool>("current");
        QTest::addColumn<int>("firstPeriod");
        QTest::newRow("one period") << 1 << true << 1;
        QTest::newRow("two periods") << 2 << false << 2;
        QTest::newRow("twelve periods") << 12 << false << 12;
    }
    void capitalTypedOverPeriods() {
        QFETCH(int, periods);
        QFETCH(bool, current);
        QFETCH(int, firstPeriod);
        std::vector<PeriodEntry> entries;
        for (int k = 0; k < periods; ++k)
            entries.push_back({dateText(addDays({2020, 1, 15}, 30 * k)), "", "3"});
        Calculation c = loaded(entries);
        QVERIFY(c.resultsCurrent());
        c.setCapital("2000", kToday);
        QCOMPARE(c.resultsCurrent(), current);
        QCOMPARE(c.firstPeriod(), firstPeriod);
        QCOMPARE(
            toQt(c.periods().slot(1).interest ? numberText(*c.periods().slot(1).interest) : ""),
            periods == 1 ? QString("357,86") : QString("4,77"));
    }

    // A rate set with its bar does not show the rows again: the period
    // before keeps the final date as its end until the next drawing.
    void rateSetWithItsBarDrawsNothing() {
        Calculation c = loaded({{"01/01/20", "", "3"}});
        c.moveStartDateBar(2, difference({2021, 1, 1}, kToday), kToday);
        QCOMPARE(toQt(c.periods().slot(1).end), QString("31/12/25"));
        const Changes changes = c.moveRateBar(2, 250, kToday);
        QVERIFY(!changes.rowsDrawn);
        QCOMPARE(c.periods().numperiodi, 2);
        QCOMPARE(toQt(c.periods().slot(1).end), QString("31/12/25"));
        QCOMPARE(c.guidance(), Guidance::RatesMoved);
        c.updateStaleResults(kToday);
        QCOMPARE(toQt(c.periods().slot(1).end), QString("31/12/20"));
        QVERIFY(c.resultsCurrent());
    }

    // A split that needs more than 200 slots is refused, and says how many.
    void yearSplitBeyondTheList() {
        std::vector<PeriodEntry> entries;
        for (int k = 0; k < 150; ++k)
            entries.push_back({dateText({1800 + 2 * k, 6, 1}), "", "1"});
        Calculation c = loaded(entries);
        const Changes changes = c.chooseType(CalculationType::Compound, kToday);
        QCOMPARE(changes.splitRefusedNeeding, 150 + 149 * 2);
        QCOMPARE(c.periods().numperiodi, 150);
    }

    // The rate table writes the rows its lines show in the bars' form; a row
    // never shown keeps its text as loaded.
    void rateTableRowsShownAndNot() {
        RateTable t;
        t.openWindow(kToday);
        t.choosePreset(Presets::Choice::DiscountRates, kToday);
        QCOMPARE(t.rowCount(), 98);
        QCOMPARE(toQt(t.date(2)), QString("07/06/58"));
        QCOMPARE(toQt(t.rate(2)), QString("3,5"));
        QCOMPARE(toQt(t.rate(20)), QString("12,00"));
        t.scrollTo(16, kToday);
        QCOMPARE(toQt(t.rate(20)), QString("12"));
        QCOMPARE(toQt(t.endOf(1)), QString("06/06/58"));
    }
};

QTEST_APPLESS_MAIN(TestCalculationModel)
#include "tst_core_calculation.moc"

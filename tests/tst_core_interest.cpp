// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation: worked examples through the type choice, rounding and the pass's stopping rules.
#include "core/calculation.h"
#include "core/date.h"
#include "core/interest.h"
#include "core/numbertext.h"

#include "tests/support/periodfixtures.h"

#include <QtTest>

using namespace core;

Q_DECLARE_METATYPE(core::CalculationType)

class TestInterest : public QObject {
    Q_OBJECT
private slots:
    // A type chosen in a calculation with these periods, capital and final
    // date; "again": one pass alone (ricalcola) over a simple sum of 1100
    // shown. Each period's interest (empty: not computed), then the sums.
    void workedExamples_data() {
        QTest::addColumn<Periods>("periods");
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("finalDate");
        QTest::addColumn<CalculationType>("type");
        QTest::addColumn<bool>("again");
        QTest::addColumn<QStringList>("interests");
        QTest::addColumn<QString>("simpleSum");
        QTest::addColumn<QString>("compoundSum");
        QTest::addColumn<QString>("difference");
        using enum CalculationType;
        // clang-format off
        QTest::newRow("one year 2001, simple") << Periods{{"01/01/01", "10"}} << "1000" << "31/12/01" << Simple << false << QStringList{"99,73"} << "1099,73" << "" << "";
        QTest::newRow("two years, both") << Periods{{"01/01/01", "10"}, {"01/01/02", "10"}} << "1000" << "31/12/02" << Both << false << QStringList{"99,73", "109,97"} << "1199,73" << "1209,7" << "9,97";
        QTest::newRow("mid-year period takes the initial capital") << Periods{{"01/01/01", "10"}, {"01/01/02", "10"}, {"01/07/02", "5"}} << "1000" << "31/12/02" << Compound << false << QStringList{"99,73", "54,53", "25,21"} << "" << "1179,47" << "";
        QTest::newRow("last period never split") << Periods{{"01/06/00", "10"}} << "1000" << "31/12/02" << Compound << false << QStringList{"258,36"} << "" << "1258,36" << "";
        QTest::newRow("full leap year") << Periods{{"01/01/03", "10"}, {"01/01/04", "10"}} << "1000" << "31/12/04" << Simple << false << QStringList{"99,73", "100,27"} << "1200" << "" << "";
        // 438 days: 01/01/01 -> 15/03/02; a fused multiply-add would give 343,55.
        QTest::newRow("half cent rounds as computed step by step") << Periods{{"01/01/01", "9,25"}} << "3095" << "15/03/02" << Simple << false << QStringList{"343,54"} << "3438,54" << "" << "";
        // 456,25 / 100 * 10 / 365 * 73 * 100 is exactly 912,5 in double: the half cent goes up.
        QTest::newRow("exact half cent goes up") << Periods{{"01/01/01", "10"}} << "456,25" << "15/03/01" << Simple << false << QStringList{"9,13"} << "465,38" << "" << "";
        // The capital reached after 30/12/00 is 44833,35 as computed; rounded to cents first it would give the second period a cent less.
        QTest::newRow("compound base as computed, not as shown") << Periods{{"30/12/00", "8,68"}, {"01/01/01", "10"}} << "44822,69" << "31/12/01" << Compound << false << QStringList{"10,66", "4483,34"} << "" << "49316,69" << "";
        // A start date still waiting for its rate after the last period is not a period: nothing is split up to it.
        QTest::newRow("pending start date after the last period, compound") << Periods{{"01/01/01", "10"}, {"01/07/03", ""}} << "1000" << "31/12/02" << Compound << false << QStringList{"199,73"} << "" << "1199,73" << "";
        QTest::newRow("pending start date after the last period, both") << Periods{{"01/01/01", "10"}, {"01/07/03", ""}} << "1000" << "31/12/02" << Both << false << QStringList{"199,73"} << "1199,73" << "1199,73" << "0";
        QTest::newRow("final date before the start") << Periods{{"01/01/01", "10"}} << "1000" << "31/12/00" << Simple << false << QStringList{"-0,27"} << "999,73" << "" << "";
        // A compound pass alone (both types, the capital typed) takes the difference against the simple sum shown.
        QTest::newRow("compound pass against the sum shown") << Periods{{"01/01/01", "10"}, {"01/01/02", "10"}} << "1000" << "31/12/02" << Both << true << QStringList{"99,73", "109,97"} << "1100" << "1209,7" << "109,7";
        // An incomplete pass computes the periods before the fault only and, when none, leaves the sums shown alone.
        QTest::newRow("stops: empty capital") << Periods{{"01/01/01", "10"}} << "" << "31/12/01" << Simple << true << QStringList{""} << "1100" << "" << "";
        QTest::newRow("stops: rate not a number") << Periods{{"01/01/01", "10"}, {"01/01/02", "x"}} << "1000" << "31/12/02" << Simple << true << QStringList{"99,73", ""} << "1099,73" << "" << "";
        QTest::newRow("stops: final date not a date") << Periods{{"01/01/01", "10"}} << "1000" << "31/02/01" << Simple << true << QStringList{""} << "1100" << "" << "";
        QTest::newRow("stops: gap in the start dates") << Periods{{"01/01/01", "10"}, {"", "10"}, {"01/01/03", "10"}} << "1000" << "31/12/03" << Simple << true << QStringList{"", "", ""} << "1100" << "" << "";
        // clang-format on
    }
    void workedExamples() {
        QFETCH(Periods, periods);
        QFETCH(QString, capital);
        QFETCH(QString, finalDate);
        QFETCH(CalculationType, type);
        QFETCH(bool, again);
        QFETCH(QStringList, interests);
        QFETCH(QString, simpleSum);
        QFETCH(QString, compoundSum);
        QFETCH(QString, difference);
        PeriodList list = listOf(periods);
        FinalSums sums{again ? "1100" : "", "", ""};
        if (again) {
            ricalcola(list, {type, capital.toStdString(), finalDate.toStdString()}, sums);
        } else {
            Calculation calculation;
            const Date today{2026, 12, 8};
            std::vector<TableRow> rows;
            for (int k = 1; k <= list.numperiodi; ++k)
                rows.push_back({list.slot(k).start, list.slot(k).rate});
            calculation.enterPeriods(rows, today);
            calculation.setFinalDate(finalDate.toStdString(), today);
            calculation.setCapital(capital.toStdString(), today);
            calculation.chooseType(type, today);
            list = calculation.periods();
            sums = calculation.sums();
        }
        QStringList got;
        for (int k = 1; k <= list.numperiodi; ++k)
            got << QString::fromStdString(list.slot(k).interest ? numberText(*list.slot(k).interest)
                                                                : "");
        QCOMPARE(got, interests);
        QCOMPARE(QString::fromStdString(sums.capitales), simpleSum);
        QCOMPARE(QString::fromStdString(sums.capitalec), compoundSum);
        QCOMPARE(QString::fromStdString(sums.differ), difference);
    }

    // Running totals and capitals are sums of cents (or of the capital's own
    // decimals): over 200 periods their binary noise must never show.
    void longRunsShowWholeCents() {
        Periods periods;
        for (int k = 0; k < kMaxPeriods; ++k)
            periods.append({QString::fromStdString(dateText(addDays({2008, 1, 15}, 30 * k))),
                            k % 3 ? "2,5" : "3,75"});
        for (const auto& [capital, decimals] :
             {std::pair{"10000", 2u}, std::pair{"10000,555", 3u}}) {
            PeriodList list = listOf(periods);
            FinalSums sums;
            ricalcola(list, {CalculationType::Simple, capital, "31/12/20"}, sums);
            for (int k = 1; k <= kMaxPeriods; ++k)
                for (const double v : {*list.slot(k).total, *list.slot(k).capital}) {
                    const std::string text = numberText(v);
                    QVERIFY2(text.size() - std::min(text.find(','), text.size()) <= decimals + 1,
                             text.c_str());
                }
        }
    }
};

QTEST_APPLESS_MAIN(TestInterest)
#include "tst_core_interest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation: worked examples through the type choice, rounding and the pass's stopping rules.
#include "core/calculationsequence.h"
#include "core/date.h"
#include "core/interest.h"
#include "core/numbertext.h"

#include "tests/support/periodfixtures.h"

#include <QtTest>

using namespace core;

class TestInterest : public QObject {
    Q_OBJECT
private slots:
    // "again": one pass alone (ricalcola) over a simple sum of 1100 shown. "-": not computed.
    void workedExamples_data() {
        for (const char* name : {"periods", "capital", "finalDate"})
            QTest::addColumn<QString>(name);
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("again");
        QTest::addColumn<QString>("results"); // each period's interest | capitales|capitalec|differ
        // clang-format off
        QTest::newRow("one year 2001, simple") << "01/01/01=10" << "1000" << "31/12/01" << 1 << false << "99,73|1099,73||";
        QTest::newRow("two years, both") << "01/01/01=10;01/01/02=10" << "1000" << "31/12/02" << 3 << false << "99,73 109,97|1199,73|1209,7|9,97";
        QTest::newRow("mid-year period takes the initial capital") << "01/01/01=10;01/01/02=10;01/07/02=5" << "1000" << "31/12/02" << 2 << false << "99,73 54,53 25,21||1179,47|";
        QTest::newRow("last period never split") << "01/06/00=10" << "1000" << "31/12/02" << 2 << false << "258,36||1258,36|";
        QTest::newRow("full leap year") << "01/01/03=10;01/01/04=10" << "1000" << "31/12/04" << 1 << false << "99,73 100,27|1200||";
        // 438 days: 01/01/01 -> 15/03/02; a fused multiply-add would give 343,55.
        QTest::newRow("half cent rounds as computed step by step") << "01/01/01=9,25" << "3095" << "15/03/02" << 1 << false << "343,54|3438,54||";
        // 456,25 / 100 * 10 / 365 * 73 * 100 is exactly 912,5 in double: the half cent goes up.
        QTest::newRow("exact half cent goes up") << "01/01/01=10" << "456,25" << "15/03/01" << 1 << false << "9,13|465,38||";
        QTest::newRow("final date before the start") << "01/01/01=10" << "1000" << "31/12/00" << 1 << false << "-0,27|999,73||";
        // A compound pass alone (type 3, the capital typed) takes the difference against the simple sum shown.
        QTest::newRow("compound pass against the sum shown") << "01/01/01=10;01/01/02=10" << "1000" << "31/12/02" << 3 << true << "99,73 109,97|1100|1209,7|109,7";
        // An incomplete pass computes the periods before the fault only and, when none, leaves the sums shown alone.
        QTest::newRow("stops: empty capital") << "01/01/01=10" << "" << "31/12/01" << 1 << true << "-|1100||";
        QTest::newRow("stops: rate not a number") << "01/01/01=10;01/01/02=x" << "1000" << "31/12/02" << 1 << true << "99,73 -|1099,73||";
        QTest::newRow("stops: final date not a date") << "01/01/01=10" << "1000" << "31/02/01" << 1 << true << "-|1100||";
        QTest::newRow("stops: gap in the start dates") << "01/01/01=10;=10;01/01/03=10" << "1000" << "31/12/03" << 1 << true << "- - -|1100||";
        // clang-format on
    }
    void workedExamples() {
        QFETCH(QString, periods);
        QFETCH(QString, capital);
        QFETCH(QString, finalDate);
        QFETCH(int, type);
        QFETCH(bool, again);
        QFETCH(QString, results);
        PeriodList list = listOf(periods);
        FinalSums sums{again ? "1100" : "", "", ""};
        const PassInput input{type, capital.toStdString(), finalDate.toStdString()};
        again ? void(ricalcola(list, input, sums)) : void(scegliTipo(list, input, sums));
        std::string got;
        for (int k = 1; k <= list.numperiodi; ++k)
            got += (k > 1 ? " " : "") +
                   (list.slot(k).interest ? numberText(*list.slot(k).interest) : "-");
        got += "|" + sums.capitales + "|" + sums.capitalec + "|" + sums.differ;
        QCOMPARE(QString::fromStdString(got), results);
    }

    // The window's progress bar and drawing: the bar for the list as split, every period per pass.
    void typeChoiceCallsTheHooksInOrder() {
        PeriodList list = listOf("15/06/00=7;15/03/02=3");
        QStringList events;
        CalculationHooks hooks{
            [&] { events << "start"; }, [&](int i) { events << QString::number(i); },
            [&] { events << "end"; }, [&] { events << QString("split:%1").arg(list.numperiodi); }};
        FinalSums sums;
        scegliTipo(list, {Both, "1000", "31/12/02"}, sums, hooks);
        QCOMPARE(events.join(' '), QString("split:4 start 1 2 3 4 end start 1 2 3 4 end"));
    }

    // Running totals and capitals are sums of cents (or of the capital's own
    // decimals): over 200 periods their binary noise must never show.
    void longRunsShowWholeCents() {
        QStringList periods;
        for (int k = 0; k < kMaxPeriods; ++k)
            periods << QString::fromStdString(dateText(addDays({2008, 1, 15}, 30 * k))) +
                           (k % 3 ? "=2,5" : "=3,75");
        for (const auto& [capital, decimals] :
             {std::pair{"10000", 2u}, std::pair{"10000,555", 3u}}) {
            PeriodList list = listOf(periods.join(';'));
            FinalSums sums;
            ricalcola(list, {Simple, capital, "31/12/20"}, sums);
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

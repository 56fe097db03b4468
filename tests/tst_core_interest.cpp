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
    // "again" runs one pass alone (ricalcola) over a simple sum of 1100 still
    // shown, instead of the type choice. "-": a period not computed.
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
        QTest::newRow("stops: capital not a number") << "01/01/01=10" << "mille" << "31/12/01" << 1 << true << "-|1100||";
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
        QStringList interest;
        for (int k = 1; k <= list.numperiodi; ++k) {
            const auto i = list.slot(k).interest;
            interest << (i ? QString::fromStdString(numberText(*i)) : "-");
        }
        QCOMPARE(
            interest.join(' ') + "|" +
                QString::fromStdString(sums.capitales + "|" + sums.capitalec + "|" + sums.differ),
            results);
    }

    // The window hangs its drawing and progress bar on these: the progress
    // bar is shown for the list as split, each pass draws every period.
    void typeChoiceCallsTheHooksInOrder() {
        PeriodList list = listOf("15/06/00=7;15/03/02=3");
        QStringList events;
        CalculationHooks hooks;
        hooks.passesStarting = [&] { events << QString("split:%1").arg(list.numperiodi); };
        hooks.passStarting = [&] { events << "start"; };
        hooks.beforePeriod = [&](int i) { events << QString::number(i); };
        hooks.passEnded = [&] { events << "end"; };
        FinalSums sums;
        scegliTipo(list, {Both, "1000", "31/12/02"}, sums, hooks);
        QCOMPARE(events.join(' '), QString("split:4 start 1 2 3 4 end start 1 2 3 4 end"));
    }

    // Running totals and capitals are sums of cents: over 200 periods the
    // binary noise of the sums must never reach the texts shown and printed.
    void longRunsShowWholeCents_data() {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<int>("decimals"); // at most, in every total and capital
        QTest::newRow("whole capital") << "10000" << 2;
        QTest::newRow("capital to the tenth of a cent") << "10000,555" << 3;
    }
    void longRunsShowWholeCents() {
        QFETCH(QString, capital);
        QFETCH(int, decimals);
        QStringList periods;
        for (int k = 0; k < kMaxPeriods; ++k)
            periods << QString::fromStdString(dateText(addDays({2008, 1, 15}, 30 * k))) +
                           (k % 3 ? "=2,5" : "=3,75");
        PeriodList list = listOf(periods.join(';'));
        FinalSums sums;
        ricalcola(list, {Simple, capital.toStdString(), "31/12/20"}, sums);
        for (int k = 1; k <= kMaxPeriods; ++k) {
            for (const double v : {*list.slot(k).total, *list.slot(k).capital}) {
                const std::string text = numberText(v);
                const auto comma = text.find(',');
                QVERIFY2(comma == std::string::npos ||
                             text.size() - comma - 1 <= std::size_t(decimals),
                         text.c_str());
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestInterest)
#include "tst_core_interest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The period list: insert, delete, end dates, days and the year split.
#include "core/date.h"
#include "core/periodderivation.h"
#include "core/periodlist.h"

#include "tests/support/periodfixtures.h"

#include <QtTest>
#include <random>

using namespace core;

class TestPeriods : public QObject {
    Q_OBJECT
private slots:
    // An edit of the periods: "insert" or "remove" at slot k, or "split"
    // at each 1 January; the periods and their count afterwards.
    void edits_data() {
        QTest::addColumn<Periods>("before");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("k");
        QTest::addColumn<Periods>("after");
        QTest::addColumn<int>("count");
        // clang-format off
        QTest::newRow("insert beyond the last period changes nothing") << Periods{{"01/01/01", "1"}} << "insert" << 5 << Periods{{"01/01/01", "1"}} << 1;
        QTest::newRow("insert keeps a start still waiting for its rate") << Periods{{"01/01/01", "1"}, {"01/01/02", ""}} << "insert" << 1 << Periods{{"01/01/01", "1"}, {"01/01/01", "1"}, {"01/01/02", ""}} << 2;
        QTest::newRow("remove period 2 of 3") << Periods{{"01/01/01", "1"}, {"01/01/02", "2"}, {"01/01/03", "3"}} << "remove" << 2 << Periods{{"01/01/01", "1"}, {"01/01/03", "3"}} << 2;
        QTest::newRow("remove without rate is ignored") << Periods{{"01/01/01", "1"}, {"01/01/02", ""}} << "remove" << 2 << Periods{{"01/01/01", "1"}, {"01/01/02", ""}} << 1;
        QTest::newRow("remove beyond a gap removes that period") << Periods{{"01/01/01", "1"}, {"", ""}, {"01/01/03", "3"}} << "remove" << 3 << Periods{{"01/01/01", "1"}} << 1;
        QTest::newRow("split: two year turns") << Periods{{"15/06/00", "7"}, {"15/03/02", "3"}} << "split" << 0 << Periods{{"15/06/00", "7"}, {"01/01/01", "7"}, {"01/01/02", "7"}, {"15/03/02", "3"}} << 4;
        QTest::newRow("split: ends on 31 December, next year given") << Periods{{"15/06/00", "7"}, {"01/01/02", "3"}} << "split" << 0 << Periods{{"15/06/00", "7"}, {"01/01/01", "7"}, {"01/01/02", "3"}} << 3;
        QTest::newRow("split: four-digit year keeps its century") << Periods{{"15/06/1925", "4"}, {"15/03/1927", "5"}} << "split" << 0 << Periods{{"15/06/1925", "4"}, {"01/01/1926", "4"}, {"01/01/1927", "4"}, {"15/03/1927", "5"}} << 4;
        QTest::newRow("split: unreadable start is left alone") << Periods{{"xx", "1"}, {"15/03/02", "3"}} << "split" << 0 << Periods{{"xx", "1"}, {"15/03/02", "3"}} << 2;
        // clang-format on
    }
    void edits() {
        QFETCH(Periods, before);
        QFETCH(QString, edit);
        QFETCH(int, k);
        QFETCH(Periods, after);
        QFETCH(int, count);
        PeriodList list = listOf(before);
        const int last = list.lastUsedSlot();
        list.slot(last).end = "31/12/05";
        list.slot(last).days = list.slot(last).capital = 1;
        if (edit == "split")
            QCOMPARE(dividianni(list).inserted, int(after.size() - before.size()));
        else if (edit == "insert")
            list.insert(k);
        else
            list.remove(k);
        QCOMPARE(periodsIn(list, list.lastUsedSlot()), after);
        QCOMPARE(list.numperiodi, count);
        // The slot a removal vacates keeps nothing of the period that was there.
        const PeriodSlot& v = list.slot(last);
        QVERIFY(list.lastUsedSlot() >= last || (v.end.empty() && !v.days && !v.capital));
    }

    // Any ascending starts: days add up to the span, no year left whole, a second split idle.
    void daysAddUpAndSplitIsIdempotent() {
        std::mt19937 rng(20261208);
        const auto below = [&](int n) { return static_cast<int>(rng() % n); };
        for (int round = 0; round < 300; ++round) {
            Periods starts;
            Date d{1935 + below(40), 1 + below(12), 1 + below(28)};
            for (int k = 0, n = 1 + below(60); k < n; ++k, d = addDays(d, 1 + below(700)))
                starts.append({QString::fromStdString(dateText(d)), "5"});
            PeriodList list = listOf(starts);
            QVERIFY(!dividianni(list).refused && dividianni(list).inserted == 0);
            long sum = 0;
            for (int k = 1; k <= list.numperiodi; ++k) {
                deriveEndAndDays(list, k, dateText(d));
                sum += *list.slot(k).days;
                QVERIFY(k == list.numperiodi || *list.slot(k).days <= 366);
            }
            QCOMPARE(sum, static_cast<long>(difference(*parseDate(list.start(1)), d)));
        }
    }
};

QTEST_APPLESS_MAIN(TestPeriods)
#include "tst_core_periods.moc"

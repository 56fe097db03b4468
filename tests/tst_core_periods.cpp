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
    // "insert k", "remove k" or "split" (at 1 January); after: "start=rate;..." and the count.
    void edits_data() {
        for (const char* column : {"before", "edit", "after"})
            QTest::addColumn<QString>(column);
        // clang-format off
        QTest::newRow("insert beyond the last period changes nothing") << "01/01/01=1" << "insert 5" << "01/01/01=1 1";
        QTest::newRow("insert keeps a start still waiting for its rate") << "01/01/01=1;01/01/02=" << "insert 1" << "01/01/01=1;01/01/01=1;01/01/02= 2";
        QTest::newRow("remove period 2 of 3") << "01/01/01=1;01/01/02=2;01/01/03=3" << "remove 2" << "01/01/01=1;01/01/03=3 2";
        QTest::newRow("remove without rate is ignored") << "01/01/01=1;01/01/02=" << "remove 2" << "01/01/01=1;01/01/02= 1";
        QTest::newRow("remove beyond a gap removes that period") << "01/01/01=1;=;01/01/03=3" << "remove 3" << "01/01/01=1 1";
        QTest::newRow("split: two year turns") << "15/06/00=7;15/03/02=3" << "split" << "15/06/00=7;01/01/01=7;01/01/02=7;15/03/02=3 4";
        QTest::newRow("split: ends on 31 December, next year given") << "15/06/00=7;01/01/02=3" << "split" << "15/06/00=7;01/01/01=7;01/01/02=3 3";
        QTest::newRow("split: four-digit year keeps its century") << "15/06/1925=4;15/03/1927=5" << "split" << "15/06/1925=4;01/01/1926=4;01/01/1927=4;15/03/1927=5 4";
        QTest::newRow("split: unreadable start is left alone") << "xx=1;15/03/02=3" << "split" << "xx=1;15/03/02=3 2";
        // clang-format on
    }
    void edits() {
        QFETCH(QString, before);
        QFETCH(QString, edit);
        QFETCH(QString, after);
        PeriodList list = listOf(before);
        const int last = list.lastUsedSlot(), k = edit.section(' ', 1).toInt();
        list.slot(last).end = "31/12/05";
        list.slot(last).days = list.slot(last).capital = 1;
        if (edit == "split")
            QCOMPARE(dividianni(list).inserted, int(after.count(';') - before.count(';')));
        else
            edit.startsWith("insert") ? void(list.insert(k)) : void(list.remove(k));
        QStringList rows;
        for (int s = 1; s <= list.lastUsedSlot(); ++s)
            rows << QString::fromStdString(list.slot(s).start + "=" + list.slot(s).rate);
        QCOMPARE(rows.join(';') + " " + QString::number(list.numperiodi), after);
        // The slot a removal vacates keeps nothing of the period that was there.
        const PeriodSlot& v = list.slot(last);
        QVERIFY(list.lastUsedSlot() >= last || (v.end.empty() && !v.days && !v.capital));
    }

    // Any ascending starts: days add up to the span, no year left whole, a second split idle.
    void daysAddUpAndSplitIsIdempotent() {
        std::mt19937 rng(20261208);
        const auto below = [&](int n) { return static_cast<int>(rng() % n); };
        for (int round = 0; round < 300; ++round) {
            QStringList starts;
            Date d{1935 + below(40), 1 + below(12), 1 + below(28)};
            for (int k = 0, n = 1 + below(60); k < n; ++k, d = addDays(d, 1 + below(700)))
                starts << QString::fromStdString(dateText(d)) + "=5";
            PeriodList list = listOf(starts.join(';'));
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

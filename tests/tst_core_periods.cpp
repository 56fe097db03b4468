// The period list: insert, delete, end dates, days and the year split.
#include "core/date.h"
#include "core/periodderivation.h"
#include "core/periodlist.h"

#include "tests/support/periodfixtures.h"

#include <QtTest>
#include <random>

using namespace core;

namespace {

// The slots in use as "start=rate;..." and, after a blank, the period count.
QString describe(const PeriodList& list) {
    QStringList out;
    for (int k = 1; k <= list.lastUsedSlot(); ++k)
        out << QString::fromStdString(list.slot(k).start + "=" + list.slot(k).rate);
    return out.join(';') + " " + QString::number(list.numperiodi);
}

} // namespace

class TestPeriods : public QObject {
    Q_OBJECT
private slots:
    // "insert k", "remove k" or "split" (each 1 January).
    void edits_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::newRow("insert beyond the last period changes nothing") << "01/01/01=1" << "insert 5" << "01/01/01=1 1";
        QTest::newRow("insert keeps a start still waiting for its rate") << "01/01/01=1;01/01/02=" << "insert 1" << "01/01/01=1;01/01/01=1;01/01/02= 2";
        QTest::newRow("remove period 2 of 3") << "01/01/01=1;01/01/02=2;01/01/03=3" << "remove 2" << "01/01/01=1;01/01/03=3 2";
        QTest::newRow("remove without rate is ignored") << "01/01/01=1;01/01/02=" << "remove 2" << "01/01/01=1;01/01/02= 1";
        QTest::newRow("remove beyond a gap removes that period") << "01/01/01=1;=;01/01/03=3" << "remove 3" << "01/01/01=1 1";
        QTest::newRow("split: two year turns") << "15/06/00=7;15/03/02=3" << "split" << "15/06/00=7;01/01/01=7;01/01/02=7;15/03/02=3 4";
        QTest::newRow("split: already at 1 January") << "01/01/01=10;01/01/02=10" << "split" << "01/01/01=10;01/01/02=10 2";
        QTest::newRow("split: ends on 31 December, next year given") << "15/06/00=7;01/01/02=3" << "split" << "15/06/00=7;01/01/01=7;01/01/02=3 3";
        QTest::newRow("split: out of order") << "01/06/03=1;01/06/01=2" << "split" << "01/06/03=1;01/06/01=2 2";
        QTest::newRow("split: four-digit year keeps its century") << "15/06/1925=4;15/03/1927=5" << "split" << "15/06/1925=4;01/01/1926=4;01/01/1927=4;15/03/1927=5 4";
        QTest::newRow("split: unreadable start is left alone") << "xx=1;15/03/02=3" << "split" << "xx=1;15/03/02=3 2";
        // clang-format on
    }
    void edits() {
        QFETCH(QString, before);
        QFETCH(QString, edit);
        QFETCH(QString, after);
        PeriodList list = listOf(before);
        const int last = list.lastUsedSlot();
        const int k = edit.section(' ', 1).toInt();
        if (edit == "split") {
            const auto out = dividianni(list);
            QVERIFY(!out.refused && out.inserted == after.count(';') - before.count(';'));
        } else {
            list.slot(last).end = "31/12/05";
            list.slot(last).days = list.slot(last).capital = 1;
            edit.startsWith("insert") ? void(list.insert(k)) : void(list.remove(k));
        }
        QCOMPARE(describe(list), after);
        // The slot a removal vacates keeps nothing of the period that was there.
        if (list.lastUsedSlot() < last)
            QVERIFY(list.slot(last).end.empty() && !list.slot(last).days &&
                    !list.slot(last).capital);
    }

    // For any ascending start dates the days add up to the whole span, and a
    // second split finds nothing to do.
    void daysAddUpAndSplitIsIdempotent() {
        std::mt19937 rng(20261208);
        for (int round = 0; round < 300; ++round) {
            const int n = 1 + static_cast<int>(rng() % 60);
            PeriodList list;
            Date d{1935 + static_cast<int>(rng() % 40), 1 + static_cast<int>(rng() % 12),
                   1 + static_cast<int>(rng() % 28)};
            for (int k = 1; k <= n; ++k) {
                list.slot(k).start = dateText(d);
                list.slot(k).rate = std::to_string(1 + rng() % 20);
                d = addDays(d, 1 + static_cast<int>(rng() % 700));
            }
            list.contaperiodi();
            QVERIFY(!dividianni(list).refused);
            QCOMPARE(dividianni(list).inserted, 0);
            long sum = 0;
            for (int k = 1; k <= list.numperiodi; ++k) {
                deriveEndAndDays(list, k, dateText(d));
                sum += *list.slot(k).days;
            }
            QCOMPARE(sum, static_cast<long>(difference(*parseDate(list.start(1)), d)));
            for (int k = 2; k <= list.numperiodi; ++k)
                QVERIFY(parseDate(list.start(k))->year - parseDate(list.start(k - 1))->year <= 1);
        }
    }
};

QTEST_APPLESS_MAIN(TestPeriods)
#include "tst_core_periods.moc"

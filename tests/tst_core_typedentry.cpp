// SPDX-License-Identifier: GPL-3.0-or-later
// Start dates and rates typed into a row instead of set with their bars.
#include "core/typedentry.h"

#include <QtTest>

using namespace core;

class TestTypedEntry : public QObject {
    Q_OBJECT
private slots:
    void dates_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read"); // "" when refused
        QTest::newRow("four-digit year") << "15/06/2000"
                                         << "15/06/00";
        QTest::newRow("two-digit year") << "15/06/00"
                                        << "15/06/00";
        QTest::newRow("digits only, four-digit year") << "15062000"
                                                      << "15/06/00";
        QTest::newRow("digits only, two-digit year") << "150600"
                                                     << "15/06/00";
        QTest::newRow("dashes and blanks") << " 1-2-1999 "
                                           << "01/02/99";
        QTest::newRow("points") << "31.12.29"
                                << "31/12/29";
        QTest::newRow("no such day") << "31/02/2001"
                                     << "";
        QTest::newRow("seven digits") << "1506200"
                                      << "";
        QTest::newRow("letters") << "ieri"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void dates() {
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const auto date = readTypedDate(typed.toStdString());
        QCOMPARE(date ? QString::fromStdString(dateText(*date)) : QString(), read);
    }

    void rates_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("hundredths"); // -1 when refused
        QTest::newRow("comma") << "4,5" << 450;
        QTest::newRow("point") << "4.5" << 450;
        QTest::newRow("whole") << "4" << 400;
        QTest::newRow("two decimals") << "13,75" << 1375;
        QTest::newRow("smallest") << "0,01" << 1;
        QTest::newRow("three decimals") << "4,555" << -1;
        QTest::newRow("trailing zeros") << "2,500" << 250;
        QTest::newRow("letters") << "tre" << -1;
        QTest::newRow("negative") << "-1" << -100;
    }
    void rates() {
        QFETCH(QString, typed);
        QFETCH(int, hundredths);
        QCOMPARE(readTypedRate(typed.toStdString()).value_or(-1), hundredths);
    }
};

QTEST_APPLESS_MAIN(TestTypedEntry)
#include "tst_core_typedentry.moc"

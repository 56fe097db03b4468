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

    // What the bars can hold, at both ends. Today is 09/12/2026; the oldest
    // start date is 32767 days before it.
    void barValues_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("barValue"); // -1 when refused
        QTest::newRow("today") << "date"
                               << "09/12/2026" << 0;
        QTest::newRow("tomorrow") << "date"
                                  << "10/12/2026" << -1;
        QTest::newRow("a year ago") << "date"
                                    << "09/12/25" << 365;
        QTest::newRow("oldest") << "date"
                                << "24/03/1937" << 32767;
        QTest::newRow("older than the bar") << "date"
                                            << "23/03/1937" << -1;
        QTest::newRow("not a date") << "date"
                                    << "32/01/2000" << -1;
        QTest::newRow("lowest rate") << "rate"
                                     << "0,01" << 1;
        QTest::newRow("highest rate") << "rate"
                                      << "100" << 10000;
        QTest::newRow("above 100") << "rate"
                                   << "100,01" << -1;
        QTest::newRow("zero") << "rate"
                              << "0" << -1;
        QTest::newRow("negative rate") << "rate"
                                       << "-4" << -1;
        QTest::newRow("three decimals") << "rate"
                                        << "4,125" << -1;
    }
    void barValues() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, barValue);
        const Date today{2026, 12, 9};
        const auto value = field == "date" ? typedStartDateBarValue(typed.toStdString(), today)
                                           : typedRateBarValue(typed.toStdString());
        QCOMPARE(value.value_or(-1), barValue);
    }
};

QTEST_APPLESS_MAIN(TestTypedEntry)
#include "tst_core_typedentry.moc"

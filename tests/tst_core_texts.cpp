// Date and number texts, calendar arithmetic and the date bars.
#include "core/date.h"
#include "core/numbertext.h"
#include "core/scrollbardate.h"

#include <QtTest>
#include <clocale>

using namespace core;

namespace {
QString dateString(std::optional<Date> d) {
    return d ? QString::asprintf("%04d-%02d-%02d", d->year, d->month, d->day)
             : QStringLiteral("invalid");
}
Date D(const char* text) {
    return *parseDate(text);
}
} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void readDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two-digit 1942") << "21/04/42"
                                        << "1942-04-21";
        QTest::newRow("two-digit 2010") << "01/01/10"
                                        << "2010-01-01";
        QTest::newRow("window top") << "31/12/29"
                                    << "2029-12-31";
        QTest::newRow("window bottom") << "01/01/30"
                                       << "1930-01-01";
        QTest::newRow("one-digit day") << "7/06/58"
                                       << "1958-06-07";
        QTest::newRow("four-digit year") << "15/03/2031"
                                         << "2031-03-15";
        QTest::newRow("leap day") << "29/02/00"
                                  << "2000-02-29";
        QTest::newRow("31 February") << "31/02/01"
                                     << "invalid";
        QTest::newRow("empty") << ""
                               << "invalid";
        QTest::newRow("letters") << "abc"
                                 << "invalid";
        QTest::newRow("one-digit year") << "1/1/1"
                                        << "invalid";
        QTest::newRow("zeros") << "00/00/00"
                               << "invalid";
        QTest::newRow("missing part") << "01/01"
                                      << "invalid";
    }
    void readDate() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(dateString(parseDate(text.toStdString())), expected);
    }

    void writeDate_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("text");
        QTest::newRow("2001") << 2001 << 1 << 1 << "01/01/01";
        QTest::newRow("2029") << 2029 << 12 << 31 << "31/12/29";
        // Outside the window a two-digit year would read back in another century.
        QTest::newRow("2030") << 2030 << 1 << 1 << "01/01/2030";
        QTest::newRow("1929") << 1929 << 12 << 31 << "31/12/1929";
    }
    void writeDate() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, text);
        const std::string written = dateText(Date{year, month, day});
        QCOMPARE(QString::fromStdString(written), text);
        QCOMPARE(parseDate(written), (std::optional<Date>{Date{year, month, day}}));
    }

    void arithmetic_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("days");
        QTest::newRow("same day") << "01/01/01"
                                  << "01/01/01" << 0;
        QTest::newRow("a year of 2001") << "01/01/01"
                                        << "31/12/01" << 364;
        QTest::newRow("leap 2000 after February") << "15/03/00"
                                                  << "15/03/01" << 365;
        QTest::newRow("leap 2004") << "01/01/04"
                                   << "31/12/04" << 365;
        QTest::newRow("across the window") << "31/12/29"
                                           << "01/01/30" << -36524;
        QTest::newRow("two centuries") << "01/01/1900"
                                       << "01/01/2100" << 73049;
    }
    void arithmetic() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, days);
        const Date a = D(from.toLatin1()), b = D(to.toLatin1());
        QCOMPARE(difference(a, b), days);
        QCOMPARE(addDays(a, days), b);
        QCOMPARE(addDays(b, -days), a);
    }

    void addYearKeepsFirstOfJanuary() {
        QCOMPARE(addYear(D("01/01/03")), D("01/01/04"));
        QCOMPARE(addYear(D("29/02/04")), D("01/03/05"));
    }

    void readNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("integer") << "1000" << 1000.0 << true;
        QTest::newRow("decimal comma") << "3,5" << 3.5 << true;
        QTest::newRow("thousands period") << "1.000,50" << 1000.5 << true;
        QTest::newRow("empty") << "" << 0.0 << false;
        QTest::newRow("letters") << "abc" << 0.0 << false;
        QTest::newRow("two commas") << "1,2,3" << 0.0 << false;
        QTest::newRow("exponent") << "1e3" << 0.0 << false;
        QTest::newRow("blank inside") << "1 000" << 0.0 << false;
        QTest::newRow("too large") << QString(400, '9') << 0.0 << false;
    }
    void readNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, valid);
        const auto n = parseNumber(text.toStdString());
        QCOMPARE(n.has_value(), valid);
        if (valid) QCOMPARE(*n, value);
    }

    void writeNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("2,5") << 2.5 << "2,5";
        QTest::newRow("1234,56") << 1234.56 << "1234,56";
        QTest::newRow("no trailing zeros") << 1209.70 << "1209,7";
        QTest::newRow("sum with binary noise") << 99.73 + 100.0 + 1000.0 << "1199,73";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0,3";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("small, no exponent") << 0.00001 << "0,00001";
        QTest::newRow("fifteen digits") << 1.0 / 3.0 << "0,333333333333333";
    }
    void writeNumber() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(numberText(value)), text);
    }

    void reportFormats_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("printed");
        QTest::newRow("grouped") << "10512,5" << true << "10.512,50";
        QTest::newRow("plain") << "3,5" << false << "3,50";
        QTest::newRow("two groups") << "1234567,891" << true << "1.234.567,89";
        QTest::newRow("no grouping in plain") << "1234567" << false << "1234567,00";
        QTest::newRow("below a thousand") << "999" << true << "999,00";
        QTest::newRow("zero before the comma") << "0,5" << true << "0,50";
        QTest::newRow("carry into a new group") << "999,995" << true << "1.000,00";
        QTest::newRow("half away from zero") << "2,675" << false << "2,68";
        QTest::newRow("negative") << "-10512,5" << true << "-10.512,50";
        QTest::newRow("negative half") << "-0,125" << false << "-0,13";
        QTest::newRow("no sign on zero") << "-0,004" << true << "0,00";
        QTest::newRow("thousands period read") << "1.000,5" << true << "1.000,50";
        QTest::newRow("surrounding blanks") << " 7 " << false << "7,00";
        QTest::newRow("empty stays empty") << "" << true << "";
        QTest::newRow("letters stay") << "abc" << true << "abc";
        QTest::newRow("half a number stays") << "12abc" << false << "12abc";
    }
    void reportFormats() {
        QFETCH(QString, text);
        QFETCH(bool, grouped);
        QFETCH(QString, printed);
        const NumberPattern pattern = grouped ? NumberPattern::Grouped : NumberPattern::Plain;
        QCOMPARE(QString::fromStdString(formatNumberText(text.toStdString(), pattern)), printed);
    }

    void reportFormatOfComputedSums() {
        // A result as the engine adds it, with binary noise, prints as shown on screen.
        QCOMPARE(
            QString::fromStdString(formatNumber(99.73 + 100.0 + 1000.0, NumberPattern::Grouped)),
            QString("1.199,73"));
        QCOMPARE(QString::fromStdString(formatNumber((0.1 + 0.025) - 0.1, NumberPattern::Plain)),
                 QString("0,03")); // 0,024999999999999994
    }

    // An Italian C locale must not turn the written numbers around.
    void numbersIgnoreTheSystemLocale() {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        struct Restore {
            std::string saved;
            ~Restore() { std::setlocale(LC_NUMERIC, saved.c_str()); }
        } restore{current ? current : "C"};
        if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8"))
            QSKIP("the it_IT.UTF-8 locale is not installed: scripts/install-deps.sh generates it");
        QCOMPARE(QString::fromStdString(numberText(1234.5)), QString("1234,5"));
        QCOMPARE(*parseNumber("3,5"), 3.5);
        QCOMPARE(*parseNumber("1.000,5"), 1000.5);
        QCOMPARE(QString::fromStdString(formatNumber(10512.5, NumberPattern::Grouped)),
                 QString("10.512,50"));
    }

    void rateBar_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("250") << 250 << "2,5";
        QTest::newRow("7") << 7 << "0,07";
        QTest::newRow("1") << 1 << "0,01";
        QTest::newRow("10000") << 10000 << "100";
    }
    void rateBar() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(rateBarText(value)), text);
        QCOMPARE(rateBarValue(text.toStdString()), std::optional<int>(value));
    }

    void rateBarValueRoundsHalfToEven() {
        QCOMPARE(rateBarValue("0,125"), std::optional<int>(12));
        QCOMPARE(rateBarValue("0,135"), std::optional<int>(14));
        QCOMPARE(rateBarValue("abc"), std::nullopt);
    }

    void dateBars() {
        const Date today = D("08/12/26");
        QCOMPARE(dateOfBarValue(0, today), today);
        QCOMPARE(dateOfBarValue(1, today), D("07/12/26"));
        QCOMPARE(barValueOfDate(today, today, kStartDateBar), std::optional<int>(0));
        // The final-date bar stops at yesterday; neither bar holds tomorrow.
        QCOMPARE(barValueOfDate(today, today, kFinalDateBar), std::nullopt);
        QCOMPARE(barValueOfDate(D("09/12/26"), today, kStartDateBar), std::nullopt);
        QCOMPARE(barValueOfDate(addDays(today, -32767), today, kStartDateBar),
                 std::optional<int>(32767));
        QCOMPARE(barValueOfDate(addDays(today, -32768), today, kStartDateBar), std::nullopt);
    }

    void step365_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("across 29 February") << "01/03/04"
                                            << "02/03/03";
        QTest::newRow("ordinary year") << "15/06/02"
                                       << "15/06/01";
    }
    void step365() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        const Date today = D("08/12/26");
        const int v = *barValueOfDate(D(from.toLatin1()), today, kStartDateBar);
        QCOMPARE(QString::fromStdString(dateText(stepBack365(v, today))), to);
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_core_texts.moc"

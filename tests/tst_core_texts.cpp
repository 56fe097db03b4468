// Date and number texts, calendar arithmetic and the date bars.
#include "core/date.h"
#include "core/numbertext.h"
#include "core/scrollbardate.h"

#include <QtTest>
#include <clocale>

using namespace core;

namespace {
Date D(const QString& text) {
    return *parseDate(text.toStdString());
}
} // namespace

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    // A text read as a date and written back; "invalid" when it is none.
    void dates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("two-digit year") << "21/04/42" << "1942-04-21" << "21/04/42";
        QTest::newRow("window top") << "31/12/29" << "2029-12-31" << "31/12/29";
        QTest::newRow("window bottom") << "01/01/30" << "1930-01-01" << "01/01/30";
        QTest::newRow("one-digit day") << "7/06/58" << "1958-06-07" << "07/06/58";
        QTest::newRow("leap day") << "29/02/00" << "2000-02-29" << "29/02/00";
        // Outside the window a two-digit year would read back in another century.
        QTest::newRow("four-digit year after") << "01/01/2030" << "2030-01-01" << "01/01/2030";
        QTest::newRow("four-digit year before") << "31/12/1929" << "1929-12-31" << "31/12/1929";
        QTest::newRow("31 February") << "31/02/01" << "invalid" << "";
        QTest::newRow("zeros") << "00/00/00" << "invalid" << "";
        QTest::newRow("one-digit year") << "1/1/1" << "invalid" << "";
        QTest::newRow("missing part") << "01/01" << "invalid" << "";
        QTest::newRow("empty") << "" << "invalid" << "";
        // clang-format on
    }
    void dates() {
        QFETCH(QString, text);
        QFETCH(QString, date);
        QFETCH(QString, written);
        const auto d = parseDate(text.toStdString());
        QCOMPARE(d ? QString::asprintf("%04d-%02d-%02d", d->year, d->month, d->day) : "invalid",
                 date);
        if (d) QCOMPARE(QString::fromStdString(dateText(*d)), written);
    }

    void readNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // -1: not a number
        QTest::newRow("decimal comma") << "3,5" << 3.5;
        QTest::newRow("thousands period") << "1.000,50" << 1000.5;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("two commas") << "1,2,3" << -1.0;
        QTest::newRow("exponent") << "1e3" << -1.0;
        QTest::newRow("blank inside") << "1 000" << -1.0;
        QTest::newRow("too large") << QString(400, '9') << -1.0;
    }
    void readNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(parseNumber(text.toStdString()).value_or(-1), value);
    }

    void writeNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
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

    // The printed reports' "##,##0.00" (grouped) and "##0.00".
    void reportFormats_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("grouped");
        QTest::addColumn<QString>("printed");
        QTest::newRow("grouped") << "10512,5" << true << "10.512,50";
        QTest::newRow("plain") << "3,5" << false << "3,50";
        QTest::newRow("two groups") << "1234567,891" << true << "1.234.567,89";
        QTest::newRow("no grouping in plain") << "1234567" << false << "1234567,00";
        QTest::newRow("zero before the comma") << "0,5" << true << "0,50";
        QTest::newRow("carry into a new group") << "999,995" << true << "1.000,00";
        QTest::newRow("half away from zero") << "2,675" << false << "2,68";
        QTest::newRow("negative") << "-10512,5" << true << "-10.512,50";
        QTest::newRow("no sign on zero") << "-0,004" << true << "0,00";
        QTest::newRow("half a number stays") << "12abc" << false << "12abc";
    }
    void reportFormats() {
        QFETCH(QString, text);
        QFETCH(bool, grouped);
        QFETCH(QString, printed);
        const NumberPattern pattern = grouped ? NumberPattern::Grouped : NumberPattern::Plain;
        QCOMPARE(QString::fromStdString(formatNumberText(text.toStdString(), pattern)), printed);
        // A result with binary noise (0,024999999999999994) prints as shown on screen.
        QCOMPARE(QString::fromStdString(formatNumber((0.1 + 0.025) - 0.1, NumberPattern::Plain)),
                 QString("0,03"));
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
        QCOMPARE(*parseNumber("1.000,5"), 1000.5);
        QCOMPARE(QString::fromStdString(formatNumber(10512.5, NumberPattern::Grouped)),
                 QString("10.512,50"));
    }

    // A rate text as the rate bar takes it (half to even) and gives it back.
    void rateBar_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: none
        QTest::addColumn<QString>("back");
        QTest::newRow("2,5") << "2,5" << 250 << "2,5";
        QTest::newRow("100") << "100" << 10000 << "100";
        QTest::newRow("half down to even") << "0,125" << 12 << "0,12";
        QTest::newRow("half up to even") << "0,135" << 14 << "0,14";
        QTest::newRow("not a number") << "abc" << -1 << "";
    }
    void rateBar() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(QString, back);
        QCOMPARE(rateBarValue(text.toStdString()).value_or(-1), value);
        if (value >= 0) QCOMPARE(QString::fromStdString(rateBarText(value)), back);
    }

    // A click on a start date goes 365 days back, across 29 February too.
    void step365() {
        const Date today = D("08/12/26");
        const int v = *barValueOfDate(D("01/03/04"), today, kStartDateBar);
        QCOMPARE(dateText(stepBack365(v, today)), std::string("02/03/03"));
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_core_texts.moc"

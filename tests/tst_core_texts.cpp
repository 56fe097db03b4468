// SPDX-License-Identifier: GPL-3.0-or-later
// Date and number texts, calendar arithmetic and the date bars.
#include "core/date.h"
#include "core/numbertext.h"
#include "core/scrollbardate.h"

#include <QtTest>
#include <clocale>

using namespace core;

class TestTexts : public QObject {
    Q_OBJECT
    bool italian = false;

private slots:
    // An Italian C locale must not turn the texts around; without it, a skip shows.
    void initTestCase() { italian = std::setlocale(LC_NUMERIC, "it_IT.UTF-8") != nullptr; }
    void italianLocaleInstalled() {
        if (!italian)
            QSKIP("it_IT.UTF-8 is not installed (scripts/install-deps.sh generates it): "
                  "the texts were checked under the C locale only");
    }
    // A text read and written back as a date, a number, a rate on its bar (half
    // to even), in the reports' "##,##0.00" (grouped) and "##0.00" (plain).
    void texts_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        // clang-format off
        QTest::newRow("date: two-digit year") << "date" << "21/04/42" << "1942 21/04/42";
        QTest::newRow("date: window top") << "date" << "31/12/29" << "2029 31/12/29";
        QTest::newRow("date: window bottom") << "date" << "01/01/30" << "1930 01/01/30";
        QTest::newRow("date: one-digit day") << "date" << "7/06/58" << "1958 07/06/58";
        QTest::newRow("date: leap day") << "date" << "29/02/00" << "2000 29/02/00";
        // Outside the window a two-digit year would read back in another century.
        QTest::newRow("date: four-digit year") << "date" << "01/01/2030" << "2030 01/01/2030";
        QTest::newRow("date: 31 February") << "date" << "31/02/01" << "invalid";
        QTest::newRow("date: one-digit year") << "date" << "1/1/1" << "invalid";
        QTest::newRow("number: decimal comma") << "number" << "3,5" << "3.5";
        QTest::newRow("number: thousands period") << "number" << "1.000,50" << "1000.5";
        QTest::newRow("number: empty") << "number" << "" << "invalid";
        QTest::newRow("number: exponent") << "number" << "1e3" << "invalid";
        QTest::newRow("number: too large") << "number" << QString(400, '9') << "invalid";
        QTest::newRow("rate: 2,5") << "rate" << "2,5" << "250 2,5";
        QTest::newRow("rate: half down to even") << "rate" << "0,125" << "12 0,12";
        QTest::newRow("rate: half up to even") << "rate" << "0,135" << "14 0,14";
        QTest::newRow("rate: not a number") << "rate" << "abc" << "invalid";
        QTest::newRow("grouped: two groups") << "grouped" << "1234567,891" << "1.234.567,89";
        QTest::newRow("plain: no grouping") << "plain" << "1234567" << "1234567,00";
        QTest::newRow("grouped: zero before the comma") << "grouped" << "0,5" << "0,50";
        QTest::newRow("grouped: carry into a new group") << "grouped" << "999,995" << "1.000,00";
        QTest::newRow("plain: half away from zero") << "plain" << "2,675" << "2,68";
        QTest::newRow("grouped: negative") << "grouped" << "-10512,5" << "-10.512,50";
        QTest::newRow("grouped: no sign on zero") << "grouped" << "-0,004" << "0,00";
        QTest::newRow("plain: half a number stays") << "plain" << "12abc" << "12abc";
        // A double as the engine holds it, shown or printed without its binary noise.
        QTest::newRow("written: no trailing zeros") << "written" << "1209.70" << "1209,7";
        QTest::newRow("written: 0.1 + 0.2") << "written" << "0.30000000000000004" << "0,3";
        QTest::newRow("written: negative zero") << "written" << "-0.0" << "0";
        QTest::newRow("written: small, no exponent") << "written" << "0.00001" << "0,00001";
        QTest::newRow("written: fifteen digits") << "written" << "0.3333333333333333" << "0,333333333333333";
        QTest::newRow("written plain: noise under a half cent") << "written plain" << "0.024999999999999994" << "0,03";
        QTest::newRow("start date bar: 365 days back across 29 February") << "back 365" << "01/03/04" << "02/03/03";
        // clang-format on
    }
    void texts() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, result);
        const std::string t = text.toStdString();
        const Date today{2026, 12, 8};
        std::string got = "invalid";
        if (kind == "date") {
            if (const auto d = parseDate(t)) got = std::to_string(d->year) + " " + dateText(*d);
        } else if (kind == "number") {
            if (const auto v = parseNumber(t)) got = QString::number(*v, 'g', 17).toStdString();
        } else if (kind == "rate") {
            if (const auto v = rateBarValue(t)) got = std::to_string(*v) + " " + rateBarText(*v);
        } else if (kind == "back 365") {
            got =
                dateText(stepBack365(*barValueOfDate(*parseDate(t), today, kStartDateBar), today));
        } else if (kind.startsWith("written")) {
            const double v = text.toDouble(); // C locale whatever the system's
            got = kind == "written" ? numberText(v) : formatNumber(v, NumberPattern::Plain);
        } else {
            got = formatNumberText(t, kind == "grouped" ? NumberPattern::Grouped
                                                        : NumberPattern::Plain);
        }
        QCOMPARE(QString::fromStdString(got), result);
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_core_texts.moc"

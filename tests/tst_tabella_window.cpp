// SPDX-License-Identifier: GPL-3.0-or-later
// The rate-table window driven as a user drives it: presets, lines, bars, edits, printing.
#include "support/odfcontent.h"
#include "support/tabellasupport.h"
#include "support/testsupport.h"

#include "core/date.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

using namespace TabellaTest;

namespace {

const QString kLegalTitle = "Tabella dei tassi legali (art.1284 Codice Civile)";
// The legal rates in the bars' forms.
const Periods kLegalShown = {{"21/04/42", "5"},   {"16/12/90", "10"},  {"01/01/97", "5"},
                             {"01/01/99", "2,5"}, {"01/01/01", "3,5"}, {"01/01/02", "3"},
                             {"01/01/04", "2,5"}, {"01/01/08", "3"},   {"01/01/10", "1"}};
const Periods kFive = {
    {"01/01/01", "1"}, {"01/01/02", "2"}, {"01/01/03", "3"}, {"01/01/04", "4"}, {"01/01/05", "5"}};
const Periods kGap = {{"01/01/01", "1"}, {"01/01/02", "2"}, {"", ""}, {"01/01/04", "4"}};

// The periods followed by empty rows up to `size`.
Periods upTo(Periods periods, int size) {
    while (periods.size() < size)
        periods.append(QPair<QString, QString>());
    return periods;
}

} // namespace

class TestTabellaWindow : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeWindows();
        fixture.reset();
    }

    // The legal rates first, in the bars' forms, each ending the day before the next.
    void legalRatesFirst() {
        Tabella& w = open();
        QCOMPARE(column(w, "al").mid(0, 10),
                 QStringList({"15/12/90", "31/12/96", "31/12/98", "31/12/00", "31/12/01",
                              "31/12/03", "31/12/07", "31/12/09", "", ""}));
        QCOMPARE(rows(w, 1, 10), upTo(kLegalShown, 10));
        QCOMPARE(w.table().rowCount(), 9);
    }

    // "&TUS" replaces a long table whole (rows never shown keep their texts)
    // and outlives the window; the legal rates replace it whole.
    void discountRatesReplaceAndOutliveTheWindow() {
        Tabella& w = open();
        fill(w, Periods(150, {"01/01/01", "1"}));
        click(w, "ricaric(2)");
        QCOMPARE(text(w, "al(1)"), QString("06/06/58"));
        QCOMPARE(rows(w, 1, 2), Periods({{"01/01/58", "4"}, {"07/06/58", "3,5"}}));
        QCOMPARE(rows(w, 16, 16), Periods({{"04/10/76", "15,00"}}));
        QCOMPARE(rows(w, 98, 99), Periods({{"13/05/09", "1,00"}, {"", ""}}));
        QCOMPARE(w.table().rowCount(), 98);

        fill(w, {{"01/01/20", "7"}});
        WindowRegistry::unload(&w);
        closeWindows();
        Tabella& again = open();
        QCOMPARE(rows(again, 1, 1), Periods({{"01/01/58", "4"}}));
        QCOMPARE(again.table().rowCount(), 98);
        click(again, "ricaric(1)");
        QCOMPARE(again.titolo(), kLegalTitle);
        QCOMPARE(again.table().lastUsedRow(), 9);
    }

    // A click on a row number or a cross, or the check: the box it shows
    // (none: no box), rows 1..7 and the count afterwards.
    void edits_data() {
        QTest::addColumn<Periods>("table");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<Periods>("after"); // rows 1..7
        QTest::addColumn<int>("count");
        using namespace BoxStyle;
        const Periods lastRowTaken = upTo(kLegalShown, 199) + Periods{{"01/01/20", ""}};
        // clang-format off
        QTest::newRow("insert at row 3") << kFive << "num(3)" << 0 << "" << upTo({{"01/01/01", "1"}, {"01/01/02", "2"}, {"01/01/03", "3"}, {"01/01/03", "3"}, {"01/01/04", "4"}, {"01/01/05", "5"}}, 7) << 6;
        QTest::newRow("insert below the last row") << kFive << "num(8)" << 0 << "" << upTo(kFive, 7) << 5;
        QTest::newRow("delete the last row") << kFive << "delriga(5)" << 0 << "" << upTo(kFive.mid(0, 4), 7) << 4;
        QTest::newRow("cross of a row without a rate") << Periods{{"01/01/01", "1"}, {"01/01/02", ""}} << "delriga(2)" << 0 << "" << upTo({{"01/01/01", "1"}, {"01/01/02", ""}}, 7) << 1;
        // A row built below an empty one is kept where it is.
        QTest::newRow("insert keeps a row after a gap") << kGap << "num(1)" << 0 << "" << upTo({{"01/01/01", "1"}, {"01/01/01", "1"}, {"01/01/02", "2"}, {"", ""}, {"01/01/04", "4"}}, 7) << 4;
        QTest::newRow("delete closes up a row after a gap") << kGap << "delriga(1)" << 0 << "" << upTo({{"01/01/02", "2"}, {"", ""}, {"01/01/04", "4"}}, 7) << 2;
        QTest::newRow("insert refused when row 200 is taken") << lastRowTaken << "num(1)" << kInformation << "Siamo già a 200 periodi: non è possibile aggiungerne degli altri." << upTo(kLegalShown.mid(0, 7), 7) << 9;
        QTest::newRow("check: lowest faulty row only") << Periods{{"01/01/01", "1"}, {"", "2"}, {"01/01/03", "3"}, {"01/01/04", ""}} << "controlla" << kWarning << "Digitare il periodo di partenza del tasso n. 2" << upTo({{"01/01/01", "1"}, {"", "2"}, {"01/01/03", "3"}, {"01/01/04", ""}}, 7) << 3;
        QTest::newRow("check: date without rate") << kFive + Periods{{"01/01/06", "6"}, {"01/01/07", ""}} << "controlla" << kWarning << "Digitare il tasso del periodo n. 7" << kFive + Periods{{"01/01/06", "6"}, {"01/01/07", ""}} << 6;
        // clang-format on
    }
    void edits() {
        QFETCH(Periods, table);
        QFETCH(QString, command);
        QFETCH(int, style);
        QFETCH(QString, prompt);
        Tabella& w = open();
        fill(w, table);
        if (!prompt.isEmpty()) expectBox();
        if (auto* action = w.findChild<QAction*>(command))
            action->trigger();
        else
            click(w, command);
        QCOMPARE(MessageBox::shown().size(), prompt.isEmpty() ? 0 : 1);
        if (!prompt.isEmpty()) {
            QCOMPARE(lastBox().style, style);
            QCOMPARE(lastBox().prompt, prompt);
        }
        QTEST(rows(w, 1, 7), "after");
        QTEST(w.table().rowCount(), "count");
    }

    // A row's texts shown on a line: what the bars hold is rewritten into
    // their form, anything else shown unchanged.
    void positioningRewritesOnlyWhatTheBarsHold_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("shownDate");
        QTest::addColumn<QString>("shownRate");
        // clang-format off
        QTest::newRow("trailing zeros") << "16/12/90" << "5,00" << "16/12/90" << "5";
        QTest::newRow("four-digit year") << "16/12/1991" << "3" << "16/12/91" << "3";
        // The line's bar already stands on that day: no move, no rewrite.
        QTest::newRow("bar already there") << "16/12/1990" << "3" << "16/12/1990" << "3";
        QTest::newRow("date after today, rate 0,00") << "01/01/29" << "0,00" << "01/01/29" << "0,00";
        QTest::newRow("more decimals than the bar") << "16/12/90" << "2,555" << "16/12/90" << "2,555";
        QTest::newRow("not a date, not a number") << "dicembre" << "circa" << "dicembre" << "circa";
        // clang-format on
    }
    void positioningRewritesOnlyWhatTheBarsHold() {
        QFETCH(QString, date);
        QFETCH(QString, rate);
        QFETCH(QString, shownDate);
        QFETCH(QString, shownRate);
        Tabella& w = open();
        fill(w, {{"21/04/42", "5,00"}, {date, rate}});
        QCOMPARE(rows(w, 2, 2), Periods({{shownDate, shownRate}}));
        QCOMPARE(text(w, "period(2)"), shownDate);
        QCOMPARE(text(w, "tassuf(2)"), shownRate);
    }

    // A new table is built with the bars of an empty line; a row counts as
    // soon as its rate is set.
    void buildingARowWithTheBars() {
        Tabella& w = open();
        w.cancella();
        QCOMPARE(rows(w, 1, 9), Periods(9));
        QCOMPARE(w.table().rowCount(), 0);
        bar(w, "dscroll(1)")->setValue(core::difference(core::Date{2025, 1, 1}, kTestToday));
        QCOMPARE(w.table().rowCount(), 0);
        bar(w, "hscroll1(1)")->setValue(215);
        QCOMPARE(rows(w, 1, 1), Periods({{"01/01/25", "2,15"}}));
        QCOMPARE(w.table().rowCount(), 1);
        QCOMPARE(text(w, "tassuf(1)"), QString("2,15"));
        bar(w, "dscroll(2)")->setValue(0); // today
        QCOMPARE(text(w, "al(1)"), QString("07/12/26"));
        QCOMPARE(rows(w, 2, 2), Periods({{"08/12/26", ""}}));
    }

    // Printing scrolls rows 11.. through the lines first (never past 186), so
    // row 200's rate reaches the paper rewritten, with two decimals. The PDF
    // leaves the guidance box alone.
    void printScrollsThenTypes() {
        Tabella& w = open();
        Periods table;
        for (int r = 1; r <= 200; ++r)
            table.append(
                {QString::fromStdString(core::dateText(core::addDays({1960, 1, 1}, 90 * r))),
                 r % 2 ? "5,00" : "4,50"});
        fill(w, table);
        w.findChild<QAction*>("stampa")->trigger();
        const QList<QStringList> rows = OdfContent::tableCells(lastDocument());
        QCOMPARE(bar(w, "VScroll1")->value(), 186);
        QCOMPARE(text(w, "passo"), QString("sto caricando WORD"));
        QCOMPARE(rows.size(), 202);
        QCOMPARE(QString::fromStdString(w.table().rate(200)), QString("4,5"));
        QCOMPARE(rows.last().size(), 4);
        QCOMPARE(rows.last().value(2), QString()); // row 200 has no end
        QCOMPARE(rows.last().value(3), QString("4,50"));
        QCOMPARE(text(w, "num(15)"), QString("200"));
        QCOMPARE(text(w, "al(15)"), QString());
        const QString guidance = text(w, "passo");
        w.findChild<QAction*>("esportapdf")->trigger();
        QCOMPARE(text(w, "passo"), guidance);
    }
};

QTEST_MAIN(TestTabellaWindow)
#include "tst_tabella_window.moc"

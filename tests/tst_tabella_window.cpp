// SPDX-License-Identifier: GPL-3.0-or-later
// The rate-table window driven as a user drives it: presets, lines, bars, edits, printing.
#include "support/tabellasupport.h"
#include "support/testsupport.h"

#include "core/date.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

using namespace TabellaTest;

namespace {

const QString kLegalTitle = "Tabella dei tassi legali (art.1284 Codice Civile)";
const QString kLegalShown = "21/04/42=5 16/12/90=10 01/01/97=5 01/01/99=2,5 01/01/01=3,5 "
                            "01/01/02=3 01/01/04=2,5 01/01/08=3 01/01/10=1";

QString counted(Tabella& w, int from, int to) {
    return rows(w, from, to) + " #" + QString::number(w.tabella().righetab);
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

    // The legal rates first, in the bars' forms, each ending the day before the
    // next; "&TUS" replaces a long table whole (rows never shown keep their
    // texts) and outlives the window; the legal rates replace it whole.
    void presets() {
        Tabella& w = open();
        QString ends;
        for (int i = 1; i <= 9; ++i)
            ends += text(w, line("al", i)) + " ";
        QCOMPARE(ends + counted(w, 1, 10) + "|" + w.titolo(),
                 "15/12/90 31/12/96 31/12/98 31/12/00 31/12/01 31/12/03 31/12/07 31/12/09  " +
                     kLegalShown + " = #9|" + kLegalTitle);

        fill(w, QString(" 01/01/01=1").repeated(150));
        click(w, "ricaric(2)");
        QCOMPARE(text(w, "al(1)") + " " + rows(w, 1, 2) + " " + rows(w, 16, 16) + " " +
                     counted(w, 98, 99),
                 QString("06/06/58 01/01/58=4 07/06/58=3,5 04/10/76=15,00 13/05/09=1,00 = #98"));

        fill(w, "01/01/20=7");
        WindowRegistry::unload(&w);
        closeWindows();
        Tabella& again = open();
        QCOMPARE(counted(again, 1, 1), QString("01/01/58=4 #98"));
        click(again, "ricaric(1)");
        QCOMPARE(again.titolo() + " " + QString::number(again.tabella().ultimaRiga()),
                 kLegalTitle + " 9");
    }

    // A click on a row number or a cross, or the check: its box (title
    // "controllo") and rows 1..7 with the count afterwards ("": unchanged).
    void edits_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");
        const QString five = "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5";
        const QString gap = "01/01/01=1 01/01/02=2 = 01/01/04=4";
        // clang-format off
        QTest::newRow("insert at row 3") << five << "num(3)" << "" << "01/01/01=1 01/01/02=2 01/01/03=3 01/01/03=3 01/01/04=4 01/01/05=5 = #6";
        QTest::newRow("insert below the last row") << five << "num(8)" << "" << five + " = = #5";
        QTest::newRow("delete the last row") << five << "delriga(5)" << "" << "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 = = = #4";
        QTest::newRow("cross of a row without a rate") << "01/01/01=1 01/01/02=" << "delriga(2)" << "" << "01/01/01=1 01/01/02= = = = = = #1";
        // A row built below an empty one is kept where it is.
        QTest::newRow("insert keeps a row after a gap") << gap << "num(1)" << "" << "01/01/01=1 01/01/01=1 01/01/02=2 = 01/01/04=4 = = #4";
        QTest::newRow("delete closes up a row after a gap") << gap << "delriga(1)" << "" << "01/01/02=2 = 01/01/04=4 = = = = #2";
        QTest::newRow("insert refused when row 200 is taken") << kLegalShown + QString(" =").repeated(190) + " 01/01/20=" << "num(1)" << "64|Siamo già a 200 periodi: non è possibile aggiungerne degli altri." << "";
        QTest::newRow("check: lowest faulty row only") << "01/01/01=1 =2 01/01/03=3 01/01/04=" << "controlla" << "48|Digitare il periodo di partenza del tasso n. 2" << "";
        QTest::newRow("check: date without rate") << "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5 01/01/06=6 01/01/07=" << "controlla" << "48|Digitare il tasso del periodo n. 7" << "";
        // clang-format on
    }
    void edits() {
        QFETCH(QString, table);
        QFETCH(QString, command);
        QFETCH(QString, box);
        QFETCH(QString, after);
        Tabella& w = open();
        fill(w, table);
        const QString before = counted(w, 1, 7);
        if (!box.isEmpty()) expectBox();
        if (auto* action = w.findChild<QAction*>(command))
            action->trigger();
        else
            click(w, command);
        if (!box.isEmpty()) box.insert(3, ModFenoverra::titolocontrollo + "|");
        QCOMPARE(boxes().join(';'), box);
        QCOMPARE(counted(w, 1, 7), after.isEmpty() ? before : after);
    }

    // A row's texts shown on a line: what the bars hold is rewritten into
    // their form, anything else shown unchanged.
    void positioningRewritesOnlyWhatTheBarsHold_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("trailing zeros") << "16/12/90=5,00" << "16/12/90=5";
        QTest::newRow("four-digit year") << "16/12/1991=3" << "16/12/91=3";
        // The line's bar already stands on that day: no move, no rewrite.
        QTest::newRow("bar already there") << "16/12/1990=3" << "16/12/1990=3";
        QTest::newRow("date after today, rate 0,00") << "01/01/29=0,00" << "01/01/29=0,00";
        QTest::newRow("more decimals than the bar") << "16/12/90=2,555" << "16/12/90=2,555";
        QTest::newRow("not a date, not a number") << "dicembre=circa" << "dicembre=circa";
        // clang-format on
    }
    void positioningRewritesOnlyWhatTheBarsHold() {
        QFETCH(QString, row);
        QFETCH(QString, shown);
        Tabella& w = open();
        fill(w, "21/04/42=5,00 " + row);
        QCOMPARE(rows(w, 2, 2) + " " + text(w, "period(2)") + "=" + text(w, "tassuf(2)"),
                 shown + " " + shown);
    }

    // A new table is built with the bars of an empty line; a row counts as
    // soon as its rate is set.
    void buildingARowWithTheBars() {
        Tabella& w = open();
        w.cancella();
        QCOMPARE(counted(w, 1, 9), QString("= = = = = = = = = #0"));
        bar(w, "dscroll(1)")->setValue(core::difference(core::Date{2025, 1, 1}, kTestToday));
        QCOMPARE(w.tabella().righetab, 0);
        bar(w, "hscroll1(1)")->setValue(215);
        QCOMPARE(counted(w, 1, 1) + " " + text(w, "tassuf(1)"), QString("01/01/25=2,15 #1 2,15"));
        bar(w, "dscroll(2)")->setValue(0); // today
        QCOMPARE(text(w, "al(1)") + " " + rows(w, 2, 2), QString("07/12/26 08/12/26="));
    }

    // Printing scrolls rows 11.. through the lines first (never past 186), so
    // the rows reach the paper in the window's forms: row 200 was shown, so
    // its rate was rewritten; the paper keeps two decimals.
    void printScrollsThenTypes() {
        Tabella& w = open();
        QStringList table;
        for (int r = 1; r <= 200; ++r)
            table << QString::fromStdString(core::dateText(core::addDays({1960, 1, 1}, 90 * r))) +
                         (r % 2 ? "=5,00" : "=4,50");
        fill(w, table.join(' '));
        w.findChild<QAction*>("stampa")->trigger();
        WordTable* doc = ModFenoverra::tabellaword;
        QCOMPARE(QString::number(bar(w, "VScroll1")->value()) + "|" + text(w, "passo") + "|" +
                     QString::number(doc->Rows()) + "|" + w.tabella().tassitab(200) + "|" +
                     doc->cellText(202, 4) + "|" + doc->cellText(202, 3) + "|" +
                     text(w, "num(15)") + "|" + text(w, "al(15)"),
                 QString("186|sto caricando WORD|202|4,5|4,50||200|"));
    }
};

QTEST_MAIN(TestTabellaWindow)
#include "tst_tabella_window.moc"

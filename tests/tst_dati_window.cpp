// SPDX-License-Identifier: GPL-3.0-or-later
// The Data window driven as a user drives it: bars, rows, guidance, results.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QScrollBar>
#include <QTest>

using namespace DatiTest;

namespace {

// Steps as a user takes them, blank-separated: "01/07/02=5" a period entered
// with the bars in the next row (rate in percent; none: the start date
// alone); "~01/01/20" a start date alone in slot 200; "+k", "-k", "<k" a
// click on the number, the X, the start date of row k; "field:text" typed,
// "bar:date" or "bar:value" moved, "type:k" chosen; "?" notes whether the
// results are current. Returns the notes.
QString take(Dati& w, const QString& steps) {
    QString notes;
    int r = 0;
    for (const QString& step : steps.split(' ')) {
        const QString name = step.section(':', 0, 0), arg = step.section(':', 1);
        if (name == "type") {
            chooseType(w, arg.toInt());
        } else if (QScrollBar* b =
                       step.contains(':') ? findControl<QScrollBar>(&w, name) : nullptr) {
            b->setValue(arg.contains('/') ? daysBefore(arg) : arg.toInt());
        } else if (step.contains(':')) {
            type(w, name, arg);
        } else if (step[0] == '~') {
            bar(w, "VScroll1")->setValue(191);
            bar(w, "hscroll1(10)")->setValue(daysBefore(step.mid(1)));
            bar(w, "VScroll1")->setValue(1);
        } else if (step.endsWith('=')) {
            bar(w, "VScroll1")->setValue(1);
            bar(w, row("hscroll1", ++r))->setValue(daysBefore(step.chopped(1)));
        } else if (step.contains('=')) {
            enterPeriod(w, ++r, step.section('=', 0, 0), step.section('=', 1).toInt() * 100);
        } else if (step == "?") {
            notes += w.risultaticorrenti() ? " attuali" : " scaduti";
        } else {
            const QMap<QChar, const char*> clicked{{'+', "num"}, {'-', "delriga"}, {'<', "data1"}};
            click(w, row(clicked[step[0]], step.mid(1).toInt()));
        }
    }
    return notes;
}

// The texts of the blank-separated controls, "|"-joined; "data1*": the column.
QString texts(Dati& w, const QString& names) {
    QStringList all;
    for (const QString& name : names.split(' '))
        all << (name.endsWith('*') ? column(w, name.chopped(1).toLatin1().constData())
                                   : text(w, name));
    return all.join('|');
}

// The number of periods and the start date in slot 200.
QString listEnd() {
    return QString("%1|%2")
        .arg(core::periodi().numperiodi)
        .arg(core::periodi().slot(200).start.c_str());
}

} // namespace

class TestDatiWindow : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Arrows and track move every bar towards the side clicked, within its
    // bounds; the date bars have the oldest date at the left. Each case: bar,
    // value, then the left and right arrow, the left and right track.
    void barsStepTowardsTheSideClicked() {
        auto w = newWindow();
        w->show();
        for (const QString c : {"hscroll1(1) 16000 16001 15999 16030 15970",
                                "scrollafinale 1 2 1 31 1", "scrollatassi(3) 1 1 2 1 101"}) {
            QScrollBar* b = bar(*w, c.section(' ', 0, 0));
            const int h = b->height();
            QString got = c.section(' ', 0, 1);
            for (int x : {3, b->width() - 4, h + 2, b->width() - h - 3}) {
                b->setValue(c.section(' ', 1, 1).toInt());
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(x, h / 2));
                got += ' ' + QString::number(b->value());
            }
            QCOMPARE(got, c);
        }
    }

    // Each row leaves one thing out (a blank reference counts as given) or
    // moves a bar of period 1 last.
    void guidance_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("no capital") << "capiniz" << "Scegliere la valuta e digitare il capitale iniziale o aprire un file con i dati archiviati.";
        QTest::newRow("no final date") << "datfin" << "Digitare la data finale del calcolo o aprire un file archiviato.";
        QTest::newRow("no reference") << "riferimento" << "Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("no period") << "period" << " Scegliere il tipo di calcolo e digitare la data del primo tasso.";
        QTest::newRow("all given") << "" << "Correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, altro calcolo).";
        QTest::newRow("date bar") << "hscroll1(1)" << "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificate le date.";
        QTest::newRow("rate bar") << "scrollatassi(1)" << "Cliccare sul tasto 'calcola' per aggiornare i risultati se sono stati modificati i tassi.";
        // clang-format on
    }
    void guidance() {
        QFETCH(QString, step);
        QFETCH(QString, expected);
        auto w = newWindow();
        if (step != "period") fillPeriods(*w, {{"01/01/01", "10"}});
        for (const auto& [f, v] :
             {std::pair{"capiniz", "1000"}, {"datfin", "31/12/01"}, {"riferimento", " "}})
            type(*w, f, step == f ? "" : v);
        if (step.contains('(')) bar(*w, step)->setValue(500);
        QCOMPARE(text(*w, "passo"), expected);
    }

    // 200 periods: an insert is refused.
    void twoHundredPeriods() {
        const Periods months = monthsFrom2008(200);
        const QString last = months.last().first;
        auto w = newWindow();
        fillPeriods(*w, months);
        bar(*w, "VScroll1")->setValue(191);
        QCOMPARE(texts(*w, "num(10) data1(10)"), "200|" + last);
        expectBox();
        click(*w, "num(1)");
        QCOMPARE(box(), "64|" + ModFenoverra::titolocontrollo +
                            "|Siamo già a 200 periodi: non è possibile aggiungerne degli altri.");
        QCOMPARE(listEnd(), "200|" + last);
    }

    // Texts from files and tables a bar cannot stand for are shown as they
    // are, never rewritten; exact ones take the bar's form.
    void periodTextsFromOutside_data() {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("shown"); // start|rate, in the list and in the row
        // clang-format off
        QTest::newRow("date too old, rate zero") << "01/01/1850=0,00" << "01/01/1850|0,00";
        QTest::newRow("date after today, rate finer than the bar") << "01/01/29=2,555" << "01/01/29|2,555";
        QTest::newRow("not a date, not a number") << "31/02/10=tre" << "31/02/10|tre";
        QTest::newRow("exact") << "1/1/2010=4,00" << "01/01/10|4";
        // clang-format on
    }
    void periodTextsFromOutside() {
        QFETCH(QString, period);
        QFETCH(QString, shown);
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        fillPeriods(*w, periodsOf("01/01/05=4 " + period));
        // Show the period in other rows too, so each bar is moved onto it.
        const auto scroll = [&] {
            bar(*w, "VScroll1")->setValue(2), bar(*w, "VScroll1")->setValue(1);
        };
        scroll();
        click(*w, "calcolare");
        chooseType(*w, 1);
        scroll();
        const core::PeriodSlot& slot = core::periodi().slot(2);
        QCOMPARE(QString::fromStdString(slot.start + "|" + slot.rate) + "|" +
                     texts(*w, "data1(2) tas(2)"),
                 shown + "|" + shown);
    }

    // 160 periods from 1940 would need 239 split at each 1 January: the user
    // is told, the list stays, the view ends on the last ten periods.
    void yearSplitBeyond200PeriodsIsRefused() {
        auto w = newWindow();
        QString periods;
        for (int year = 40; year < 120; ++year)
            periods += QString("01/03/%1=3 01/09/%1=3 ").arg(year % 100, 2, 10, QChar('0'));
        fillPeriods(*w, periodsOf(periods));
        type(*w, "capiniz", "1000");
        expectBox();
        chooseType(*w, 2);
        QCOMPARE(listEnd() + text(*w, "num(1)"), QString("160|151"));
        QVERIFY2(box().startsWith("48|" + ModFenoverra::titolocontrollo + "|") &&
                     box().contains(" 239 ") && box().contains("non sarà corretto"),
                 qPrintable(box()));
        QVERIFY(w->risultaticorrenti() && !text(*w, "capital(10)").isEmpty());
    }

    // Steps as a user takes them, then what the window shows and the list
    // holds. A new window computes simple interest up to today. The capital
    // typed last, with no type chosen, computes on its own. A rate changed
    // leaves the results out of date until the final-date bar presses
    // "&calcola", making both passes when both types are chosen.
    void steps_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");    // controls; "data1*": the column
        QTest::addColumn<QString>("expected"); // shown|periods|start in slot 200, notes
        const QString five = "01/01/01=1 01/01/02=2 01/01/03=3 01/01/04=4 01/01/05=5";
        const QString rows = "data1* tas* giorn* capital*", sums = "capitales capitalec differ";
        const QString twoYears = "01/01/01=10 01/01/02=10 datfin:31/12/02 capiniz:1000";
        // clang-format off
        QTest::newRow("insert") << five + " +3" << rows << "01/01/01 01/01/02 01/01/03 01/01/03 01/01/04 01/01/05|1 2 3 3 4 5|364 365 0 365 366 8012||6|";
        QTest::newRow("delete") << five + " -2" << rows << "01/01/01 01/01/03 01/01/04 01/01/05|1 3 4 5|729 365 366 8012||4|";
        QTest::newRow("start date back twice") << five + " <1 <1" << rows << "02/01/99 01/01/02 01/01/03 01/01/04 01/01/05|1 2 3 4 5|1094 365 365 366 8012||5|";
        QTest::newRow("insert beside a start date in slot 200") << five + " ~01/01/20 +2" << rows << "01/01/01 01/01/02 01/01/02 01/01/03 01/01/04 01/01/05|1 2 2 3 4 5|364 0 365 365 366 8012||6|01/01/20";
        QTest::newRow("a start date moved up by a delete shows no results") << "01/01/01=10 01/01/02=10 01/07/02=5 datfin:31/12/02 capiniz:1000 type:1 01/01/03= -2" << rows << "01/01/01 01/07/02 01/01/03|10 5|545 184|1099,73 1149,32|2|";
        QTest::newRow("capital typed") << "01/01/01=10 datfin:31/12/01 capiniz:2000 ?" << sums << "2199,45|||1| attuali";
        QTest::newRow("two years both, rate and final date moved") << twoYears + " type:3 scrollatassi(1):500 ? scrollafinale:30/12/02 ?" << "datfin " + sums << "30/12/02|1149,59|1154,57|4,98|2| scaduti attuali";
        QTest::newRow("mid-year period not compounded") << "01/01/01=10 01/01/02=10 01/07/02=5 datfin:31/12/02 capiniz:1000 type:2 ?" << sums << "|1179,47||3| attuali";
        QTest::newRow("split beside a start date in slot 200") << "15/06/00=10 15/03/02=5 ~01/01/20 datfin:31/12/02 capiniz:1000 type:2 ?" << sums << "|1223,17||4|01/01/20 attuali";
        // clang-format on
    }
    void steps() {
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        auto w = newWindow();
        QCOMPARE(text(*w, "datfin") + QString::number(w->tipocalcolo()), QString("08/12/261"));
        const QString notes = take(*w, steps);
        QCOMPARE(texts(*w, shown) + "|" + listEnd() + notes, expected);
    }
};

QTEST_MAIN(TestDatiWindow)
#include "tst_dati_window.moc"

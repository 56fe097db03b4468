// SPDX-License-Identifier: GPL-3.0-or-later
// Periods entered from the keyboard in both working windows: the row bars
// take the focus, Tab goes row by row, F2 or a double-click opens a cell
// for typing. A typed value must leave the window exactly as moving the bar
// to it does.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace DatiTest;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusedName() {
    return focused() ? focused()->objectName() : QString();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), static_cast<Qt::Key>(key), modifiers);
}

// Tab pressed until the named control has the focus (or it never comes).
bool tabTo(const QString& name) {
    for (int i = 0; i < 80 && focusedName() != name; ++i)
        press(Qt::Key_Tab);
    return focusedName() == name;
}

QLineEdit* editor(QWidget& w) {
    auto* e = w.findChild<QLineEdit*>("immissione");
    return e && e->isVisible() ? e : nullptr;
}

// F2 on the focused bar, the text typed over what the cell showed, then the key.
void typeInto(const QString& typed, int key = Qt::Key_Return) {
    press(Qt::Key_F2);
    QTest::keyClicks(focused(), typed);
    press(key);
}

// What a real double-click delivers: a click, then a second press that
// comes as a double-click, and its release. QTest's own sends no releases.
void doubleClick(QWidget* target) {
    const QPointF at = QRectF(target->rect()).center();
    const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
}

void showActive(QWidget& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

// What a user sees of the Data window that a typed value may change, each
// quantity named, so that a difference says which one it is.
QStringList dataView(Dati& w) {
    QStringList view;
    for (const char* name : {"capitales", "capitalec", "differ", "passo"})
        view << QString(name) + "=" + text(w, name);
    for (const char* column : {"data1", "al", "tas", "giorn", "interes", "totint", "capital"})
        view << QString(column) + "=" + DatiTest::column(w, column).join(' ');
    for (const char* bars : {"hscroll1", "scrollatassi"})
        for (int r = 1; r <= Dati::kRows; ++r)
            view << row(bars, r) + "=" + QString::number(bar(w, row(bars, r))->value());
    view << "current=" + QString::number(w.risultaticorrenti());
    return view;
}

const QString kDateRefused =
    "Data non accettata: digitare una data dal 23/03/1937 al 08/12/2026 (ad esempio "
    "15/06/2000, 15/06/00 oppure 15062000).";
const QString kRateRefused = "Tasso non accettato: digitare un tasso da 0,01 a 100, con al "
                             "massimo due decimali (ad esempio 4,5).";

} // namespace

class TestWindowKeyboard : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Capital, final date, three periods, "&calcola" and a save, with the
    // keyboard alone.
    void wholeCalculationByKeys() {
        auto w = newWindow();
        showActive(*w);
        QVERIFY(tabTo("capiniz"));
        QTest::keyClicks(focused(), "1000");
        QVERIFY(tabTo("datfin"));
        press(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focused(), "31/12/03");
        QVERIFY(tabTo("riferimento"));
        QTest::keyClicks(focused(), "Rossi");
        QVERIFY(tabTo("hscroll1(1)"));
        typeInto("01/01/2000", Qt::Key_Tab);
        QCOMPARE(focusedName(), "scrollatassi(1)");
        typeInto("4,5", Qt::Key_Tab);
        QCOMPARE(focusedName(), "hscroll1(2)");
        typeInto("01012001");
        press(Qt::Key_Tab);
        typeInto("3");
        press(Qt::Key_Tab);
        typeInto("01/01/02", Qt::Key_Tab);
        typeInto("2.5");
        QVERIFY(tabTo("calcolare"));
        press(Qt::Key_Space);
        QCOMPARE(text(*w, "capitales"), "1125"); // 1000 + 45 + 30 + 2 × 25
        QVERIFY(w->risultaticorrenti());

        const QString file = tempFile(dir_, "Fenoverra-dati-tastiera");
        CommonDialog::setNextFileName(file);
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(contentsOf(file), QByteArray("3,\"1000\",1,\"Rossi\"\r\n"
                                              "\"01/01/00\",\"31/12/00\",\"4,5\"\r\n"
                                              "\"01/01/01\",\"31/12/01\",\"3\"\r\n"
                                              "\"01/01/02\",\"31/12/03\",\"2,5\"\r\n"));
        QCOMPARE(MessageBox::shown().size(), 0);
    }

    // Enter leaves the window as the bar moved to the same value does; a
    // refused text changes nothing, says why and keeps the editor open.
    void typedAsMoved_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("barValue"); // -1: refused
        QTest::addColumn<QString>("message");
        // The reading of every form and limit: tst_core_typedentry.
        QTest::newRow("date") << "hscroll1(2)"
                              << "15/06/00" << daysBefore("15/06/00") << "";
        QTest::newRow("today") << "hscroll1(1)"
                               << "08/12/2026" << 0 << "";
        QTest::newRow("date refused") << "hscroll1(1)"
                                      << "22/03/1937" << -1 << kDateRefused;
        QTest::newRow("rate") << "scrollatassi(1)"
                              << "4.5" << 450 << "";
        QTest::newRow("rate refused") << "scrollatassi(1)"
                                      << "4,125" << -1 << kRateRefused;
    }
    void typedAsMoved() {
        QFETCH(QString, bar);
        QFETCH(int, barValue);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const Header fields{"1000", "31/12/20", ""};
        const Periods periods{{"01/01/00", "3"}, {"01/01/05", "2"}};

        // By the bar first, in a context of its own.
        auto moved = newWindow();
        enter(*moved, fields, periods);
        if (barValue >= 0) ::bar(*moved, bar)->setValue(barValue);
        const QStringList expected = dataView(*moved);
        moved.reset();
        fixture->renewContext();

        auto w = newWindow();
        enter(*w, fields, periods);
        showActive(*w);
        ::bar(*w, bar)->setFocus();
        if (!message.isEmpty()) MessageBox::setNextAnswer(MsgAnswer::Ok);
        typeInto(typed);
        QCOMPARE(dataView(*w), expected);
        const auto shown = MessageBox::shown();
        QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty()) {
            QVERIFY(!editor(*w));
            QCOMPARE(focusedName(), bar);
            return;
        }
        QCOMPARE(shown.first().prompt, message);
        QCOMPARE(shown.first().style, MsgStyle::OkOnly | MsgStyle::Exclamation);
        QCOMPARE(shown.first().title, ModFenoverra::titolocontrollo);
        QVERIFY(editor(*w));
        QCOMPARE(editor(*w)->text(), typed);
        press(Qt::Key_Escape);
        QVERIFY(!editor(*w));
        QCOMPARE(dataView(*w), expected);
    }

    // Esc, or leaving the editor with the mouse, keeps what was there.
    void escapeChangesNothing() {
        auto w = newWindow();
        enter(*w, {"1000", "31/12/20", ""}, {{"01/01/00", "3"}});
        showActive(*w);
        const QStringList before = dataView(*w);
        bar(*w, "scrollatassi(1)")->setFocus();
        press(Qt::Key_F2);
        QCOMPARE(editor(*w)->text(), "3");
        QTest::keyClicks(focused(), "7");
        press(Qt::Key_Escape);
        QVERIFY(!editor(*w));
        QCOMPARE(focusedName(), "scrollatassi(1)");
        press(Qt::Key_F2);
        QTest::keyClicks(focused(), "7");
        findControl<QLineEdit>(w.get(), "capiniz")->setFocus();
        QVERIFY(!editor(*w));
        QCOMPARE(dataView(*w), before);
    }

    // The arrows move a focused bar as its arrow buttons do.
    void arrowsMoveTheBars() {
        auto w = newWindow();
        enter(*w, {"1000", "31/12/20", ""}, {{"01/01/00", "3"}});
        showActive(*w);
        bar(*w, "scrollatassi(1)")->setFocus();
        press(Qt::Key_Right);
        QCOMPARE(text(*w, "tas(1)"), "3,01");
        press(Qt::Key_PageUp);
        QCOMPARE(text(*w, "tas(1)"), "4,01");
        press(Qt::Key_Down);
        QCOMPARE(text(*w, "tas(1)"), "4");
        press(Qt::Key_Home);
        QCOMPARE(text(*w, "tas(1)"), "0,01");
        bar(*w, "hscroll1(1)")->setFocus();
        press(Qt::Key_Left); // towards the older dates, on the left
        QCOMPARE(text(*w, "data1(1)"), "31/12/99");
        press(Qt::Key_PageUp);
        QCOMPARE(text(*w, "data1(1)"), "30/01/00");
        press(Qt::Key_End);
        QCOMPARE(text(*w, "data1(1)"), "08/12/26");
    }

    // Tab past the last row, or Shift+Tab before the first, scrolls by one
    // and keeps the focus in the rows.
    void tabScrollsAtTheEdges() {
        auto w = newWindow();
        fillPeriods(*w, monthsFrom2008(12));
        showActive(*w);
        auto* page = bar(*w, "VScroll1");
        bar(*w, "scrollatassi(10)")->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(page->value(), 2);
        QCOMPARE(focusedName(), "hscroll1(10)");
        QCOMPARE(text(*w, "num(10)"), "11");
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(page->value(), 4); // period 13, the first not entered, in row 10
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(page->value(), 4);
        QVERIFY(focusedName() != "hscroll1(10)");
        page->setValue(2);
        bar(*w, "hscroll1(1)")->setFocus();
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(page->value(), 1);
        QCOMPARE(focusedName(), "scrollatassi(1)");
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(page->value(), 1);
        QVERIFY(focusedName() != "scrollatassi(1)");
    }

    // A double-click on a start date opens it for typing; its first click
    // does not step the date back a year.
    void doubleClickOpensTheCell() {
        auto w = newWindow();
        enter(*w, {"1000", "31/12/20", ""}, {{"01/01/00", "3"}});
        showActive(*w);
        const QStringList before = dataView(*w);
        doubleClick(findControl(w.get(), "data1(1)"));
        QVERIFY(editor(*w));
        QCOMPARE(editor(*w)->text(), "01/01/00");
        QCOMPARE(dataView(*w), before);
        press(Qt::Key_Escape);
        doubleClick(findControl(w.get(), "tas(1)"));
        QCOMPARE(editor(*w)->text(), "3");
        press(Qt::Key_Escape);
    }

    // Elsewhere a double-click is still two clicks: on a row number, two
    // insertions.
    void doubleClickOnANumber() {
        auto clicked = newWindow();
        enter(*clicked, {"1000", "31/12/20", ""}, {{"01/01/00", "3"}, {"01/01/05", "2"}});
        click(*clicked, "num(1)");
        click(*clicked, "num(1)");
        const QStringList expected = dataView(*clicked);
        clicked.reset();
        fixture->renewContext();

        auto w = newWindow();
        enter(*w, {"1000", "31/12/20", ""}, {{"01/01/00", "3"}, {"01/01/05", "2"}});
        doubleClick(findControl(w.get(), "num(1)"));
        QCOMPARE(dataView(*w), expected);
    }

    // The same typing in the rate-table window.
    void rateTableLine() {
        Tabella& w = TabellaTest::open();
        showActive(w);
        bar(w, "dscroll(1)")->setFocus();
        typeInto("01/07/2001", Qt::Key_Tab);
        QCOMPARE(focusedName(), "hscroll1(1)");
        typeInto("2,75");
        QCOMPARE(text(w, "period(1)"), "01/07/01");
        QCOMPARE(text(w, "tassuf(1)"), "2,75");
        QCOMPARE(MessageBox::shown().size(), 0);
    }
};

QTEST_MAIN(TestWindowKeyboard)
#include "tst_window_keyboard.moc"

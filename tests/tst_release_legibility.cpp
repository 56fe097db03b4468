// SPDX-License-Identifier: GPL-3.0-or-later
// What keeps the working windows readable: label colours, greyed results,
// captions that fit, titles, windows that do not shrink into themselves.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "platform/commondialog.h"
#include "platform/formbackground.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"

#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QColor textColour(QWidget* w, QPalette::ColorGroup group) {
    return w->palette().color(group, QPalette::WindowText);
}

} // namespace

class TestLegibility : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // After a dark colour is chosen for a window, its labels, frames and
    // option buttons still paint their own background.
    void labelsKeepTheirColours_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("control");
        // clang-format off
        QTest::newRow("capital caption") << "dati" << "#000080" << "Label26";
        QTest::newRow("reference caption") << "dati" << "#000080" << "rifer";
        QTest::newRow("type frame") << "dati" << "#000080" << "Frame1";
        QTest::newRow("table title") << "tabella" << "#202020" << "appunti";
        QTest::newRow("start date heading") << "tabella" << "#202020" << "labeldal";
        QTest::newRow("preset frame") << "tabella" << "#202020" << "Frame1";
        // clang-format on
    }
    void labelsKeepTheirColours() {
        QFETCH(QString, window);
        QFETCH(QString, colour);
        QFETCH(QString, control);
        QWidget* w = WindowRegistry::show(window);
        if (window == "dati") MessageBox::setNextAnswer(MsgAnswer::No); // not grey
        CommonDialog::setNextColor(QColor(colour));
        QMetaObject::invokeMethod(w, "colorare");
        QCOMPARE(FormBackground::colour(w), QColor(colour));
        auto* c = findControl<QWidget>(w, control);
        QVERIFY(c->autoFillBackground());
        const QColor own = c->palette().color(QPalette::Window);
        QVERIFY(own != QColor(colour));
        QVERIFY(FormControls::contrast(textColour(c, QPalette::Active), own) >= 4.5);
    }

    // The grey given by the Data window is where the rate table's colour
    // dialog opens, until a colour is chosen in it.
    void greyGivenIsWhereTheDialogOpens() {
        Tabella& t = TabellaTest::open();
        QWidget* dati = WindowRegistry::show("dati");
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        QMetaObject::invokeMethod(dati, "colorare");
        CommonDialog::setNextCancel();
        t.colorare();
        QCOMPARE(CommonDialog::shown().last().color, FormBackground::kGrigio);
    }

    // Out-of-date results are greyed: a colour of their own, readable on
    // their cells.
    void outOfDateResultsReadable_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("simple sum") << "capitales";
        QTest::newRow("a row's capital") << "capital(1)";
        QTest::newRow("a row's interest") << "interes(2)";
    }
    void outOfDateResultsReadable() {
        QFETCH(QString, control);
        auto w = DatiTest::newWindow();
        DatiTest::enter(*w, {"1000", "31/12/02", "x"}, {{"01/01/01", "10"}, {"01/01/02", "10"}});
        bar(*w, "scrollatassi(1)")->setValue(500);
        QVERIFY(!w->risultaticorrenti());
        auto* c = findControl<QWidget>(w.get(), control);
        QVERIFY(!c->isEnabled());
        const QColor cell = c->palette().color(QPalette::Window);
        const QColor greyed = textColour(c, QPalette::Disabled);
        QVERIFY(greyed != textColour(c, QPalette::Active));
        QVERIFY(FormControls::contrast(greyed, cell) >= 4.5);
    }

    void endDateUnitFits() {
        auto w = DatiTest::newWindow();
        auto* unit = findControl<QLabel>(w.get(), "Label14");
        QVERIFY(unit->width() >= unit->fontMetrics().horizontalAdvance(unit->text()));
    }

    void windowsShrinkToHalfTheirSize_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("data") << "dati";
        QTest::newRow("rate table") << "tabella";
    }
    void windowsShrinkToHalfTheirSize() {
        QFETCH(QString, window);
        QWidget* w = WindowRegistry::show(window);
        const QSize designed = w->size();
        w->resize(10, 10);
        QCOMPARE(w->size(), designed / 2);
    }

    // The tips, the about window and a help page open centred over the
    // window that opened them.
    void smallWindowsOpenOverTheirOpener_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("about") << "informa";
        QTest::newRow("tips") << "frmTip";
        QTest::newRow("help page") << "guidadati";
    }
    void smallWindowsOpenOverTheirOpener() {
        QFETCH(QString, window);
        QWidget* dati = WindowRegistry::show("dati");
        dati->move(40, 30);
        QVERIFY(QTest::qWaitForWindowActive(dati));
        QWidget* opened = WindowRegistry::show(window);
        const QPoint offset = opened->frameGeometry().center() - dati->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
        WindowRegistry::unload(opened);
    }

    // The title of a table read from a file is exactly the file's path.
    void titleIsThePath() {
        Tabella& t = TabellaTest::open();
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("una/cartella/lunga");
        const QString file =
            tempFile(dir, "una/cartella/lunga/Fenoverra-tab-x", "1\r\n\"01/01/20\",\"2,5\"\r\n");
        CommonDialog::setNextFileName(file);
        t.apri();
        QCOMPARE(text(t, "appunti"), file);
    }
};

QTEST_MAIN(TestLegibility)
#include "tst_release_legibility.moc"

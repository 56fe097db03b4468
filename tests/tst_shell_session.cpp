// SPDX-License-Identifier: GPL-3.0-or-later
// One whole session, as a person works: a calculation started from the
// discount table, saved, cleared, opened again, printed; the exit, the
// closing screen, the Data window again, the exit again and the end.
#include "support/commandsupport.h"
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/numbertext.h"
#include "core/sharedcalculation.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"
#include "shell/lastwindowquit.h"
#include "shell/startup.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

static const QString kReference = "Credito verso Rossi, è scaduto";

// Everything the calculation holds and shows: the fields, the type, the
// final sums, and every period with its results.
static QString calculation(Dati& w) {
    QString all = QString::number(w.tipocalcolo());
    for (const char* name : {"capiniz", "datfin", "riferimento", "capitales", "capitalec"})
        all += "|" + text(w, name);
    for (int k = 1; k <= core::periodi().numperiodi; ++k) {
        const core::PeriodSlot& s = core::periodi().slot(k);
        all += QString::fromStdString("\n" + s.start + " " + s.end + " " + s.rate + " " +
                                      core::numberText(s.capital.value_or(-1))) +
               " " + QString::number(s.days.value_or(-1));
    }
    return all;
}

class TestSession : public QObject {
    Q_OBJECT
    int quits = 0; // the program's end, only counted
    LastWindowQuit rule{[this] { ++quits; }};
    std::optional<TestFixture> fixture;

private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        qApp->installEventFilter(&rule);
    }
    void init() { fixture.emplace(); }
    void cleanup() {
        CommandTest::closeAllWindows();
        fixture.reset();
    }

    void wholeSession() {
        // The Data window first and alone.
        Startup::wireWindows();
        auto* dati = qobject_cast<Dati*>(WindowRegistry::show("dati"));
        QVERIFY(QTest::qWaitForWindowActive(dati));
        QCOMPARE(WindowRegistry::loaded("tabella"), nullptr);
        DatiTest::type(*dati, "capiniz", "25000");
        DatiTest::type(*dati, "riferimento", kReference);

        click(*dati, "disconto");
        auto* tabella = qobject_cast<Tabella*>(WindowRegistry::loaded("tabella"));
        QVERIFY(tabella && tabella->isVisible());
        click(*tabella, "ricaric(2)");
        QCOMPARE(tabella->tabella().righetab, 98);

        // Row 90 on the fifth line, copied.
        bar(*tabella, "VScroll1")->setValue(86);
        QCOMPARE(text(*tabella, "num(5)") + " " + text(*tabella, "period(5)"),
                 QString("90 13/06/07"));
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(*tabella, "copias(5)");
        QCOMPARE(MessageBox::shown().size(), 1);
        // The copy starts the calculation afresh: the nine rows from 90,
        // today as the final date, the capital 1000 in the cleared window.
        QCOMPARE(text(*dati, "capiniz") + "|" + text(*dati, "datfin") + "|" +
                     text(*dati, "riferimento") + "|" + core::periodi().slot(9).start.c_str() +
                     "|" + QString::number(core::periodi().numperiodi),
                 QString("1000|08/12/26||13/05/09|9"));

        // Back in the Data window, capital and reference go in again.
        QTRY_COMPARE(QApplication::activeWindow(), dati);
        DatiTest::type(*dati, "capiniz", "25000");
        DatiTest::type(*dati, "riferimento", kReference);

        // Compound interest splits at 1 January 2008 and 2009, never the last period
        // (13/05/09 to today): the check, the toolbar's ABC, counts 11.
        DatiTest::chooseType(*dati, 2);
        QVERIFY(dati->risultaticorrenti() && !text(*dati, "capitalec").isEmpty());
        MessageBox::clearShown();
        expectBox();
        CommandTest::run(*dati, "Toolbar1(15)");
        QCOMPARE(box(), QString("64|Fenoverra: controllo dati immessi nella finestra "
                                "attiva|I dati sono stati immessi correttamente (per "
                                "numero  11 periodi)."));
        const QString computed = calculation(*dati);

        // Saved with Ctrl+S, cleared from the menu, opened again with Ctrl+O.
        const QTemporaryDir dir;
        const QString file = dir.filePath("Fenoverra-dati-rossi");
        CommonDialog::setNextFileName(file);
        QTest::keySequence(QApplication::focusWidget(), Qt::CTRL | Qt::Key_S);
        QVERIFY(QFile::exists(file) && dati->nomefile == file);

        dati->findChild<QAction*>("cancella")->trigger();
        QCOMPARE(calculation(*dati), "2|||||"); // the type stays
        CommonDialog::setNextFileName(file);
        QTest::keySequence(QApplication::focusWidget(), Qt::CTRL | Qt::Key_O);
        QCOMPARE(calculation(*dati), computed);

        // Printed with Ctrl+P: one document, its last row the last period.
        QTest::keySequence(QApplication::focusWidget(), Qt::CTRL | Qt::Key_P);
        QVERIFY(WordApplication::createdCount() == 1 && ModFenoverra::docword &&
                ModFenoverra::tabellaword);
        QCOMPARE(ModFenoverra::docword->description(), "calcolo-" + kReference);
        const QString sum = QString::fromStdString(core::formatNumberText(
            text(*dati, "capitalec").toStdString(), core::NumberPattern::Grouped));
        QVERIFY(ModFenoverra::docword->textDocument()->toPlainText().contains(
            "Somma finale a interessi composti:  euro  " + sum));
        WordTable* table = ModFenoverra::tabellaword;
        QCOMPARE(table->cellText(table->Rows(), 1) + "|" + table->cellText(table->Rows(), 8),
                 " 11|" + sum);

        // The exit, from the menu: every window goes, the closing screen comes.
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        CommandTest::run(*dati, "usci");
        QVERIFY(!WindowRegistry::loaded("dati") && !WindowRegistry::loaded("tabella"));
        QPointer<QWidget> closing = WindowRegistry::loaded("frmSplash");
        QVERIFY(closing && closing->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();

        // A click on it: the Data window again, new and empty.
        QTest::mouseClick(closing.data(), Qt::LeftButton);
        auto* again = qobject_cast<Dati*>(WindowRegistry::loaded("dati"));
        QVERIFY(again && again->isVisible());
        QCOMPARE(text(*again, "capiniz") + text(*again, "riferimento"), QString());

        // The exit again, from its button; then a key ends the program.
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(*again, "esco");
        QVERIFY(!WindowRegistry::loaded("dati") && WindowRegistry::loaded("frmSplash") == closing);
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
        QTest::keyClick(closing.data(), Qt::Key_Space);
        QCoreApplication::processEvents();
        QCOMPARE(quits, 1);
        QVERIFY(!WindowRegistry::loaded("frmSplash"));
    }
};

QTEST_MAIN(TestSession)
#include "tst_shell_session.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// One whole session, as a person works: a calculation started from the
// discount table, saved, cleared, opened again, printed; the exit, the
// closing screen, the Data window again, the exit again and the end.
#include "support/commandsupport.h"
#include "support/datisupport.h"
#include "support/odfcontent.h"
#include "support/tabellasupport.h"

#include "core/numbertext.h"
#include "platform/commondialog.h"
#include "platform/documentopener.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "shell/lastwindowquit.h"
#include "shell/startup.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

static const QString kReference = "Credito verso Rossi, è scaduto";

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
        Startup::wireWindows(TestFixture::context());
        auto* dati = qobject_cast<Dati*>(WindowRegistry::show("dati"));
        QVERIFY(QTest::qWaitForWindowActive(dati));
        QCOMPARE(WindowRegistry::loaded("tabella"), nullptr);
        DatiTest::type(*dati, "capiniz", "25000");
        DatiTest::type(*dati, "riferimento", kReference);

        click(*dati, "disconto");
        auto* tabella = qobject_cast<Tabella*>(WindowRegistry::loaded("tabella"));
        QVERIFY(tabella && tabella->isVisible());
        click(*tabella, "ricaric(2)");
        QCOMPARE(tabella->table().rowCount(), 98);

        // Row 90 on the fifth line, copied.
        bar(*tabella, "VScroll1")->setValue(86);
        QCOMPARE(text(*tabella, "num(5)"), QString("90"));
        QCOMPARE(text(*tabella, "period(5)"), QString("13/06/07"));
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(*tabella, "copias(5)");
        QCOMPARE(MessageBox::shown().size(), 1);
        // The copy starts the calculation afresh: the nine rows from 90,
        // today as the final date, the capital 1000 in the cleared window.
        QCOMPARE(text(*dati, "capiniz"), QString("1000"));
        QCOMPARE(text(*dati, "datfin"), QString("08/12/26"));
        QCOMPARE(text(*dati, "riferimento"), QString());
        QCOMPARE(QString::fromStdString(DatiTest::periods().slot(9).start), QString("13/05/09"));
        QCOMPARE(DatiTest::periods().numperiodi, 9);

        // Back in the Data window, capital and reference go in again.
        QTRY_COMPARE(QApplication::activeWindow(), dati);
        DatiTest::type(*dati, "capiniz", "25000");
        DatiTest::type(*dati, "riferimento", kReference);

        // Compound interest splits at 1 January 2008 and 2009, never the last period
        // (13/05/09 to today): the check, the toolbar's ABC, counts 11.
        DatiTest::chooseType(*dati, core::CalculationType::Compound);
        QVERIFY(dati->risultaticorrenti() && !text(*dati, "capitalec").isEmpty());
        MessageBox::clearShown();
        expectBox();
        CommandTest::run(*dati, "Toolbar1(15)");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().style, BoxStyle::kInformation);
        QCOMPARE(lastBox().title,
                 QString("Fenoverra: controllo dati immessi nella finestra attiva"));
        QCOMPARE(lastBox().prompt,
                 QString("I dati sono stati immessi correttamente (per numero  11 periodi)."));
        DatiTest::Held computed = DatiTest::held(*dati);

        // Saved with Ctrl+S, cleared from the menu, opened again with Ctrl+O.
        const QTemporaryDir dir;
        const QString file = dir.filePath("Fenoverra-dati-rossi");
        CommonDialog::setNextFileName(file);
        QTest::keySequence(QApplication::focusWidget(), Qt::CTRL | Qt::Key_S);
        QVERIFY(QFile::exists(file) && dati->nomefile == file);
        computed.file = file;

        dati->findChild<QAction*>("cancella")->trigger();
        DatiTest::compareHeld(DatiTest::held(*dati),
                              {.type = core::CalculationType::Compound, .file = file});
        if (QTest::currentTestFailed()) return; // the type and the file stay, nothing else
        CommonDialog::setNextFileName(file);
        QTest::keySequence(QApplication::focusWidget(), Qt::CTRL | Qt::Key_O);
        DatiTest::compareHeld(DatiTest::held(*dati), computed);
        if (QTest::currentTestFailed()) return;

        // Printed with Ctrl+P: one document, its last row the last period.
        QTest::keySequence(QApplication::focusWidget(), Qt::CTRL | Qt::Key_P);
        const QString printed = lastDocument();
        QCOMPARE(DocumentOpener::opened().size(), 1);
        QVERIFY2(
            QFileInfo(printed).fileName().startsWith("Fenoverra-calcolo-Credito-verso-Rossi,-è"),
            qPrintable(printed));
        const QString sum = QString::fromStdString(core::formatNumberText(
            text(*dati, "capitalec").toStdString(), core::NumberPattern::Grouped));
        const qsizetype sumLine = OdfContent::textsOutsideTables(printed).indexOf(
            "Somma finale a interessi composti:  euro  " + sum);
        QVERIFY(sumLine >= 0);
        QCOMPARE(OdfContent::sizesOutsideTables(printed).at(sumLine), 12.0);
        QCOMPARE(OdfContent::familiesOutsideTables(printed).at(sumLine), QString("Century Gothic"));
        const QStringList lastRow = OdfContent::tableCells(printed).last();
        QCOMPARE(lastRow.first(), QString(" 11"));
        QCOMPARE(lastRow.mid(7), QStringList(sum));

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
        QCOMPARE(text(*again, "capiniz"), QString());
        QCOMPARE(text(*again, "riferimento"), QString());

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

// The exit question, the unloading of the windows, the closing screen and
// the rule that ends the program with its last visible window (the whole
// round, closing screen ended by a key, is in tst_shell_session).

#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "shell/exit.h"
#include "shell/frmsplash.h"
#include "shell/lastwindowquit.h"
#include "shell/startup.h"
#include "support/commandsupport.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QtTest>

namespace {

frmSplash* splash() {
    return qobject_cast<frmSplash*>(WindowRegistry::loaded("frmSplash"));
}

void exitWith(MsgAnswer answer) {
    MessageBox::setNextAnswer(answer);
    ModFenoverra::confermauscita();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestExit : public QObject {
    Q_OBJECT
    int quits = 0; // the program's end, only counted
    LastWindowQuit rule{[this] { ++quits; }};
    std::optional<TestFixture> fixture;

private slots:
    void initTestCase() {
        qApp->setQuitOnLastWindowClosed(false);
        qApp->installEventFilter(&rule);
    }
    void init() {
        CommandTest::closeAllWindows(); // no window of the program left
        QCoreApplication::processEvents();
        fixture.emplace();
        Startup::wireWindows();
        quits = 0;
    }
    void cleanup() { fixture.reset(); }

    // No changes nothing; Yes unloads every window in order, three of them
    // hidden as contents, tips and about hide themselves, and shows the splash.
    void exitQuestion() {
        const QStringList names = Exit::windowsUnloadedAtExit();
        QStringList unloaded;
        std::for_each(names.rbegin(), names.rend(), [&](const QString& name) { // out of order
            auto* window = new QWidget;
            window->setObjectName(name);
            connect(window, &QObject::destroyed, [&unloaded, name] { unloaded << name; });
            if (name != "sommario" && name != "frmTip" && name != "informa") window->show();
        });
        exitWith(MsgAnswer::No);
        QCOMPARE(boxes(), QStringList("292|Attenzione: i dati non archiviati andranno persi !|"
                                      "Vuoi uscire da Fenoverra?"));
        QVERIFY(unloaded.isEmpty() && !splash() && MMControl::sent().isEmpty() &&
                WindowRegistry::loaded("tabella")->isVisible());

        exitWith(MsgAnswer::Yes);
        QCOMPARE(unloaded, names);
        QVERIFY(splash() && splash()->isVisible());
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play", "play"}));
        QCOMPARE(MMControl::sent().first().fileName, QString("Internet.mid"));
    }

    // Click: a new dati and a pause; a second exit resumes; a key then closes
    // the splash alone.
    void clickReopensDatiAndPausesUntilASecondExit_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("window") << "frmSplash";
        QTest::newRow("label(3)") << "label(3)";
    }
    void clickReopensDatiAndPausesUntilASecondExit() {
        QFETCH(QString, target);
        Exit::mostradati();
        QPointer<QWidget> oldDati = WindowRegistry::loaded("dati");
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        ModFenoverra::confermauscita();
        // Clicked before the old window is even deleted: a new one all the same.
        QTest::mouseClick(findControl(splash(), target), Qt::LeftButton, {}, QPoint(2, 2));
        QWidget* dati = WindowRegistry::loaded("dati");
        QVERIFY(dati && dati != oldDati && dati->isVisible());
        QPointer<frmSplash> s = splash();
        QTest::keyClick(s.data(), Qt::Key_Shift); // a modifier alone does not close it
        QVERIFY(s && s->isVisible());

        exitWith(MsgAnswer::Yes); // resumes the music on the same splash
        QCOMPARE(splash(), s.data());
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play", "play", "pause", "play"}));
        QTest::mouseClick(s.data(), Qt::LeftButton);
        QTest::keyClick(s.data(), Qt::Key_Space);
        QCOMPARE(MMControl::sentCommands().last(), QString("close"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(s.isNull() && !splash() && WindowRegistry::loaded("dati")->isVisible());
    }

    // A window loaded but hidden does not keep the program alive.
    void endsWithTheLastVisibleWindow_data() {
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("otherVisible");
        QTest::newRow("closed") << false << false;
        QTest::newRow("hidden") << true << false;
        QTest::newRow("another still visible") << false << true;
    }
    void endsWithTheLastVisibleWindow() {
        QFETCH(bool, hide);
        QFETCH(bool, otherVisible);
        QWidget window, other;
        window.show();
        other.show();
        other.setVisible(otherVisible);
        QCoreApplication::processEvents();
        hide ? window.hide() : void(window.close());
        QCoreApplication::processEvents();
        QCOMPARE(quits, otherVisible ? 0 : 1);
    }
};

QTEST_MAIN(TestExit)
#include "tst_shell_exit.moc"

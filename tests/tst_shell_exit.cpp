// The exit question, the unloading of the windows, the closing screen and
// the rule that ends the program with its last visible window.

#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "shell/exit.h"
#include "shell/frmsplash.h"
#include "shell/lastwindowquit.h"
#include "shell/startup.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QCloseEvent>
#include <QLabel>
#include <QtTest>

namespace {

QStringList closedWindows;

// Stands in for a window of the program and notes when it is closed.
class StubWindow : public QWidget {
public:
    explicit StubWindow(const QString& name) {
        setObjectName(name);
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        closedWindows << objectName();
        QWidget::closeEvent(event);
    }
};

frmSplash* splash() {
    return qobject_cast<frmSplash*>(WindowRegistry::loaded("frmSplash"));
}

void exitWithYes() {
    MessageBox::setNextAnswer(MsgAnswer::Yes);
    ModFenoverra::confermauscita();
}

void processDeletions() {
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
        for (QWidget* window : QApplication::topLevelWidgets()) { // no window of the program left
            window->close();
            window->deleteLater();
        }
        processDeletions();
        QCoreApplication::processEvents();
        fixture.emplace();
        Startup::wireWindows();
        closedWindows.clear();
        quits = 0;
    }
    void cleanup() { fixture.reset(); }

    // No changes nothing; Yes unloads every window in order, three of them
    // hidden as contents, tips and about hide themselves, and shows the splash.
    void exitQuestion() {
        QStringList names = Exit::windowsUnloadedAtExit();
        std::reverse(names.begin(), names.end()); // created out of order
        for (const QString& name : names) {
            auto* window = new StubWindow(name);
            if (name != "sommario" && name != "frmTip" && name != "informa") window->show();
        }
        MessageBox::setNextAnswer(MsgAnswer::No);
        ModFenoverra::confermauscita();
        QCOMPARE(boxes(), QStringList("292|Attenzione: i dati non archiviati andranno persi !|"
                                      "Vuoi uscire da Fenoverra?"));
        processDeletions();
        QVERIFY(closedWindows.isEmpty() && !splash() && MMControl::sent().isEmpty());
        QVERIFY(WindowRegistry::loaded("tabella")->isVisible());

        exitWithYes();
        QCOMPARE(closedWindows, Exit::windowsUnloadedAtExit());
        for (const QString& name : names)
            QVERIFY(!WindowRegistry::loaded(name));
        QVERIFY(splash() && splash()->isVisible());
        QCOMPARE(splash()->label(2)->text(), QString("          elaborazione eseguita con"));
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play", "play"}));
        QCOMPARE(MMControl::sent().first().fileName, QString("Internet.mid"));
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0); // the splash is no end; closing it is
        QTest::keyClick(splash(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(quits, 1);
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
        exitWithYes();
        // Clicked before the old window is even deleted: a new one all the same.
        QTest::mouseClick(findControl(splash(), target), Qt::LeftButton, {}, QPoint(2, 2));

        QCOMPARE(MMControl::sentCommands().last(), QString("pause"));
        QWidget* dati = WindowRegistry::loaded("dati");
        QVERIFY(dati && dati != oldDati && dati->isVisible());
        QPointer<frmSplash> s = splash();
        QVERIFY(s->isVisible());
        processDeletions();
        QVERIFY(oldDati.isNull());
        QTest::keyClick(s.data(), Qt::Key_Shift); // a modifier alone does not close it
        QVERIFY(s && s->isVisible());

        exitWithYes(); // a second exit resumes the music on the same splash
        QCOMPARE(splash(), s.data());
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play", "play", "pause", "play"}));
        QVERIFY(!WindowRegistry::loaded("dati"));

        QTest::mouseClick(s.data(), Qt::LeftButton);
        QTest::keyClick(s.data(), Qt::Key_Space);
        QCOMPARE(MMControl::sentCommands().last(), QString("close"));
        QVERIFY(!splash());
        processDeletions();
        QVERIFY(s.isNull());
        QVERIFY(WindowRegistry::loaded("dati") && WindowRegistry::loaded("dati")->isVisible());
    }

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
        other.setVisible(otherVisible); // loaded but hidden: does not keep the program alive
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
        hide ? window.hide() : void(window.close());
        QCoreApplication::processEvents();
        QCOMPARE(quits, otherVisible ? 0 : 1);
    }
};

QTEST_MAIN(TestExit)
#include "tst_shell_exit.moc"

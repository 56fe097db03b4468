// SPDX-License-Identifier: GPL-3.0-or-later
// The exit question, the unloading of the windows, the closing screen and the rule that ends the
// program with its last visible window (the whole round is in tst_shell_session).
#include "datawindow/dati.h"
#include "platform/messagebox.h"
#include "platform/mmcontrol.h"
#include "platform/windowregistry.h"
#include "shell/exit.h"
#include "shell/frmsplash.h"
#include "shell/lastwindowquit.h"
#include "shell/startup.h"
#include "support/commandsupport.h"
#include "support/testfixture.h"
#include "support/testsupport.h"

#include <QAction>
#include <QProcess>
#include <QtTest>

static frmSplash* splash() {
    return qobject_cast<frmSplash*>(WindowRegistry::loaded("frmSplash"));
}

// The program from start to end with the rate-table window loaded unseen by
// the grey answer, ended by the exit and a key on the closing screen
// ("uscita") or by closing the Data window ("chiusura"). Prints the windows
// left once it has returned.
static int runToTheEnd(const QString& end) {
    int argc = 1;
    char name[] = "fenoverra";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    TestFixture fixture;
    QTimer::singleShot(0, [end] {
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        qobject_cast<Dati*>(WindowRegistry::loaded("dati"))->colorare();
        if (end == "chiusura") {
            WindowRegistry::loaded("dati")->close();
            return;
        }
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        WindowRegistry::loaded("dati")->findChild<QAction*>("usci")->trigger();
        QTimer::singleShot(0, [] { QTest::keyClick(splash(), Qt::Key_Space); });
    });
    const int status = Startup::run(app, QString());
    QStringList left;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget()) left << window->objectName();
    std::printf("%s\n", qPrintable(left.join(' ')));
    return status;
}

static void exitWith(MsgAnswer answer) {
    MessageBox::setNextAnswer(answer);
    TestFixture::context().confermauscita();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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
        Startup::wireWindows(TestFixture::context());
        quits = 0;
    }
    void cleanup() { fixture.reset(); }

    // No changes nothing. Yes unloads every window in order, hidden contents,
    // tips and about too, and plays the closing screen's music; a click on it,
    // before the old windows are even deleted, brings a new Data window and a
    // pause; a second exit resumes; a key then closes the closing screen alone.
    void exitRound() {
        const QStringList names = WindowRegistry::defined();
        QStringList unloaded;
        std::for_each(names.rbegin(), names.rend(), [&](const QString& name) { // out of order
            auto* window = new QWidget;
            window->setObjectName(name);
            connect(window, &QObject::destroyed, [&unloaded, name] { unloaded << name; });
            if (name != "sommario" && name != "frmTip" && name != "informa") window->show();
        });
        exitWith(MsgAnswer::No);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().style, BoxStyle::kQuestionNoByDefault);
        QCOMPARE(lastBox().title, QString("Attenzione: i dati non archiviati andranno persi !"));
        QCOMPARE(lastBox().prompt, QString("Vuoi uscire da Fenoverra?"));
        QCOMPARE(unloaded, QStringList());
        QVERIFY(!splash());
        QCOMPARE(MMControl::sent().size(), 0);
        QVERIFY(WindowRegistry::loaded("tabella")->isVisible());
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        TestFixture::context().confermauscita();
        QPointer<frmSplash> s = splash();
        QVERIFY(s && s->isVisible());
        QCOMPARE(MMControl::sent().first().fileName, QString("Internet.mid"));
        QTest::keyClick(s.data(), Qt::Key_Shift); // a modifier alone, as when switching windows
        QVERIFY(s && s->isVisible());
        QTest::mouseClick(findControl(s.data(), "label(3)"), Qt::LeftButton, {}, QPoint(2, 2));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(unloaded, names);
        QVERIFY(WindowRegistry::loaded("dati") && WindowRegistry::loaded("dati")->isVisible());
        exitWith(MsgAnswer::Yes);
        QTest::mouseClick(s.data(), Qt::LeftButton); // the Data window back, the music paused
        QTest::keyClick(s.data(), Qt::Key_Space);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(MMControl::sentCommands(),
                 (QStringList{"open", "play", "play", "pause", "play", "pause", "close"}));
        QVERIFY(s.isNull() && !splash() && WindowRegistry::loaded("dati")->isVisible() && !quits);
    }

    // Every window the program made is gone when it ends, the one loaded
    // unseen too.
    void noWindowOutlivesTheProgram_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("exit") << "uscita";
        QTest::newRow("Data window closed") << "chiusura";
    }
    void noWindowOutlivesTheProgram() {
        QFETCH(QString, end);
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(), {"--fino-alla-fine", end});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.readAllStandardOutput(), QByteArray("\n"));
        QCOMPARE(program.exitCode(), 0);
    }

    // A window loaded but hidden, not closed, ends the program all the same.
    void endsWithTheLastVisibleWindow() {
        QWidget window;
        window.show();
        window.hide();
        QCoreApplication::processEvents();
        QCOMPARE(quits, 1);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && qstrcmp(argv[1], "--fino-alla-fine") == 0)
        return runToTheEnd(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    TestExit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell_exit.moc"

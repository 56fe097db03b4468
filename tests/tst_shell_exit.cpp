// The exit question, the unloading of the windows, the closing screen and
// the rule that ends the program with its last visible window.

#include "shell/frmsplash.h"
#include "shell/lastwindowquit.h"
#include "shell/messagebox.h"
#include "shell/mmcontrol.h"
#include "shell/modfenoverra.h"
#include "shell/twips.h"
#include "support/shelldoubles.h"
#include "support/testsupport.h"

#include <QCloseEvent>
#include <QDate>
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

frmSplash* splash() { return qobject_cast<frmSplash*>(ModFenoverra::loadedWindow("frmSplash")); }

void answerNextQuestion(MsgAnswer answer) { MessageBox::setNextAnswer(answer); }

void exitWithYes() {
    answerNextQuestion(MsgAnswer::Yes);
    ModFenoverra::confermauscita();
}

void processDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

} // namespace

class TestExit : public QObject {
    Q_OBJECT
    std::unique_ptr<ShellDoubles> doubles;

private slots:
    void initTestCase() {
        doubles = std::make_unique<ShellDoubles>();
        ModFenoverra::impostatesti();
    }
    void cleanupTestCase() {
        closeAllShellWindows();
        doubles.reset();
    }
    void init() {
        closeAllShellWindows();
        ShellDoubles::reset();
        closedWindows.clear();
    }

    void programWideValues_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nomeprogramma") << ModFenoverra::nomeprogramma << "Fenoverra";
        QTest::newRow("descrizione") << ModFenoverra::descrizione << "calcolo di interessi semplici e composti";
        QTest::newRow("titolocontrollo") << ModFenoverra::titolocontrollo
                                         << "Fenoverra: controllo dati immessi nella finestra attiva";
        QTest::newRow("titoloaiuto") << ModFenoverra::titoloaiuto << "Fenoverra: aiuto in linea";
        QTest::newRow("titoloelimina") << ModFenoverra::titoloelimina
                                       << "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo";
    }
    void programWideValues() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(value, expected);
    }

    void datesAreRealDates() {
        QVERIFY(QDate::fromString(ModFenoverra::datarilascio, "dd/MM/yyyy").isValid());
        QCOMPARE(ModFenoverra::datacompilazione.size(), 6);
        QVERIFY(QDate::fromString(ModFenoverra::datacompilazione, "ddMMyy").isValid());
        QVERIFY(!ModFenoverra::versione.isEmpty());
    }

    void refusedExitChangesNothing_data() {
        QTest::addColumn<bool>("scripted");
        QTest::newRow("No") << true;
        QTest::newRow("Enter on the default button") << false;
    }
    void refusedExitChangesNothing() {
        QFETCH(bool, scripted);
        ModFenoverra::mostradati();
        QWidget* dati = ModFenoverra::loadedWindow("dati");
        auto* tabella = new StubWindow("tabella");
        tabella->show();
        if (scripted) answerNextQuestion(MsgAnswer::No);
        ModFenoverra::confermauscita();

        QCOMPARE(MessageBox::shown().size(), 1);
        const MessageBox::Shown question = MessageBox::shown().first();
        QCOMPARE(question.prompt, QString("Vuoi uscire da Fenoverra?"));
        QCOMPARE(question.title, QString("Attenzione: i dati non archiviati andranno persi !"));
        QCOMPARE(question.style, 292);
        processDeletions();
        QCOMPARE(ModFenoverra::loadedWindow("dati"), dati);
        QVERIFY(dati->isVisible());
        QVERIFY(tabella->isVisible());
        QVERIFY(closedWindows.isEmpty());
        QVERIFY(!splash());
        QVERIFY(MMControl::sent().isEmpty());
    }

    void confirmedExitUnloadsInOrderAndShowsTheSplash() {
        // Created out of order; three of them hidden, as contents, tips and about hide themselves.
        QStringList names = ModFenoverra::windowsUnloadedAtExit();
        std::reverse(names.begin(), names.end());
        for (const QString& name : names) {
            auto* window = new StubWindow(name);
            if (name != "sommario" && name != "frmTip" && name != "informa") window->show();
        }
        exitWithYes();

        QCOMPARE(closedWindows, ModFenoverra::windowsUnloadedAtExit());
        for (const QString& name : ModFenoverra::windowsUnloadedAtExit()) QVERIFY(!ModFenoverra::loadedWindow(name));
        processDeletions();
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!names.contains(w->objectName()));
        frmSplash* s = splash();
        QVERIFY(s);
        QVERIFY(s->isVisible());
        QCOMPARE(s->label(2)->text(), QString("          elaborazione eseguita con"));
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play", "play"}));
        QCOMPARE(MMControl::sent().first().fileName, QString("Internet.mid"));
    }

    void clickOnTheSplashReopensDatiAndPauses_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("window") << "frmSplash";
        QTest::newRow("label(3)") << "label(3)";
        QTest::newRow("label(8)") << "label(8)";
        QTest::newRow("bar label(0)") << "label(0)";
        QTest::newRow("Image1") << "Image1";
    }
    void clickOnTheSplashReopensDatiAndPauses() {
        QFETCH(QString, target);
        ModFenoverra::mostradati();
        QPointer<QWidget> oldDati = ModFenoverra::loadedWindow("dati");
        exitWithYes();
        // Clicked before the old window is even deleted: a new one all the same.
        QWidget* where = findControl(splash(), target);
        QVERIFY(where);
        QTest::mouseClick(where, Qt::LeftButton, {}, QPoint(2, 2));

        QCOMPARE(MMControl::sentCommands().last(), QString("pause"));
        QWidget* dati = ModFenoverra::loadedWindow("dati");
        QVERIFY(dati);
        QVERIFY(dati != oldDati);
        QVERIFY(dati->isVisible());
        QVERIFY(splash()->isVisible());
        processDeletions();
        QVERIFY(oldDati.isNull());
    }

    void secondExitResumesTheMusic() {
        ModFenoverra::mostradati();
        exitWithYes();
        frmSplash* first = splash();
        QTest::mouseClick(first, Qt::LeftButton);
        exitWithYes();
        QCOMPARE(splash(), first); // not loaded again
        QCOMPARE(MMControl::sentCommands(), (QStringList{"open", "play", "play", "pause", "play"}));
        QVERIFY(!ModFenoverra::loadedWindow("dati"));
        QCOMPARE(first->label(2)->text(), QString("          elaborazione eseguita con"));
    }

    void keyClosesOnlyTheSplash() {
        ModFenoverra::mostradati();
        exitWithYes();
        QTest::mouseClick(splash(), Qt::LeftButton);
        QPointer<frmSplash> s = splash();
        QTest::keyClick(s.data(), Qt::Key_Space);

        QCOMPARE(MMControl::sentCommands().last(), QString("close"));
        QCOMPARE(MMControl::sentCommands().count("close"), 1);
        QVERIFY(!splash());
        processDeletions();
        QVERIFY(s.isNull());
        QWidget* dati = ModFenoverra::loadedWindow("dati");
        QVERIFY(dati && dati->isVisible());
    }

    void modifierAloneDoesNotClose() {
        exitWithYes();
        QTest::keyClick(splash(), Qt::Key_Shift);
        QVERIFY(splash() && splash()->isVisible());
        QVERIFY(!MMControl::sentCommands().contains("close"));
    }

    void closingTheSplashByItsFrameClosesTheMusic() {
        exitWithYes();
        splash()->close();
        QCOMPARE(MMControl::sentCommands().last(), QString("close"));
    }

    void mostradatiShowsTheLoadedWindow() {
        ModFenoverra::mostradati();
        QWidget* dati = ModFenoverra::loadedWindow("dati");
        dati->hide();
        ModFenoverra::mostradati();
        QCOMPARE(ModFenoverra::loadedWindow("dati"), dati);
        QVERIFY(dati->isVisible());
        int count = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == "dati";
        QCOMPARE(count, 1);
    }

    void splashLayout_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::newRow("label(2) at loading") << 2 << "                        presenta";
        QTest::newRow("label(3)") << 3 << "Fenoverra";
        QTest::newRow("label(4)") << 4 << "calcolo di interessi semplici e composti";
        QTest::newRow("label(5)") << 5 << "EDIZIONE PROFESSIONALE - VERSIONE " + ModFenoverra::versione;
        QTest::newRow("label(8)") << 8 << "(cliccare sulla finestra per iniziare; premere un tasto per uscire)";
        QTest::newRow("label(1) publisher") << 1 << "Studio Fenoverra";
    }
    void splashLayout() {
        QFETCH(int, index);
        QFETCH(QString, caption);
        frmSplash s;
        QCOMPARE(Twips::clientSize(&s), QSize(8790, 5415));
        QLabel* line = s.label(index);
        QVERIFY(line);
        QCOMPARE(line->objectName(), QString("label(%1)").arg(index));
        QCOMPARE(line->text(), caption);
        // Nothing clipped: the caption fits its label, the label the window.
        const QFontMetrics metrics(line->font());
        QVERIFY2(metrics.horizontalAdvance(caption) <= line->width(), qPrintable(caption));
        QVERIFY(metrics.height() <= line->height());
        QVERIFY(s.rect().contains(line->geometry()));
    }

    void splashHasItsParts() {
        frmSplash s;
        for (int index : {0, 9, 10, 11}) QVERIFY(s.label(index) && s.label(index)->autoFillBackground());
        QVERIFY(findControl(&s, "Shape1"));
        auto* image = findControl<QLabel>(&s, "Image1");
        QVERIFY(image && !image->pixmap().isNull());
        QCOMPARE(s.MMControl1()->objectName(), QString("MMControl1"));
        QCOMPARE(s.label(3)->font().pointSizeF(), 27.75);
        QVERIFY(s.label(3)->font().bold());
        QCOMPARE(s.label(1)->font().pointSizeF(), 21.75);
    }
};

// The rule that ends the program, with a quit that only counts.
class TestLastWindowQuit : public QObject {
    Q_OBJECT
    int quits = 0;
    std::unique_ptr<LastWindowQuit> rule;

private slots:
    void init() {
        closeAllShellWindows();
        QCoreApplication::processEvents();
        quits = 0;
        rule = std::make_unique<LastWindowQuit>([this] { ++quits; });
        qApp->installEventFilter(rule.get());
    }
    void cleanup() {
        rule.reset();
        closeAllShellWindows();
    }

    void endsWhenTheLastVisibleWindowGoes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("closed") << "close";
        QTest::newRow("hidden") << "hide";
    }
    void endsWhenTheLastVisibleWindowGoes() {
        QFETCH(QString, how);
        QWidget visible, hiddenHelp;
        visible.show();
        hiddenHelp.show();
        hiddenHelp.hide(); // loaded but hidden: does not keep the program alive
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
        if (how == "close")
            visible.close();
        else
            visible.hide();
        QCoreApplication::processEvents();
        QCOMPARE(quits, 1);
    }

    void anotherVisibleWindowKeepsItRunning() {
        QWidget a, b;
        a.show();
        b.show();
        a.close();
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
    }

    void exitToTheSplashIsNoEnd() {
        ShellDoubles doubles;
        ModFenoverra::mostradati();
        QCoreApplication::processEvents();
        exitWithYes();
        QCoreApplication::processEvents();
        QCOMPARE(quits, 0);
        QTest::keyClick(splash(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(quits, 1);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    int status = 0;
    {
        TestExit t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestLastWindowQuit t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_shell_exit.moc"

// The Data window's menus, toolbar, buttons and keys lead where they say;
// the background colour; the window's layout below its bars.
#include "support/commandsupport.h"
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/commandbars.h"
#include "platform/commondialog.h"
#include "platform/formbackground.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QTest>
#include <QToolBar>

using namespace CommandTest;

namespace {

const QString kHelpQuestion =
    "box 36|Fenoverra|E' questa la finestra 'Dati': si vuole la guida della finestra?";
const QString kGreyQuestion =
    "box 4|Fenoverra: colore di sfondo|Colori uguali e riposanti (grigio) per tutte le finestre?";
const QString kColourDialog = "dialog Color|Fenoverra: colore di sfondo";

QColor designColour() {
    return QApplication::palette().color(QPalette::Window);
}

Dati& dati() {
    return *qobject_cast<Dati*>(&show("dati"));
}

// The Data window shown, with a calculation that passes the check.
Dati& withCalculation() {
    DatiTest::enter(dati(), "1000|31/12/02|Prestito", "01/01/01=10 01/01/02=10");
    return dati();
}

QString data() {
    QWidget& w = *WindowRegistry::loaded("dati");
    return text(w, "capiniz") + "|" + text(w, "riferimento") + "|" +
           QString::number(core::periodi().numperiodi);
}

} // namespace

class TestDatiCommands : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeAllWindows();
        fixture.reset();
    }

    // Each command, by each way of giving it, on a window holding a
    // calculation that passes the check; the toolbar button's tooltip.
    void commandsLeadWhereTheySay_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("tip");
        const QString elimina = "Elimina: seleziona il file desiderato e clicca su Apri per "
                                "cancellarlo";
        // clang-format off
        QTest::newRow("open") << "apri Toolbar1(1)" << "cancel" << "dialog Open|Apri file; data changed" << "apri file";
        QTest::newRow("save") << "salva Toolbar1(2)" << "cancel" << "dialog Save|Salva file" << "salva file";
        QTest::newRow("save as") << "salvanome" << "cancel" << "dialog Save|Salva file con nome" << "";
        QTest::newRow("delete") << "eliminare Toolbar1(3)" << "cancel" << "dialog Open|" + elimina << "elimina file";
        QTest::newRow("print") << "stampa Toolbar1(4)" << "" << "document" << "stampa dati finestra";
        QTest::newRow("exit") << "usci Toolbar1(17) esco" << "" << "exit" << "uscita da Fenoverra";
        QTest::newRow("help question, yes") << "fin1 Toolbar1(6)" << "yes" << kHelpQuestion + "; shows guidadati" << "visualizza finestra Dati";
        QTest::newRow("help question, no") << "fin1" << "no" << kHelpQuestion << "";
        QTest::newRow("rate table") << "fin2 Toolbar1(7) disconto" << "" << "shows tabella" << "visualizza finestra Tabella tassi";
        QTest::newRow("colour") << "colorare Toolbar1(9)" << "no cancel" << kGreyQuestion + "; " + kColourDialog << "colore di sfondo";
        QTest::newRow("help contents") << "guida Toolbar1(11) guidainlinea" << "" << "shows sommario" << "guida in linea";
        QTest::newRow("tips") << "suggerimenti Toolbar1(12)" << "" << "shows frmTip" << "suggerimenti";
        QTest::newRow("about") << "informazioni Toolbar1(13)" << "" << "shows informa" << "informazioni su Fenoverra";
        QTest::newRow("check") << "controlla Toolbar1(15)" << "ok" << "box 64|Fenoverra: controllo dati immessi nella finestra attiva|I dati sono stati immessi correttamente (per numero  2 periodi)." << "controllo dati immessi";
        QTest::newRow("clear") << "cancella Toolbar1(16)" << "" << "data changed" << "cancella dati finestra";
        QTest::newRow("window help page") << "finestra finestraTitolo" << "" << "shows guidadati" << "";
        QTest::newRow("help message") << "aiuto" << "ok" << "box 64|Fenoverra: aiuto in linea|"
               "- Aprire un file archiviato per prelevare i dati (Fenoverra-dati-...);\r"
               "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
               "- visualizzare i periodi successivi con la barra di scorrimento verticale;\r"
               "- inserire e modificare le date e i tassi con le barre di scorrimento laterali;\r"
               "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
               "- effettuare i controlli dei dati cliccando sul tasto ABC." << "";
        // clang-format on
    }
    void commandsLeadWhereTheySay() {
        QFETCH(QString, commands);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        QFETCH(QString, tip);
        for (const QString& command : commands.split(' ')) {
            closeAllWindows();
            TestFixture::resetProgramState(kTestToday);
            Dati& w = withCalculation();
            if (command.startsWith("Toolbar1(")) {
                QAction* button = w.findChild<QToolBar*>("Toolbar1")->findChild<QAction*>(command);
                QCOMPARE(button->toolTip(), tip);
                QVERIFY(!button->icon().isNull());
            }
            script(answers);
            const Outcome happened(w, data);
            run(w, command);
            QVERIFY2(happened.text() == outcome,
                     qPrintable(command + " gave: " + happened.text().replace('\r', "\\r")));
            QVERIFY(w.findChild<QAction*>("fin1")->isChecked());
        }
    }

    // The keys a person tries: the captions' Alt letters open the menus
    // and press the buttons; the shortcuts run the commands.
    void keys_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::newRow("Alt+F: a menu") << QKeySequence(Qt::ALT | Qt::Key_F) << "calcolare" << "" << "menu file";
        QTest::newRow("Alt+N: the right-hand title") << QKeySequence(Qt::ALT | Qt::Key_N) << "calcolare" << "" << "shows guidadati";
        QTest::newRow("Alt+T: a button") << QKeySequence(Qt::ALT | Qt::Key_T) << "calcolare" << "" << "shows tabella";
        QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << "calcolare" << "cancel" << "dialog Open";
        QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << "calcolare" << "cancel" << "dialog Save";
        QTest::newRow("Ctrl+Shift+S") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "calcolare" << "cancel" << "dialog Save";
        QTest::newRow("Ctrl+P") << QKeySequence(Qt::CTRL | Qt::Key_P) << "calcolare" << "" << "document";
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "calcolare" << "" << "exit";
        QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "calcolare" << "" << "shows sommario";
        QTest::newRow("Ctrl+A") << QKeySequence(Qt::CTRL | Qt::Key_A) << "calcolare" << "no" << "box 36";
        // In a field Ctrl+A selects the text, as in any field.
        QTest::newRow("Ctrl+A in a field") << QKeySequence(Qt::CTRL | Qt::Key_A) << "capiniz" << "" << "";
        QTest::newRow("Ctrl+B") << QKeySequence(Qt::CTRL | Qt::Key_B) << "calcolare" << "" << "shows tabella";
        // clang-format on
    }
    void keys() {
        QFETCH(QKeySequence, key);
        QFETCH(QString, focus);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        Dati& w = withCalculation();
        w.findChild<QWidget*>(focus)->setFocus();
        script(answers);
        const Outcome happened(w, data);
        QCOMPARE(pressKey(key, happened), outcome);
    }

    // A separator with a text would draw as a titled section.
    void separatorsHaveNoText() {
        for (const char* window : {"dati", "tabella"})
            for (const QAction* a : show(window).findChildren<QAction*>())
                QVERIFY2(!a->isSeparator() || a->text().isEmpty(), qPrintable(a->objectName()));
    }

    // The grey question, by what the window shows and what is answered; the
    // dialog opens on the colour last chosen in it, the design colour at first.
    void colourCommand_data() {
        QTest::addColumn<QString>("before"); // answers to a colour command given first
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("chosen");
        const QString dialog = kColourDialog;
        // clang-format off
        QTest::newRow("yes: grey") << "" << "yes" << kGreyQuestion + "; colour #c0c0c0" << "";
        QTest::newRow("no, then a colour") << "" << "no #336699" << kGreyQuestion + "; " + dialog + "; colour #336699" << "#336699";
        QTest::newRow("grey already: the dialog at once") << "yes" << "#ffff00" << dialog + "; colour #ffff00" << "#ffff00";
        QTest::newRow("grey chosen in the dialog") << "no #c0c0c0" << "cancel" << dialog << "#c0c0c0";
        QTest::newRow("another colour: asked again") << "no #008000" << "yes" << kGreyQuestion + "; colour #c0c0c0" << "#008000";
        // clang-format on
    }
    void colourCommand() {
        QFETCH(QString, before);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        QFETCH(QString, chosen);
        Dati& w = dati();
        QCOMPARE(FormBackground::colour(&w), designColour());
        if (!before.isEmpty()) {
            script(before);
            w.colorare();
        }
        script(answers);
        const Outcome happened(w, data);
        w.colorare();
        QCOMPARE(happened.text(), outcome);
        QCOMPARE(FormBackground::chosen().isValid() ? FormBackground::chosen().name() : QString(),
                 chosen);
        if (!CommonDialog::shown().isEmpty())
            QCOMPARE(CommonDialog::shown().last().color,
                     before.contains('#') ? QColor(before.section(' ', -1)) : designColour());
    }

    // Yes greys the rate-table window too: the open one, or one loaded
    // unseen that is grey when it is opened; a window loaded anew has its
    // design colour again.
    void greyForBothWindows_data() {
        QTest::addColumn<bool>("tabellaOpen");
        QTest::newRow("rate-table window open") << true;
        QTest::newRow("rate-table window never opened") << false;
    }
    void greyForBothWindows() {
        QFETCH(bool, tabellaOpen);
        Dati& w = dati();
        if (tabellaOpen) WindowRegistry::show("tabella");
        script("yes");
        w.colorare();
        QWidget* tabella = WindowRegistry::loaded("tabella");
        QVERIFY(tabella);
        QCOMPARE(tabella->isVisible(), tabellaOpen);
        QCOMPARE(WindowRegistry::show("tabella"), tabella);
        QCOMPARE(FormBackground::colour(tabella), FormBackground::kGrigio);
        delete tabella;
        QCOMPARE(FormBackground::colour(WindowRegistry::show("tabella")), designColour());
    }

    // Only the form changes colour: the bars and the controls that draw a
    // background keep theirs (labels and frames have none of their own).
    void onlyTheFormIsColoured() {
        Dati& w = dati();
        const QImage before = w.grab().toImage();
        script("no #0000ff");
        w.colorare();
        const QImage after = w.grab().toImage();
        QCOMPARE(after.pixelColor(w.width() / 2, w.height() - 2), QColor(0, 0, 255));
        // Points on each: the bars' empty ends, the middle of the controls.
        for (const char* name : {"Toolbar1", "menuBar", "esco", "capiniz", "passo", "capital(1)"}) {
            auto* c = w.findChild<QWidget*>(name);
            const QPoint p = c->mapTo(&w, QPoint(c->width() * 3 / 5, c->height() / 2));
            QVERIFY2(after.pixelColor(p) == before.pixelColor(p), name);
        }
    }

    // At its designed size the window holds its menu bar, its toolbar and
    // below them every control, none cut off; the right-hand title stands
    // at the right end of the menu bar, within the window.
    void designedLayoutFitsBelowTheBars() {
        QWidget& w = show("dati");
        QCOMPARE(Twips::clientSize(&w), QSize(9600, 6825));
        QCOMPARE(w.findChild<QToolBar*>("Toolbar1")->geometry().bottom() + 1,
                 CommandBars::barsHeight(&w));
        QCOMPARE(controlsOutsideTheArea(w), QStringList());
        auto* corner = w.findChild<QWidget*>("finestraTitolo");
        const int left = corner->mapTo(&w, QPoint(0, 0)).x();
        QVERIFY(corner->isVisible() && left > w.width() * 2 / 3);
        QVERIFY(left + corner->width() <= w.width());
    }
};

QTEST_MAIN(TestDatiCommands)
#include "tst_dati_commands.moc"

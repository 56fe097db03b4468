// The Data window's menus, toolbar, buttons and keys lead where they say;
// the background colour; the window's layout below its bars.
#include "support/commandsupport.h"
#include "support/datisupport.h"
#include "support/testsupport.h"

#include "core/sharedcalculation.h"
#include "platform/clsresize.h"
#include "platform/commandbars.h"
#include "platform/commondialog.h"
#include "platform/formbackground.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/twips.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace CommandTest;

namespace {

// The titles as the program's start gives them (the data functions run
// before any window is loaded).
const QString kTitoloControllo = "Fenoverra: controllo dati immessi nella finestra attiva";
const QString kTitoloElimina =
    "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo";

const QString kHelpQuestion =
    "box 36|Fenoverra|E' questa la finestra 'Dati': si vuole la guida della finestra?";
const QString kGreyQuestion =
    "box 4|Fenoverra: colore di sfondo|Colori uguali e riposanti (grigio) per tutte le finestre?";

QColor designColour() {
    return QApplication::palette().color(QPalette::Window);
}

Dati& dati() {
    return *qobject_cast<Dati*>(WindowRegistry::loaded("dati"));
}

// The Data window shown, with a calculation that passes the check.
Dati& withCalculation() {
    Dati& w = *qobject_cast<Dati*>(&show("dati"));
    DatiTest::enter(w, "1000|31/12/02|Prestito", "01/01/01=10 01/01/02=10");
    return w;
}

QString data() {
    return text(dati(), "capiniz") + "|" + text(dati(), "riferimento") + "|" +
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

    void menuBar_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("entries");
        QTest::newRow("file") << "file"
                              << "&File: "
                                 "apri &Apri... [Ctrl+O] | - | salva &Salva [Ctrl+S] | salvanome "
                                 "Salva con &nome... [Ctrl+Shift+S] | - | eliminare &Elimina... | "
                                 "- | stampa S&tampa [Ctrl+P] | - | usci Es&ci [Ctrl+Q]";
        QTest::newRow("modif") << "modif"
                               << "&Modifica: "
                                  "colorare &Colore di sfondo | - | controlla Controllo &dati "
                                  "immessi | - | cancella C&ancella dati finestra";
        QTest::newRow("visu") << "visu"
                              << "&Visualizza: "
                                 "fin1 Finestra Dati [Ctrl+A] [checked] | fin2 Finestra Tabella "
                                 "tassi [Ctrl+B]";
        QTest::newRow("inter")
            << "inter"
            << "&?: "
               "guida &Guida in linea [F1] | suggerimenti &Suggerimenti... | - | "
               "informazioni &Informazioni su Fenoverra";
    }
    void menuBar() {
        QFETCH(QString, menu);
        QFETCH(QString, entries);
        QCOMPARE(menuEntries(show("dati"), menu), entries);
    }

    // The last title: the command keeps its blanks, the corner shows it at
    // the right end of the bar, within the window.
    void rightHandTitle() {
        QWidget& w = show("dati");
        QCOMPARE(w.findChild<QAction*>("finestra")->text(),
                 QString(126, ' ') + "Fi&nestra n.1 di 2");
        auto* corner = w.findChild<QToolButton*>("finestraTitolo");
        QCOMPARE(corner->text(), QString("Fi&nestra n.1 di 2"));
        QVERIFY(corner->isVisible());
        const QRect inWindow(corner->mapTo(&w, QPoint(0, 0)), corner->size());
        QVERIFY2(
            inWindow.right() < w.width() && inWindow.left() > w.width() * 2 / 3,
            qPrintable(QString("corner at %1..%2").arg(inWindow.left()).arg(inWindow.right())));
    }

    void toolbar() {
        QWidget& w = show("dati");
        QStringList tips;
        for (QAction* a : w.findChild<QToolBar*>("Toolbar1")->actions()) {
            tips << (a->isSeparator() ? "-" : a->toolTip());
            if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->toolTip()));
        }
        QCOMPARE(tips.join('|'),
                 QString("apri file|salva file|elimina file|stampa dati finestra|-|visualizza "
                         "finestra Dati|visualizza finestra Tabella tassi|-|colore di sfondo|-|"
                         "guida in linea|suggerimenti|informazioni su Fenoverra|-|controllo dati "
                         "immessi|cancella dati finestra|uscita da Fenoverra"));
    }

    // Each command, by each way of giving it, on a window holding a
    // calculation that passes the check.
    void commandsLeadWhereTheySay_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        const QString ok = "box 64|" + kTitoloControllo +
                           "|I dati sono stati immessi correttamente (per numero  2 periodi).";
        QTest::newRow("open") << "apri Toolbar1(1)"
                              << "cancel"
                              << "dialog Open|Apri file; data changed";
        QTest::newRow("save") << "salva Toolbar1(2)"
                              << "cancel"
                              << "dialog Save|Salva file";
        QTest::newRow("save as") << "salvanome"
                                 << "cancel"
                                 << "dialog Save|Salva file con nome";
        QTest::newRow("delete") << "eliminare Toolbar1(3)"
                                << "cancel"
                                << "dialog Open|" + kTitoloElimina;
        QTest::newRow("print") << "stampa Toolbar1(4)"
                               << ""
                               << "document";
        QTest::newRow("exit") << "usci Toolbar1(17) esco"
                              << ""
                              << "exit";
        QTest::newRow("help question, yes") << "fin1 Toolbar1(6)"
                                            << "yes" << kHelpQuestion + "; shows guidadati";
        QTest::newRow("help question, no") << "fin1 Toolbar1(6)"
                                           << "no" << kHelpQuestion;
        QTest::newRow("rate table") << "fin2 Toolbar1(7) disconto"
                                    << ""
                                    << "shows tabella";
        QTest::newRow("colour, no grey")
            << "colorare Toolbar1(9)"
            << "no cancel" << kGreyQuestion + "; dialog Color|Fenoverra: colore di sfondo";
        QTest::newRow("help contents") << "guida Toolbar1(11) guidainlinea"
                                       << ""
                                       << "shows sommario";
        QTest::newRow("tips") << "suggerimenti Toolbar1(12)"
                              << ""
                              << "shows frmTip";
        QTest::newRow("about") << "informazioni Toolbar1(13)"
                               << ""
                               << "shows informa";
        QTest::newRow("check") << "controlla Toolbar1(15)"
                               << "ok" << ok;
        QTest::newRow("clear") << "cancella Toolbar1(16)"
                               << ""
                               << "data changed";
        QTest::newRow("window help page") << "finestra finestraTitolo"
                                          << ""
                                          << "shows guidadati";
        QTest::newRow("help message")
            << "aiuto"
            << "ok"
            << "box 64|Fenoverra: aiuto in linea|"
               "- Aprire un file archiviato per prelevare i dati (Fenoverra-dati-...);\r"
               "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
               "- visualizzare i periodi successivi con la barra di scorrimento verticale;\r"
               "- inserire e modificare le date e i tassi con le barre di scorrimento laterali;\r"
               "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
               "- effettuare i controlli dei dati cliccando sul tasto ABC.";
    }
    void commandsLeadWhereTheySay() {
        QFETCH(QString, commands);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        for (const QString& command : commands.split(' ')) {
            closeAllWindows();
            TestFixture::resetProgramState(kTestToday);
            Dati& w = withCalculation();
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
        QTest::newRow("Alt+F") << QKeySequence(Qt::ALT | Qt::Key_F) << "calcolare"
                               << ""
                               << "menu file";
        QTest::newRow("Alt+M") << QKeySequence(Qt::ALT | Qt::Key_M) << "calcolare"
                               << ""
                               << "menu modif";
        QTest::newRow("Alt+V") << QKeySequence(Qt::ALT | Qt::Key_V) << "calcolare"
                               << ""
                               << "menu visu";
        QTest::newRow("Alt+?") << QKeySequence(Qt::ALT | Qt::Key_Question) << "calcolare"
                               << ""
                               << "menu inter";
        QTest::newRow("Alt+N") << QKeySequence(Qt::ALT | Qt::Key_N) << "calcolare"
                               << ""
                               << "shows guidadati";
        QTest::newRow("Alt+A") << QKeySequence(Qt::ALT | Qt::Key_A) << "calcolare"
                               << "ok"
                               << "box 64";
        QTest::newRow("Alt+G") << QKeySequence(Qt::ALT | Qt::Key_G) << "calcolare"
                               << ""
                               << "shows sommario";
        QTest::newRow("Alt+T") << QKeySequence(Qt::ALT | Qt::Key_T) << "calcolare"
                               << ""
                               << "shows tabella";
        QTest::newRow("Alt+U") << QKeySequence(Qt::ALT | Qt::Key_U) << "calcolare"
                               << ""
                               << "exit";
        QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << "calcolare"
                                << "cancel"
                                << "dialog Open";
        QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << "calcolare"
                                << "cancel"
                                << "dialog Save";
        QTest::newRow("Ctrl+Shift+S")
            << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << "calcolare"
            << "cancel"
            << "dialog Save";
        QTest::newRow("Ctrl+P") << QKeySequence(Qt::CTRL | Qt::Key_P) << "calcolare"
                                << ""
                                << "document";
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q) << "calcolare"
                                << ""
                                << "exit";
        QTest::newRow("F1") << QKeySequence(Qt::Key_F1) << "calcolare"
                            << ""
                            << "shows sommario";
        QTest::newRow("Ctrl+A") << QKeySequence(Qt::CTRL | Qt::Key_A) << "calcolare"
                                << "no"
                                << "box 36";
        // In a field Ctrl+A selects the text, as in any field.
        QTest::newRow("Ctrl+A in a field") << QKeySequence(Qt::CTRL | Qt::Key_A) << "capiniz"
                                           << ""
                                           << "";
        QTest::newRow("Ctrl+B") << QKeySequence(Qt::CTRL | Qt::Key_B) << "calcolare"
                                << ""
                                << "shows tabella";
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

    // The grey question, by what the window shows and what is answered.
    void colourCommand_data() {
        QTest::addColumn<QString>("before"); // answers to a colour command given first
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("chosen");
        const QString dialog = "dialog Color|Fenoverra: colore di sfondo";
        QTest::newRow("yes: grey") << ""
                                   << "yes" << kGreyQuestion + "; colour #c0c0c0"
                                   << "";
        QTest::newRow("no, then a colour")
            << ""
            << "no #336699" << kGreyQuestion + "; " + dialog + "; colour #336699"
            << "#336699";
        QTest::newRow("no, then cancel") << ""
                                         << "no cancel" << kGreyQuestion + "; " + dialog << "";
        QTest::newRow("grey already: the dialog at once")
            << "yes"
            << "#ffff00" << dialog + "; colour #ffff00"
            << "#ffff00";
        QTest::newRow("grey already, cancel") << "yes"
                                              << "cancel" << dialog << "";
        QTest::newRow("grey chosen in the dialog") << "no #c0c0c0"
                                                   << "cancel" << dialog << "#c0c0c0";
        QTest::newRow("another colour: asked again") << "no #008000"
                                                     << "yes" << kGreyQuestion + "; colour #c0c0c0"
                                                     << "#008000";
    }
    void colourCommand() {
        QFETCH(QString, before);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        QFETCH(QString, chosen);
        Dati& w = *qobject_cast<Dati*>(&show("dati"));
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
    }

    // The dialog opens on the colour last chosen in it; the design colour at first.
    void colourDialogStartsOnTheLastColour() {
        Dati& w = *qobject_cast<Dati*>(&show("dati"));
        script("no #123456");
        w.colorare();
        QCOMPARE(CommonDialog::shown().size(), 1);
        QCOMPARE(CommonDialog::shown()[0].color, designColour());
        CommonDialog::clearShown();
        script("no #654321");
        w.colorare();
        QCOMPARE(CommonDialog::shown().size(), 1);
        QCOMPARE(CommonDialog::shown()[0].color, QColor("#123456"));
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
        QWidget& w = show("dati");
        if (tabellaOpen) WindowRegistry::show("tabella");
        w.activateWindow();
        script("yes");
        dati().colorare();
        QWidget* tabella = WindowRegistry::loaded("tabella");
        QVERIFY(tabella);
        QCOMPARE(tabella->isVisible(), tabellaOpen);
        QCOMPARE(FormBackground::colour(tabella), FormBackground::kGrigio);
        QCOMPARE(WindowRegistry::show("tabella"), tabella);
        QCOMPARE(FormBackground::colour(tabella), FormBackground::kGrigio);
        QVERIFY(!FormBackground::chosen().isValid());

        delete tabella;
        QCOMPARE(FormBackground::colour(WindowRegistry::show("tabella")), designColour());
    }

    // Only the form changes colour: the bars and the controls that draw a
    // background keep theirs (labels and frames have none of their own).
    void onlyTheFormIsColoured() {
        Dati& w = *qobject_cast<Dati*>(&show("dati"));
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
    // below them every control, none cut off.
    void designedLayoutFitsBelowTheBars() {
        QWidget& w = show("dati");
        QCOMPARE(Twips::clientSize(&w), QSize(9600, 6825));
        QCOMPARE(w.findChild<QToolBar*>("Toolbar1")->geometry().bottom() + 1,
                 CommandBars::barsHeight(&w));
        QCOMPARE(controlsOutsideTheArea(w), QStringList());
    }
};

QTEST_MAIN(TestDatiCommands)
#include "tst_dati_commands.moc"

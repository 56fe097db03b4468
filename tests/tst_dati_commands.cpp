// The Data window's menus, toolbar, buttons and keys lead where they say;
// the background colour; the window's layout below its bars.
#include "support/commandsupport.h"
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/commondialog.h"
#include "platform/formbackground.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QRegularExpression>
#include <QTest>

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
    // calculation that passes the check. A key ("Ctrl+Q") is pressed with the
    // focus on the button "calcola", or on the field after "@"; it is told by
    // the outcome's first part. Ctrl+S, Ctrl+O, Ctrl+P: the session test.
    void commandsLeadWhereTheySay_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        const QString elimina = "Elimina: seleziona il file desiderato e clicca su Apri per "
                                "cancellarlo";
        // clang-format off
        QTest::newRow("open") << "apri Toolbar1(1)" << "cancel" << "dialog Open|Apri file; data changed";
        QTest::newRow("save") << "salva Toolbar1(2)" << "cancel" << "dialog Save|Salva file";
        QTest::newRow("save as") << "salvanome Ctrl+Shift+S" << "cancel" << "dialog Save|Salva file con nome";
        QTest::newRow("delete") << "eliminare Toolbar1(3)" << "cancel" << "dialog Open|" + elimina;
        QTest::newRow("print") << "stampa Toolbar1(4)" << "" << "document";
        QTest::newRow("exit") << "usci Toolbar1(17) esco Ctrl+Q" << "" << "exit";
        QTest::newRow("help question, yes") << "fin1 Toolbar1(6)" << "yes" << kHelpQuestion + "; shows guidadati";
        QTest::newRow("help question, no") << "fin1 Ctrl+A" << "no" << kHelpQuestion;
        QTest::newRow("rate table") << "fin2 Toolbar1(7) disconto Ctrl+B Alt+T" << "" << "shows tabella";
        QTest::newRow("colour") << "colorare Toolbar1(9)" << "no cancel" << kGreyQuestion + "; " + kColourDialog;
        QTest::newRow("help contents") << "guida Toolbar1(11) guidainlinea" << "" << "shows sommario";
        QTest::newRow("tips") << "suggerimenti Toolbar1(12)" << "" << "shows frmTip";
        QTest::newRow("about") << "informazioni Toolbar1(13)" << "" << "shows informa";
        QTest::newRow("check") << "controlla Toolbar1(15)" << "ok" << "box 64|Fenoverra: controllo dati immessi nella finestra attiva|I dati sono stati immessi correttamente (per numero  2 periodi).";
        QTest::newRow("clear") << "cancella Toolbar1(16)" << "" << "data changed";
        QTest::newRow("window help page") << "finestra finestraTitolo Alt+N" << "" << "shows guidadati";
        QTest::newRow("file menu") << "Alt+F" << "" << "menu file";
        QTest::newRow("in a field Ctrl+A selects") << "Ctrl+A@capiniz" << "" << "";
        QTest::newRow("help message") << "aiuto" << "ok" << "box 64|Fenoverra: aiuto in linea|"
               "- Aprire un file archiviato per prelevare i dati (Fenoverra-dati-...);\r"
               "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
               "- visualizzare i periodi successivi con la barra di scorrimento verticale;\r"
               "- inserire e modificare le date e i tassi con le barre di scorrimento laterali;\r"
               "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
               "- effettuare i controlli dei dati cliccando sul tasto ABC.";
        // clang-format on
    }
    void commandsLeadWhereTheySay() {
        QFETCH(QString, commands);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        for (const QString& command : commands.split(' ')) {
            closeAllWindows();
            TestFixture::resetProgramState(kTestToday);
            Dati& w = dati(); // with a calculation that passes the check
            DatiTest::enter(w, "1000|31/12/02|Prestito", "01/01/01=10 01/01/02=10");
            script(answers);
            const Outcome happened(w, data);
            if (command.contains('+')) {
                const QString focus = command.section('@', 1);
                w.findChild<QWidget*>(focus.isEmpty() ? "calcolare" : focus)->setFocus();
                QCOMPARE(pressKey(QKeySequence(command.section('@', 0, 0)), happened),
                         outcome.section(QRegularExpression("[|;]"), 0, 0));
                continue;
            }
            run(w, command);
            QVERIFY2(happened.text() == outcome,
                     qPrintable(command + " gave: " + happened.text().replace('\r', "\\r")));
            QVERIFY(w.findChild<QAction*>("fin1")->isChecked());
        }
    }

    // A separator with a text would draw as a titled section.
    void separatorsHaveNoText() {
        for (const char* window : {"dati", "tabella"})
            for (const QAction* a : show(window).findChildren<QAction*>())
                QVERIFY2(!a->isSeparator() || a->text().isEmpty(), qPrintable(a->objectName()));
    }

    // The grey question, by what the window shows and what is answered; the
    // dialog opens on the colour last chosen in it, the design colour at first.
    // Grey goes to the rate-table window too, open (when a colour was chosen
    // before) or loaded unseen; loaded anew it has its design colour again.
    // Only the form changes colour: the bars and the controls that draw a
    // background keep theirs (labels and frames have none of their own).
    void colourCommand_data() {
        QTest::addColumn<QString>("before"); // answers to a colour command given first
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("chosen");
        // clang-format off
        QTest::newRow("yes: grey") << "" << "yes" << kGreyQuestion + "; colour #c0c0c0" << "";
        QTest::newRow("no, then a colour") << "" << "no #336699" << kGreyQuestion + "; " + kColourDialog + "; colour #336699" << "#336699";
        QTest::newRow("grey already: the dialog at once") << "yes" << "#ffff00" << kColourDialog + "; colour #ffff00" << "#ffff00";
        QTest::newRow("grey chosen in the dialog") << "no #c0c0c0" << "cancel" << kColourDialog << "#c0c0c0";
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
            WindowRegistry::show("tabella");
            script(before);
            w.colorare();
        }
        script(answers);
        const QImage shown = w.grab().toImage();
        const Outcome happened(w, data);
        w.colorare();
        QCOMPARE(happened.text(), outcome);
        QCOMPARE(FormBackground::chosen().isValid() ? FormBackground::chosen().name() : QString(),
                 chosen);
        if (!CommonDialog::shown().isEmpty())
            QCOMPARE(CommonDialog::shown().last().color,
                     before.contains('#') ? QColor(before.section(' ', -1)) : designColour());
        // Points on each: the bars' empty ends, the middle of the controls.
        for (const char* name : {"Toolbar1", "menuBar", "esco", "capiniz", "passo", "capital(1)"}) {
            auto* c = w.findChild<QWidget*>(name);
            const QPoint p = c->mapTo(&w, QPoint(c->width() * 3 / 5, c->height() / 2));
            QVERIFY2(w.grab().toImage().pixelColor(p) == shown.pixelColor(p), name);
        }
        if (outcome.endsWith("#c0c0c0")) {
            QWidget* tabella = WindowRegistry::loaded("tabella");
            QVERIFY(tabella && WindowRegistry::show("tabella") == tabella);
            QCOMPARE(FormBackground::colour(tabella), FormBackground::kGrigio);
            delete tabella;
            QCOMPARE(FormBackground::colour(WindowRegistry::show("tabella")), designColour());
        }
    }

    // At its designed size the window holds its menu bar, its toolbar and
    // below them every control, none cut off; the right-hand title stands
    // at the right end of the menu bar, within the window.
    void designedLayoutFitsBelowTheBars() {
        QWidget& w = show("dati");
        QCOMPARE(controlsOutsideTheArea(w), QStringList());
        auto* corner = w.findChild<QWidget*>("finestraTitolo");
        const int left = corner->mapTo(&w, QPoint(0, 0)).x();
        QVERIFY(corner->isVisible() && left > w.width() * 2 / 3);
        QVERIFY(left + corner->width() <= w.width());
    }
};

QTEST_MAIN(TestDatiCommands)
#include "tst_dati_commands.moc"

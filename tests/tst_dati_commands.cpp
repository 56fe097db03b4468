// SPDX-License-Identifier: GPL-3.0-or-later
// The Data window's menus, toolbar, buttons and keys lead where they say;
// the background colour.
#include "support/commandsupport.h"
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/commondialog.h"
#include "platform/formbackground.h"
#include "platform/windowregistry.h"

#include <QRegularExpression>
#include <QTest>

using namespace CommandTest;

namespace {

const QString kGreyQuestion =
    "box 4|Fenoverra: colore di sfondo|Colori uguali e riposanti (grigio) per tutte le finestre?";
const QString kColourDialog = "dialog Color|Fenoverra: colore di sfondo";

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

    // Each command on a window whose calculation passes the check. A key is
    // pressed in "calcola" or the field after "@". Ctrl+S, O, P: the session.
    void commandsLeadWhereTheySay_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::newRow("open") << "apri Toolbar1(1)" << "cancel" << "dialog Open|Apri file; data changed";
        QTest::newRow("save") << "salva Toolbar1(2)" << "cancel" << "dialog Save|Salva file";
        QTest::newRow("save as") << "salvanome Ctrl+Shift+S" << "cancel" << "dialog Save|Salva file con nome";
        QTest::newRow("delete") << "eliminare Toolbar1(3)" << "cancel" << "dialog Open|Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo";
        QTest::newRow("print") << "stampa Toolbar1(4)" << "" << "document";
        QTest::newRow("exit") << "usci Toolbar1(17) esco Ctrl+Q" << "" << "exit";
        QTest::newRow("help question") << "fin1 Toolbar1(6) Ctrl+A" << "yes" << "box 36|Fenoverra|E' questa la finestra 'Dati': si vuole la guida della finestra?; shows guidadati";
        QTest::newRow("rate table") << "fin2 Toolbar1(7) disconto Ctrl+B Alt+T" << "" << "shows tabella";
        QTest::newRow("help contents") << "guida Toolbar1(11) guidainlinea" << "" << "shows sommario";
        QTest::newRow("tips") << "suggerimenti Toolbar1(12)" << "" << "shows frmTip";
        QTest::newRow("about") << "informazioni Toolbar1(13)" << "" << "shows informa";
        QTest::newRow("check") << "controlla Toolbar1(15)" << "ok" << "box 64|Fenoverra: controllo dati immessi nella finestra attiva|I dati sono stati immessi correttamente (per numero  2 periodi).";
        QTest::newRow("clear") << "cancella Toolbar1(16)" << "" << "data changed";
        QTest::newRow("window help page") << "finestra finestraTitolo Alt+N" << "" << "shows guidadati";
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
            if (command.contains('+')) { // a key, told by the outcome's first part
                w.findChild<QWidget*>((command + "@calcolare").section('@', 1, 1))->setFocus();
                QCOMPARE(pressKey(QKeySequence(command.section('@', 0, 0)), happened),
                         outcome.section(QRegularExpression("[|;]"), 0, 0));
                continue;
            }
            run(w, command);
            QVERIFY2(happened.text() == outcome,
                     qPrintable(command + " gave: " + happened.text().replace('\r', "\\r")));
        }
    }

    // Grey is offered unless shown; the dialog opens on the colour last chosen
    // in it. Grey goes to the rate-table window too, open or loaded unseen;
    // loaded anew it has its design colour again.
    void colourCommand_data() {
        QTest::addColumn<QString>("before"); // answers to a colour command given first
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::newRow("yes: grey") << "" << "yes" << kGreyQuestion + "; colour #c0c0c0";
        QTest::newRow("no, then a colour") << "" << "no #336699" << kGreyQuestion + "; " + kColourDialog + "; colour #336699";
        QTest::newRow("grey already: the dialog at once") << "yes" << "#ffff00" << kColourDialog + "; colour #ffff00";
        QTest::newRow("grey chosen in the dialog") << "no #c0c0c0" << "cancel" << kColourDialog;
        // clang-format on
    }
    void colourCommand() {
        QFETCH(QString, before);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        const QColor design = QApplication::palette().color(QPalette::Window);
        Dati& w = dati();
        if (!before.isEmpty()) {
            WindowRegistry::show("tabella");
            script(before);
            w.colorare();
        }
        script(answers);
        const Outcome happened(w, data);
        w.colorare();
        QCOMPARE(happened.text(), outcome);
        if (!CommonDialog::shown().isEmpty())
            QCOMPARE(CommonDialog::shown().last().color,
                     before.contains('#') ? QColor(before.section(' ', -1)) : design);
        if (outcome.endsWith("#c0c0c0")) {
            QWidget* tabella = WindowRegistry::loaded("tabella");
            QVERIFY(tabella && WindowRegistry::show("tabella") == tabella);
            QCOMPARE(FormBackground::colour(tabella), FormBackground::kGrigio);
            delete tabella;
            QCOMPARE(FormBackground::colour(WindowRegistry::show("tabella")), design);
        }
    }

    // The bars are taller than the band the layout left for them: every
    // control must still sit wholly below them, in both windows.
    void controlsFitBelowTheBars() {
        for (const char* name : {"dati", "tabella"})
            QCOMPARE(controlsOutsideTheArea(*WindowRegistry::show(name)), QStringList());
    }
};

QTEST_MAIN(TestDatiCommands)
#include "tst_dati_commands.moc"

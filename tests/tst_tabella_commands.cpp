// SPDX-License-Identifier: GPL-3.0-or-later
// The rate-table window's menus, toolbar, buttons and keys lead where they say.
#include "support/commandsupport.h"
#include "support/tabellasupport.h"
#include "support/testsupport.h"

#include "platform/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using namespace CommandTest;

namespace {

const QString kHelpQuestion = "box 36|Fenoverra: aiuto in linea|E' questa la finestra 'Tabella "
                              "dei tassi': si vuole la guida della finestra?";

} // namespace

class TestTabellaCommands : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeAllWindows();
        fixture.reset();
    }

    // Each command, by each way of giving it, on the window with the legal
    // rates. A key ("Ctrl+A") is pressed where the focus is and told by the
    // outcome's first part.
    void commandsLeadWhereTheySay_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("outcome");
        const QString elimina = "Elimina: seleziona il file desiderato e clicca su Apri per "
                                "cancellarlo";
        // clang-format off
        QTest::newRow("open") << "apri Toolbar1(1)" << "cancel" << "dialog Open|Apri file; data changed";
        QTest::newRow("save") << "salva Toolbar1(2)" << "cancel" << "dialog Save|Salva file";
        QTest::newRow("save as") << "salvanome" << "cancel" << "dialog Save|Salva file con nome";
        QTest::newRow("delete") << "elimina Toolbar1(3)" << "cancel" << "dialog Open|" + elimina;
        QTest::newRow("print") << "stampa Toolbar1(4)" << "" << "document";
        QTest::newRow("export PDF") << "esportapdf" << "" << "pdf";
        QTest::newRow("exit") << "esci Toolbar1(17) cmdesci" << "" << "exit";
        QTest::newRow("data window") << "fin1 Toolbar1(6) indietro Ctrl+A Alt+D" << "" << "shows dati";
        QTest::newRow("help question, yes") << "fin2" << "yes" << kHelpQuestion + "; shows guidatabella";
        QTest::newRow("help question, no") << "fin2 Ctrl+B" << "no" << kHelpQuestion;
        QTest::newRow("colour") << "colorare Toolbar1(9)" << "#808000" << "dialog Color|Fenoverra: colore di sfondo; colour #808000";
        QTest::newRow("help contents") << "guida Toolbar1(11) guidainlinea" << "" << "shows sommario";
        QTest::newRow("tips") << "suggerimenti Toolbar1(12)" << "" << "shows frmTip";
        QTest::newRow("about") << "informazioni Toolbar1(13)" << "" << "shows informa";
        QTest::newRow("check") << "controlla Toolbar1(15)" << "ok" << "box 64|Fenoverra: controllo dati immessi nella finestra attiva|I dati sono stati immessi correttamente";
        QTest::newRow("clear") << "cancella Toolbar1(16) Alt+T" << "" << "data changed";
        QTest::newRow("window help page") << "finestra finestraTitolo Alt+N" << "" << "shows guidatabella";
        QTest::newRow("file menu") << "Alt+F" << "" << "menu file";
        QTest::newRow("usage message") << "aiuto" << "ok" << "box 64|Fenoverra: aiuto in linea|- Visualizzare una tabella di dati cliccando su un tasto di scelta sulla destra;\r"
               "- aprire un file archiviato per prelevare i dati della tabella (Fenoverra-tab-...);\r- formare una nuova tabella usando le frecce per le date ed i tassi;\r"
               "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r- copiare i dati e trasportarli nella finestra di calcolo con i tasti a destra delle freccette.";
        // clang-format on
    }
    void commandsLeadWhereTheySay() {
        QFETCH(QString, commands);
        QFETCH(QString, answers);
        QFETCH(QString, outcome);
        for (const QString& command : commands.split(' ')) {
            closeAllWindows();
            fixture.emplace();
            QWidget& w = show("tabella");
            auto& t = *qobject_cast<Tabella*>(&w);
            script(answers);
            const Outcome happened(w,
                                   [&] { return TabellaTest::rows(t, 1, t.table().rowCount()); });
            if (command.contains('+')) {
                QCOMPARE(pressKey(QKeySequence(command), happened),
                         outcome.section(QRegularExpression("[|;]"), 0, 0));
                continue;
            }
            run(w, command);
            QVERIFY2(happened.text() == outcome,
                     qPrintable(command + " gave: " + happened.text().replace('\r', "\\r")));
            QVERIFY(w.findChild<QAction*>("fin2")->isChecked());
        }
    }

    // The toolbar's button 7 brings this window back in front of the Data window.
    void windowsComeForward() {
        QWidget& w = show("tabella");
        run(w, "fin1");
        QTRY_COMPARE(QApplication::activeWindow(), WindowRegistry::loaded("dati"));
        run(w, "Toolbar1(7)");
        QTRY_COMPARE(QApplication::activeWindow(), &w);
    }
};

QTEST_MAIN(TestTabellaCommands)
#include "tst_tabella_commands.moc"

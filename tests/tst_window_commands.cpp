// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, toolbar, buttons and keys of both working windows lead where
// they say; the Data window's background colour; the bars above the controls.
#include "support/commandsupport.h"
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "platform/formbackground.h"
#include "platform/windowregistry.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTest>

using namespace CommandTest;

Q_DECLARE_METATYPE(CommonDialog::Kind)

namespace {

const QString kDataHelpQuestion = "E' questa la finestra 'Dati': si vuole la guida della finestra?";
const QString kTableHelpQuestion =
    "E' questa la finestra 'Tabella dei tassi': si vuole la guida della finestra?";
const QString kDataUsage =
    "- Aprire un file archiviato per prelevare i dati (Fenoverra-dati-...);\r"
    "- digitare i dati seguendo le indicazioni della casella gialla posta in basso;\r"
    "- visualizzare i periodi successivi con la barra di scorrimento verticale;\r"
    "- inserire e modificare le date e i tassi con le barre di scorrimento laterali;\r"
    "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
    "- effettuare i controlli dei dati cliccando sul tasto ABC.";
const QString kTableUsage =
    "- Visualizzare una tabella di dati cliccando su un tasto di scelta sulla destra;\r"
    "- aprire un file archiviato per prelevare i dati della tabella (Fenoverra-tab-...);\r"
    "- formare una nuova tabella usando le frecce per le date ed i tassi;\r"
    "- inserire o eliminare una riga cliccando sui numeri o sulle X a sinistra;\r"
    "- copiare i dati e trasportarli nella finestra di calcolo con i tasti a destra delle "
    "freccette.";
const QString kColourTitle = "Fenoverra: colore di sfondo";
const QString kGreyQuestion = "Colori uguali e riposanti (grigio) per tutte le finestre?";

// What the window holds, to tell whether a command changed it.
QString contents(QWidget& window) {
    if (auto* t = qobject_cast<Tabella*>(&window)) {
        QString all;
        for (const auto& [date, rate] : TabellaTest::rows(*t, 1, t->table().rowCount()))
            all += date + '=' + rate + ' ';
        return all;
    }
    return text(window, "capiniz") + '\n' + text(window, "riferimento") + '\n' +
           QString::number(DatiTest::periods().numperiodi);
}

// The test's columns: the window, and each way of giving the command in it.
void addWindowAndCommands() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("commands");
}

} // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

    // A fresh program with the window shown: the Data window with a
    // calculation that passes the check (keys are pressed in "&calcola"),
    // the rate-table window with the legal rates. The answers are queued,
    // the command given, and its outcome watched.
    Outcome give(const QString& name, const QString& command, const QStringList& answers = {}) {
        closeAllWindows();
        fixture.emplace();
        QWidget& window = show(name);
        if (auto* dati = qobject_cast<Dati*>(&window)) {
            DatiTest::enter(*dati, {"1000", "31/12/02", "Prestito"},
                            {{"01/01/01", "10"}, {"01/01/02", "10"}});
            window.findChild<QWidget*>("calcolare")->setFocus();
        }
        script(answers);
        Watch watch(window, [&window] { return contents(window); });
        watch.give(command);
        // The window's own "Finestra" entry stays checked.
        const char* own = qobject_cast<Dati*>(&window) ? "fin1" : "fin2";
        if (!window.findChild<QAction*>(own)->isChecked())
            QTest::qFail("the window's own entry lost its check", __FILE__, __LINE__);
        return watch.outcome();
    }

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeAllWindows();
        fixture.reset();
    }

    // Each opens its file dialog, which is cancelled; a cancelled open
    // leaves the window empty.
    void fileDialogs_data() {
        addWindowAndCommands();
        QTest::addColumn<CommonDialog::Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("emptied");
        const QString deleteTitle = kDeleteDialogTitle;
        using enum CommonDialog::Kind;
        // clang-format off
        QTest::newRow("data: open") << "dati" << QStringList{"apri", "Toolbar1(1)"} << Open << "Apri file" << true;
        QTest::newRow("data: save") << "dati" << QStringList{"salva", "Toolbar1(2)"} << Save << "Salva file" << false;
        QTest::newRow("data: save as") << "dati" << QStringList{"salvanome", "Ctrl+Shift+S"} << Save << "Salva file con nome" << false;
        QTest::newRow("data: delete") << "dati" << QStringList{"eliminare", "Toolbar1(3)"} << Open << deleteTitle << false;
        QTest::newRow("table: open") << "tabella" << QStringList{"apri", "Toolbar1(1)"} << Open << "Apri file" << true;
        QTest::newRow("table: save") << "tabella" << QStringList{"salva", "Toolbar1(2)"} << Save << "Salva file" << false;
        QTest::newRow("table: save as") << "tabella" << QStringList{"salvanome"} << Save << "Salva file con nome" << false;
        QTest::newRow("table: delete") << "tabella" << QStringList{"elimina", "Toolbar1(3)"} << Open << deleteTitle << false;
        // clang-format on
    }
    void fileDialogs() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(CommonDialog::Kind, kind);
        QFETCH(QString, title);
        QFETCH(bool, emptied);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command, {"cancel"});
            QCOMPARE(outcome.kinds(),
                     emptied ? QStringList({"dialogs", "data changed"}) : QStringList("dialogs"));
            QCOMPARE(outcome.dialogs.size(), 1);
            QCOMPARE(outcome.dialogs[0].kind, kind);
            QCOMPARE(outcome.dialogs[0].title, title);
        }
    }

    void documents_data() {
        addWindowAndCommands();
        QTest::addColumn<QString>("suffix");
        QTest::newRow("data: print") << "dati" << QStringList{"stampa", "Toolbar1(4)"} << "odt";
        QTest::newRow("data: PDF") << "dati" << QStringList{"esportapdf"} << "pdf";
        QTest::newRow("table: print") << "tabella" << QStringList{"stampa", "Toolbar1(4)"} << "odt";
        QTest::newRow("table: PDF") << "tabella" << QStringList{"esportapdf"} << "pdf";
    }
    void documents() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(QString, suffix);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command);
            QCOMPARE(outcome.kinds(), QStringList("documents"));
            QCOMPARE(outcome.documents.size(), 1);
            QCOMPARE(QFileInfo(outcome.documents[0]).suffix(), suffix);
        }
    }

    void windowsShown_data() {
        addWindowAndCommands();
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("data: the rate table") << "dati" << QStringList{"fin2", "Toolbar1(7)", "disconto", "Ctrl+B", "Alt+T"} << "tabella";
        QTest::newRow("data: help contents") << "dati" << QStringList{"guida", "Toolbar1(11)", "guidainlinea"} << "sommario";
        QTest::newRow("data: tips") << "dati" << QStringList{"suggerimenti", "Toolbar1(12)"} << "frmTip";
        QTest::newRow("data: about") << "dati" << QStringList{"informazioni", "Toolbar1(13)"} << "informa";
        QTest::newRow("data: its help page") << "dati" << QStringList{"finestra", "finestraTitolo", "Alt+N"} << "guidadati";
        QTest::newRow("table: the Data window") << "tabella" << QStringList{"fin1", "Toolbar1(6)", "indietro", "Ctrl+A", "Alt+D"} << "dati";
        QTest::newRow("table: help contents") << "tabella" << QStringList{"guida", "Toolbar1(11)", "guidainlinea"} << "sommario";
        QTest::newRow("table: tips") << "tabella" << QStringList{"suggerimenti", "Toolbar1(12)"} << "frmTip";
        QTest::newRow("table: about") << "tabella" << QStringList{"informazioni", "Toolbar1(13)"} << "informa";
        QTest::newRow("table: its help page") << "tabella" << QStringList{"finestra", "finestraTitolo", "Alt+N"} << "guidatabella";
        // clang-format on
    }
    void windowsShown() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(QString, shown);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command);
            QCOMPARE(outcome.kinds(), QStringList("windows shown"));
            QCOMPARE(outcome.shownNow, QStringList(shown));
        }
    }

    // The Data window's own "Finestra Dati" asks, and so does the rate
    // table's own "Finestra Tabella tassi"; Yes shows the window's page of
    // the guide.
    void messages_data() {
        addWindowAndCommands();
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("shown");
        using namespace BoxStyle;
        const QString check = BoxTitle::kCheck, help = BoxTitle::kHelp;
        // clang-format off
        QTest::newRow("data: help question") << "dati" << QStringList{"fin1", "Toolbar1(6)", "Ctrl+A"} << "yes" << kQuestion << BoxTitle::kProgram << kDataHelpQuestion << QStringList{"guidadati"};
        QTest::newRow("data: check") << "dati" << QStringList{"controlla", "Toolbar1(15)"} << "ok" << kInformation << check << "I dati sono stati immessi correttamente (per numero  2 periodi)." << QStringList();
        QTest::newRow("data: usage") << "dati" << QStringList{"aiuto"} << "ok" << kInformation << help << kDataUsage << QStringList();
        QTest::newRow("table: help question, yes") << "tabella" << QStringList{"fin2"} << "yes" << kQuestion << help << kTableHelpQuestion << QStringList{"guidatabella"};
        QTest::newRow("table: help question, no") << "tabella" << QStringList{"fin2", "Ctrl+B"} << "no" << kQuestion << help << kTableHelpQuestion << QStringList();
        QTest::newRow("table: check") << "tabella" << QStringList{"controlla", "Toolbar1(15)"} << "ok" << kInformation << check << "I dati sono stati immessi correttamente" << QStringList();
        QTest::newRow("table: usage") << "tabella" << QStringList{"aiuto"} << "ok" << kInformation << help << kTableUsage << QStringList();
        // clang-format on
    }
    void messages() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(QString, answer);
        QFETCH(int, style);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(QStringList, shown);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command, {answer});
            QCOMPARE(outcome.kinds(), shown.isEmpty() ? QStringList("boxes")
                                                      : QStringList({"boxes", "windows shown"}));
            QCOMPARE(outcome.boxes.size(), 1);
            QCOMPARE(outcome.boxes[0].style, style);
            QCOMPARE(outcome.boxes[0].title, title);
            QCOMPARE(outcome.boxes[0].prompt, prompt);
            QCOMPARE(outcome.shownNow, shown);
        }
    }

    // The exit and the clear, from each place that gives them.
    void exitsAndClears_data() {
        addWindowAndCommands();
        QTest::addColumn<int>("exits");
        QTest::addColumn<bool>("cleared");
        // clang-format off
        QTest::newRow("data: exit") << "dati" << QStringList{"usci", "Toolbar1(17)", "esco", "Ctrl+Q"} << 1 << false;
        QTest::newRow("data: clear") << "dati" << QStringList{"cancella", "Toolbar1(16)"} << 0 << true;
        QTest::newRow("table: exit") << "tabella" << QStringList{"esci", "Toolbar1(17)", "cmdesci"} << 1 << false;
        // Alt+T is "&TUS": another table.
        QTest::newRow("table: clear") << "tabella" << QStringList{"cancella", "Toolbar1(16)", "Alt+T"} << 0 << true;
        // clang-format on
    }
    void exitsAndClears() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(int, exits);
        QFETCH(bool, cleared);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command);
            QCOMPARE(outcome.kinds(), cleared ? QStringList("data changed") : QStringList("exits"));
            QCOMPARE(outcome.exits, exits);
        }
    }

    // Alt and a menu's letter open the menu; in a field Ctrl+A selects its
    // text instead of showing the Data window.
    void keysForTheMenusAndTheFields() {
        const Outcome outcome = give("tabella", "Alt+F");
        QCOMPARE(outcome.kinds(), QStringList("menu opened"));
        QCOMPARE(outcome.menuOpened, QString("file"));
        closeAllWindows();
        fixture.emplace();
        QWidget& dati = show("dati");
        dati.findChild<QWidget*>("capiniz")->setFocus();
        Watch watch(dati, [&dati] { return contents(dati); });
        watch.give("Ctrl+A");
        QCOMPARE(watch.outcome().kinds(), QStringList());
    }

    // The rate-table window's colour comes from its dialog alone.
    void rateTableColour() {
        for (const char* command : {"colorare", "Toolbar1(9)"}) {
            const Outcome outcome = give("tabella", command, {"#808000"});
            QCOMPARE(outcome.kinds(), QStringList({"dialogs", "colour"}));
            QCOMPARE(outcome.dialogs.size(), 1);
            QCOMPARE(outcome.dialogs[0].kind, CommonDialog::Kind::Color);
            QCOMPARE(outcome.dialogs[0].title, kColourTitle);
            QCOMPARE(outcome.colour, QColor("#808000"));
        }
    }

    // Grey is offered unless shown; the dialog opens on the colour last chosen
    // in it. Grey goes to the rate-table window too, open or loaded unseen;
    // loaded anew it has its design colour again.
    void dataColour_data() {
        QTest::addColumn<QStringList>("before"); // answers to a colour command given first
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<bool>("greyOffered");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QString>("colour"); // the new one; empty: unchanged
        // clang-format off
        QTest::newRow("yes: grey") << QStringList() << QStringList{"yes"} << true << false << "#c0c0c0";
        QTest::newRow("no, then a colour") << QStringList() << QStringList{"no", "#336699"} << true << true << "#336699";
        QTest::newRow("grey already: the dialog at once") << QStringList{"yes"} << QStringList{"#ffff00"} << false << true << "#ffff00";
        QTest::newRow("grey chosen in the dialog") << QStringList{"no", "#c0c0c0"} << QStringList{"cancel"} << false << true << "";
        // clang-format on
    }
    void dataColour() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, answers);
        QFETCH(bool, greyOffered);
        QFETCH(bool, dialog);
        QFETCH(QString, colour);
        const QColor design = QApplication::palette().color(QPalette::Window);
        auto& w = *qobject_cast<Dati*>(&show("dati"));
        if (!before.isEmpty()) {
            WindowRegistry::show("tabella");
            script(before);
            w.colorare();
        }
        script(answers);
        const Watch watch(w, [&w] { return contents(w); });
        w.colorare();
        const Outcome outcome = watch.outcome();
        QCOMPARE(outcome.documents, QStringList());
        QCOMPARE(outcome.exits, 0);
        QCOMPARE(outcome.shownNow, QStringList());
        QVERIFY(!outcome.dataChanged);
        QCOMPARE(outcome.boxes.size(), greyOffered ? 1 : 0);
        if (greyOffered) {
            QCOMPARE(outcome.boxes[0].style, BoxStyle::kYesNo);
            QCOMPARE(outcome.boxes[0].title, kColourTitle);
            QCOMPARE(outcome.boxes[0].prompt, kGreyQuestion);
        }
        QCOMPARE(outcome.dialogs.size(), dialog ? 1 : 0);
        if (dialog) {
            QCOMPARE(outcome.dialogs[0].kind, CommonDialog::Kind::Color);
            QCOMPARE(outcome.dialogs[0].title, kColourTitle);
            // It opens on the colour chosen in it before, or the window's own.
            const bool chosenBefore = !before.isEmpty() && before.last().startsWith('#');
            QCOMPARE(outcome.dialogs[0].color, chosenBefore ? QColor(before.last()) : design);
        }
        QCOMPARE(outcome.colour, colour.isEmpty() ? QColor() : QColor(colour));
        if (colour == "#c0c0c0") {
            QWidget* tabella = WindowRegistry::loaded("tabella");
            QVERIFY(tabella && WindowRegistry::show("tabella") == tabella);
            QCOMPARE(FormBackground::colour(tabella), FormBackground::kGrigio);
            delete tabella;
            QCOMPARE(FormBackground::colour(WindowRegistry::show("tabella")), design);
        }
    }

    // The toolbar's "visualizza finestra Tabella tassi" brings the rate
    // table back in front of the Data window, from the rate table itself.
    void rateTableComesForward() {
        QWidget& w = show("tabella");
        Watch watch(w, [] { return QString(); });
        watch.give("fin1");
        QTRY_COMPARE(QApplication::activeWindow(), WindowRegistry::loaded("dati"));
        watch.give("Toolbar1(7)");
        QTRY_COMPARE(QApplication::activeWindow(), &w);
    }

    // The bars are taller than the band the layout left for them: every
    // control must still sit wholly below them, in both windows.
    void controlsFitBelowTheBars() {
        for (const char* name : {"dati", "tabella"})
            QCOMPARE(controlsOutsideTheArea(*WindowRegistry::show(name)), QStringList());
    }
};

QTEST_MAIN(TestWindowCommands)
#include "tst_window_commands.moc"

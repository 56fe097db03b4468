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

const QString kColourTitle = "Fenoverra: colore di sfondo";
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

// The documents' suffixes, the windows shown, the exits counted and the menu
// opened.
QString detail(const Outcome& o) {
    QStringList d;
    for (const QString& document : o.documents)
        d << QFileInfo(document).suffix();
    d << o.shownNow;
    if (o.exits) d << QString::number(o.exits);
    if (!o.menuOpened.isEmpty()) d << o.menuOpened;
    return d.join(',');
}

} // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

    // A fresh program with the window shown (the Data window with a
    // calculation that passes the check, the focus on "&calcola"); the
    // window's own "Finestra" entry must stay checked.
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
        if (!window.findChild<QAction*>(qobject_cast<Dati*>(&window) ? "fin1" : "fin2")
                 ->isChecked())
            QTest::qFail("the window's own entry lost its check", __FILE__, __LINE__);
        return watch.outcome();
    }

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeAllWindows();
        fixture.reset();
    }

    // A cancelled open empties the window; the colour is the rate table's,
    // from its dialog alone.
    void dialogs_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<CommonDialog::Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("kinds");
        const QString deleteTitle = kDeleteDialogTitle;
        const QStringList dialog{"dialogs"}, emptied{"dialogs", "data changed"};
        using enum CommonDialog::Kind;
        // clang-format off
        QTest::newRow("data: open") << "dati" << QStringList{"apri", "Toolbar1(1)"} << "cancel" << Open << "Apri file" << emptied;
        QTest::newRow("data: save") << "dati" << QStringList{"salva", "Toolbar1(2)"} << "cancel" << Save << "Salva file" << dialog;
        QTest::newRow("data: save as") << "dati" << QStringList{"salvanome", "Ctrl+Shift+S"} << "cancel" << Save << "Salva file con nome" << dialog;
        QTest::newRow("data: delete") << "dati" << QStringList{"eliminare", "Toolbar1(3)"} << "cancel" << Open << deleteTitle << dialog;
        QTest::newRow("table: open") << "tabella" << QStringList{"apri", "Toolbar1(1)"} << "cancel" << Open << "Apri file" << emptied;
        QTest::newRow("table: save") << "tabella" << QStringList{"salva", "Toolbar1(2)"} << "cancel" << Save << "Salva file" << dialog;
        QTest::newRow("table: save as") << "tabella" << QStringList{"salvanome"} << "cancel" << Save << "Salva file con nome" << dialog;
        QTest::newRow("table: delete") << "tabella" << QStringList{"elimina", "Toolbar1(3)"} << "cancel" << Open << deleteTitle << dialog;
        QTest::newRow("table: colour") << "tabella" << QStringList{"colorare", "Toolbar1(9)"} << "#808000" << Color << kColourTitle << QStringList{"dialogs", "colour"};
        // clang-format on
    }
    void dialogs() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(QString, answer);
        QFETCH(CommonDialog::Kind, kind);
        QFETCH(QString, title);
        QFETCH(QStringList, kinds);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command, {answer});
            QCOMPARE(outcome.kinds(), kinds);
            QCOMPARE(outcome.dialogs.size(), 1);
            QCOMPARE(outcome.dialogs[0].kind, kind);
            QCOMPARE(outcome.dialogs[0].title, title);
            if (answer.startsWith('#')) QCOMPARE(outcome.colour, QColor(answer));
        }
    }

    // Documents, windows, exits, clears and menus, each with its detail.
    void commands_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("detail");
        // clang-format off
        QTest::newRow("data: print") << "dati" << QStringList{"stampa", "Toolbar1(4)"} << "documents" << "odt";
        QTest::newRow("data: PDF") << "dati" << QStringList{"esportapdf"} << "documents" << "pdf";
        QTest::newRow("table: print") << "tabella" << QStringList{"stampa", "Toolbar1(4)"} << "documents" << "odt";
        QTest::newRow("table: PDF") << "tabella" << QStringList{"esportapdf"} << "documents" << "pdf";
        QTest::newRow("data: the rate table") << "dati" << QStringList{"fin2", "Toolbar1(7)", "disconto", "Ctrl+B", "Alt+T"} << "windows shown" << "tabella";
        QTest::newRow("data: help contents") << "dati" << QStringList{"guida", "Toolbar1(11)", "guidainlinea"} << "windows shown" << "sommario";
        QTest::newRow("data: tips") << "dati" << QStringList{"suggerimenti", "Toolbar1(12)"} << "windows shown" << "frmTip";
        QTest::newRow("data: about") << "dati" << QStringList{"informazioni", "Toolbar1(13)"} << "windows shown" << "informa";
        QTest::newRow("data: its help page") << "dati" << QStringList{"finestra", "finestraTitolo", "Alt+N"} << "windows shown" << "guidadati";
        QTest::newRow("table: the Data window") << "tabella" << QStringList{"fin1", "Toolbar1(6)", "indietro", "Ctrl+A", "Alt+D"} << "windows shown" << "dati";
        QTest::newRow("table: help contents") << "tabella" << QStringList{"guida", "Toolbar1(11)", "guidainlinea"} << "windows shown" << "sommario";
        QTest::newRow("table: tips") << "tabella" << QStringList{"suggerimenti", "Toolbar1(12)"} << "windows shown" << "frmTip";
        QTest::newRow("table: about") << "tabella" << QStringList{"informazioni", "Toolbar1(13)"} << "windows shown" << "informa";
        QTest::newRow("table: its help page") << "tabella" << QStringList{"finestra", "finestraTitolo", "Alt+N"} << "windows shown" << "guidatabella";
        QTest::newRow("data: exit") << "dati" << QStringList{"usci", "Toolbar1(17)", "esco", "Ctrl+Q"} << "exits" << "1";
        QTest::newRow("table: exit") << "tabella" << QStringList{"esci", "Toolbar1(17)", "cmdesci"} << "exits" << "1";
        QTest::newRow("data: clear") << "dati" << QStringList{"cancella", "Toolbar1(16)"} << "data changed" << "";
        // Alt+T is "&TUS": another table.
        QTest::newRow("table: clear") << "tabella" << QStringList{"cancella", "Toolbar1(16)", "Alt+T"} << "data changed" << "";
        QTest::newRow("table: a menu's letter") << "tabella" << QStringList{"Alt+F"} << "menu opened" << "file";
        // clang-format on
    }
    void commands() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(QString, kind);
        QFETCH(QString, detail);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command);
            QCOMPARE(outcome.kinds(), QStringList(kind));
            QCOMPARE(::detail(outcome), detail);
        }
    }

    // The help questions of each window's own entry (Yes shows its page of
    // the guide) and the check.
    void messages_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("shown");
        using namespace BoxStyle;
        const QString help = "E' questa la finestra '%1': si vuole la guida della finestra?";
        // clang-format off
        QTest::newRow("data: help question") << "dati" << QStringList{"fin1", "Toolbar1(6)", "Ctrl+A"} << "yes" << kQuestion << help.arg("Dati") << QStringList{"guidadati"};
        QTest::newRow("data: check") << "dati" << QStringList{"controlla", "Toolbar1(15)"} << "ok" << kInformation << "I dati sono stati immessi correttamente (per numero  2 periodi)." << QStringList();
        QTest::newRow("data: usage") << "dati" << QStringList{"aiuto"} << "ok" << kInformation << kDataUsage << QStringList();
        QTest::newRow("table: help question, yes") << "tabella" << QStringList{"fin2"} << "yes" << kQuestion << help.arg("Tabella dei tassi") << QStringList{"guidatabella"};
        QTest::newRow("table: help question, no") << "tabella" << QStringList{"fin2", "Ctrl+B"} << "no" << kQuestion << help.arg("Tabella dei tassi") << QStringList();
        QTest::newRow("table: check") << "tabella" << QStringList{"controlla", "Toolbar1(15)"} << "ok" << kInformation << "I dati sono stati immessi correttamente" << QStringList();
        QTest::newRow("table: usage") << "tabella" << QStringList{"aiuto"} << "ok" << kInformation << kTableUsage << QStringList();
        // clang-format on
    }
    void messages() {
        QFETCH(QString, window);
        QFETCH(QStringList, commands);
        QFETCH(QString, answer);
        QFETCH(QStringList, shown);
        for (const QString& command : commands) {
            const Outcome outcome = give(window, command, {answer});
            QCOMPARE(outcome.kinds(), shown.isEmpty() ? QStringList("boxes")
                                                      : QStringList({"boxes", "windows shown"}));
            QCOMPARE(outcome.boxes.size(), 1);
            QTEST(outcome.boxes[0].style, "style");
            QTEST(outcome.boxes[0].prompt, "prompt");
            QCOMPARE(outcome.shownNow, shown);
        }
    }

    // In a field Ctrl+A selects its text instead of showing the Data window.
    void ctrlAInAFieldSelects() {
        QWidget& dati = show("dati");
        dati.findChild<QWidget*>("capiniz")->setFocus();
        Watch watch(dati, [&dati] { return contents(dati); });
        watch.give("Ctrl+A");
        QCOMPARE(watch.outcome().kinds(), QStringList());
    }

    // Grey is offered unless shown; the dialog opens on the colour last chosen
    // in it. Grey goes to the rate-table window too, open or loaded unseen;
    // loaded anew it has its design colour again.
    void dataColour_data() {
        QTest::addColumn<QStringList>("before"); // answers to a colour command given first
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<QString>("colour"); // the new one; empty: unchanged
        // clang-format off
        QTest::newRow("yes: grey") << QStringList() << QStringList{"yes"} << QStringList{"boxes", "colour"} << "#c0c0c0";
        QTest::newRow("no, then a colour") << QStringList() << QStringList{"no", "#336699"} << QStringList{"boxes", "dialogs", "colour"} << "#336699";
        QTest::newRow("grey already: the dialog at once") << QStringList{"yes"} << QStringList{"#ffff00"} << QStringList{"dialogs", "colour"} << "#ffff00";
        QTest::newRow("grey chosen in the dialog") << QStringList{"no", "#c0c0c0"} << QStringList{"cancel"} << QStringList{"dialogs"} << "";
        // clang-format on
    }
    void dataColour() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, kinds);
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
        QCOMPARE(outcome.kinds(), kinds);
        if (!outcome.boxes.isEmpty()) {
            QCOMPARE(outcome.boxes[0].style, BoxStyle::kYesNo);
            QCOMPARE(outcome.boxes[0].prompt,
                     QString("Colori uguali e riposanti (grigio) per tutte le finestre?"));
        }
        if (!outcome.dialogs.isEmpty()) {
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

    // The bars are taller than the band the layout left for them.
    void controlsFitBelowTheBars() {
        for (const char* name : {"dati", "tabella"})
            QCOMPARE(controlsOutsideTheArea(*WindowRegistry::show(name)), QStringList());
    }
};

QTEST_MAIN(TestWindowCommands)
#include "tst_window_commands.moc"

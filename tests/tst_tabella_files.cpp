// Open, Save, Save as and Delete of the rate-table window, and the
// up-to-date tables shipped beside the program.
#include "support/tabellasupport.h"

#include "core/sharedcalculation.h"
#include "datawindow/dati.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace TabellaTest;

namespace {

const QString kTableFilter = "File Fenoverra-tab- | Fenoverra-tab-*";
const QString kOpenFilter = "Tutti i file (*.*)|*.*|" + kTableFilter;

// The menu entry, with the file the dialog will give when there is one;
// the dialogs it showed.
QString trigger(Tabella& w, const char* action, const QString& file = {}) {
    if (!file.isEmpty()) CommonDialog::setNextFileName(file);
    w.findChild<QAction*>(action)->trigger();
    return dialogs().join(';');
}

QString shipped(const QString& name) {
    return QDir(qEnvironmentVariable("FENOVERRA_PROGRAM_DIR")).filePath(name);
}

} // namespace

class TestTabellaFiles : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        closeWindows();
        fixture.reset();
    }

    // Save, Open (the path becomes the title), Save again without asking,
    // Save as with a row after an empty one, Delete: the table stays as is.
    void saveOpenSaveAsDelete() {
        Tabella& w = open();
        const QString file = tempFile(dir_, "Fenoverra-tab-legali");
        QCOMPARE(trigger(w, "salva", file), "Salva file|" + kTableFilter + "|1|Fenoverra-tab-");
        QCOMPARE(contentsOf(file), QByteArray("9\r\n\"21/04/42\",\"5\"\r\n\"16/12/90\",\"10\"\r\n"
                                              "\"01/01/97\",\"5\"\r\n\"01/01/99\",\"2,5\"\r\n"
                                              "\"01/01/01\",\"3,5\"\r\n\"01/01/02\",\"3\"\r\n"
                                              "\"01/01/04\",\"2,5\"\r\n\"01/01/08\",\"3\"\r\n"
                                              "\"01/01/10\",\"1\"\r\n"));
        const QString table = rows(w, 1, 10);
        click(w, "ricaric(2)");
        QCOMPARE(trigger(w, "apri", file), "Apri file|" + kOpenFilter + "|2|");
        QCOMPARE(w.titolo() + " " + rows(w, 1, 10), file + " " + table);

        bar(w, "hscroll1(9)")->setValue(125);
        QCOMPARE(trigger(w, "salva"), QString());
        QVERIFY(contentsOf(file).endsWith("\"01/01/10\",\"1,25\"\r\n"));

        bar(w, "dscroll(11)")->setValue(400);
        bar(w, "hscroll1(11)")->setValue(300);
        QCOMPARE(w.tabella().righetab, 10);
        const QString other = tempFile(dir_, "Fenoverra-tab-altro");
        QCOMPARE(trigger(w, "salvanome", other),
                 "Salva file con nome|" + kTableFilter + "|1|" + file);
        QCOMPARE(contentsOf(other), contentsOf(file).replace("9\r\n", "11\r\n") +
                                        "\"\",\"\"\r\n\"03/11/25\",\"3\"\r\n");
        QCOMPARE(w.titolo(), file);

        const QString edited = rows(w, 1, 12);
        QCOMPARE(trigger(w, "elimina", other),
                 "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo|" +
                     kOpenFilter + "|2|" + other);
        QVERIFY(!QFile::exists(other));
        QCOMPARE(rows(w, 1, 12), edited);
    }

    // No file chosen, or one that is not there, leaves the table empty and
    // without a file; the message says why.
    void openWithoutAFileEmptiesTheTable() {
        Tabella& w = open();
        CommonDialog::setNextCancel();
        w.apri();
        QCOMPARE(w.tabella().ultimaRiga(), 0);
        fill(w, "01/01/01=1");
        const QString file = dir_.filePath("Fenoverra-tab-assente");
        expectBox();
        trigger(w, "apri", file);
        QCOMPARE(box(), "48|Fenoverra|Il file \"" + file +
                            "\" non può essere aperto: il file non esiste.\rLa tabella è stata "
                            "svuotata.");
        QCOMPARE(QString::number(w.tabella().ultimaRiga()) + "|" + w.nomefile + "|" + w.titolo(),
                 QString("0||Tabella dei tassi legali (art.1284 Codice Civile)"));
    }

    // The tables shipped beside the program open without a message and pass the check.
    void shippedTables_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("notShown"); // rows 16 and the last, as written
        // clang-format off
        QTest::newRow("legal") << "Fenoverra-tab-legali-aggiornata" << 24 << "01/01/18=0,30 01/01/26=1,60";
        QTest::newRow("ECB") << "Fenoverra-tab-BCE-aggiornata" << 126 << "04/10/76=15,00 11/06/25=2,15";
        QTest::newRow("late payment") << "Fenoverra-tab-mora-aggiornata" << 12 << "= 01/07/25=10,15";
        // clang-format on
    }
    void shippedTables() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, notShown);
        Tabella& w = open();
        trigger(w, "apri", shipped(name));
        QCOMPARE(w.tabella().righetab, count);
        QCOMPARE(rows(w, 16, 16) + " " + rows(w, count, count), notShown);
        expectBox();
        trigger(w, "controlla");
        QVERIFY(box().endsWith("I dati sono stati immessi correttamente"));
    }

    // On 31/12/26 the updated legal table from its 01/01/23 row: 5 %, 2,5 %,
    // 2 % and 1,6 % on 1000 give 49,86 + 25,07 + 20 + 16.
    void updatedLegalRatesIntoTheDataWindow() {
        fixture.reset();
        fixture.emplace(core::Date{2026, 12, 31});
        Tabella& w = open();
        trigger(w, "apri", shipped("Fenoverra-tab-legali-aggiornata"));
        bar(w, "VScroll1")->setValue(10);
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(w, "copias(12)");
        QVERIFY(box().endsWith("dal n.21 al n.  24 nella finestra Dati."));
        QCOMPARE(core::periodi().numperiodi, 4);
        QCOMPARE(text(*dati(), "datfin") + "|" + text(*dati(), "capitales"),
                 QString("31/12/26|1110,93"));
    }
};

QTEST_MAIN(TestTabellaFiles)
#include "tst_tabella_files.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Open, Save, Save as and Delete of the rate-table window; the tables shipped with it.
#include "support/tabellasupport.h"

#include "core/date.h"
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
using Period = QPair<QString, QString>;

namespace {

// The menu entry, given the file its dialog returns; how many dialogs it showed.
int trigger(Tabella& w, const char* action, const QString& file = {}) {
    CommonDialog::clearShown();
    if (!file.isEmpty()) CommonDialog::setNextFileName(file);
    w.findChild<QAction*>(action)->trigger();
    return int(CommonDialog::shown().size());
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

    // Save, Open (the path becomes the title), Save again without asking, Save as
    // with a row after an empty one, Delete (the table stays), a cancelled Open (it empties).
    void saveOpenSaveAsDeleteCancel() {
        Tabella& w = open();
        const QString file = tempFile(dir_, "Fenoverra-tab-legali");
        trigger(w, "salva", file);
        QVERIFY(contentsOf(file).startsWith("9\r\n\"21/04/42\",\"5\"\r\n\"16/12/90\",\"10\"\r\n"));
        const Periods table = rows(w, 1, 10);
        click(w, "ricaric(2)");
        trigger(w, "apri", file);
        QCOMPARE(w.titolo(), file);
        QCOMPARE(rows(w, 1, 10), table);

        bar(w, "hscroll1(9)")->setValue(125);
        QCOMPARE(trigger(w, "salva"), 0);
        QVERIFY(contentsOf(file).endsWith("\"01/01/08\",\"3\"\r\n\"01/01/10\",\"1,25\"\r\n"));

        bar(w, "dscroll(11)")->setValue(400);
        bar(w, "hscroll1(11)")->setValue(300);
        const QString other = tempFile(dir_, "Fenoverra-tab-altro");
        trigger(w, "salvanome", other);
        QCOMPARE(contentsOf(other), contentsOf(file).replace("9\r\n", "11\r\n") +
                                        "\"\",\"\"\r\n\"03/11/25\",\"3\"\r\n");

        const Periods edited = rows(w, 1, 12);
        trigger(w, "elimina", other);
        QVERIFY(!QFile::exists(other));
        QCOMPARE(rows(w, 1, 12), edited);

        CommonDialog::setNextCancel();
        w.apri();
        QCOMPARE(w.table().lastUsedRow(), 0);
    }

    // The tables shipped beside the program open without a message and pass
    // the check; rows 16 and the last as written.
    void shippedTables_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<Period>("sixteenth");
        QTest::addColumn<Period>("last");
        // clang-format off
        QTest::newRow("legal") << "Fenoverra-tab-legali-aggiornata" << 24 << Period{"01/01/18", "0,30"} << Period{"01/01/26", "1,60"};
        QTest::newRow("ECB") << "Fenoverra-tab-BCE-aggiornata" << 126 << Period{"04/10/76", "15,00"} << Period{"11/06/25", "2,15"};
        QTest::newRow("late payment") << "Fenoverra-tab-mora-aggiornata" << 12 << Period{} << Period{"01/07/25", "10,15"};
        // clang-format on
    }
    void shippedTables() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(Period, sixteenth);
        QFETCH(Period, last);
        Tabella& w = open();
        trigger(w, "apri", shipped(name));
        QCOMPARE(w.table().rowCount(), count);
        QCOMPARE(rows(w, 16, 16), Periods{sixteenth});
        QCOMPARE(rows(w, count, count), Periods{last});
        expectBox();
        trigger(w, "controlla");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().prompt, QString("I dati sono stati immessi correttamente"));
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
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(lastBox().prompt.endsWith("dal n.21 al n.  24 nella finestra Dati."));
        QCOMPARE(text(*dati(), "datfin"), QString("31/12/26"));
        QCOMPARE(text(*dati(), "capitales"), QString("1110,93"));
    }
};

QTEST_MAIN(TestTabellaFiles)
#include "tst_tabella_files.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of a rate table into the Data window, through both real windows.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/sharedcalculation.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"

#include <QTest>

using namespace TabellaTest;

namespace {

QString question(const QString& range) {
    return "36|Fenoverra: controllo dati immessi nella finestra attiva|Verranno copiati i tassi "
           "con le relative date dal n." +
           range + " nella finestra Dati.";
}

QString period(int k) {
    const core::PeriodSlot& slot = core::periodi().slot(k);
    return QString::fromStdString(slot.start + "=" + slot.rate);
}

} // namespace

class TestTabellaCopy : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // From the line clicked to the end of the table, replacing what the
    // Data window held; a line without a date, or No to the question, leaves
    // the Data window as it was. The table is never touched.
    void copy_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("box");
        // "periods row1 row16 row-after-the-last|capital|final date|reference|final capital"
        QTest::addColumn<QString>("result");
        const QString kept = "2 01/01/15=4 = =|5000|31/12/20|Mutuo|";
        const QString nothing = "48|Fenoverra: controllo dati immessi nella finestra attiva|Non "
                                "vi sono dati da copiare: scegliere un tasto precedente.";
        // clang-format off
        QTest::newRow("legal from row 1") << 1 << 1 << question("1 al n.  9") << "9 21/04/42=5 = =|1000|08/12/26||4613,88";
        // 01/01/10 to 08/12/26, 6185 days at 1 % on 1000.
        QTest::newRow("legal from the last row") << 1 << 9 << question("9 al n.  9") << "1 01/01/10=1 = =|1000|08/12/26||1169,45";
        QTest::newRow("discount from row 1") << 2 << 1 << question("1 al n.  98") << "98 01/01/58=4 04/10/76=15 =|1000|08/12/26||5088,9";
        QTest::newRow("line without a date") << 1 << 10 << nothing << kept;
        QTest::newRow("answered No") << 1 << 5 << "no " + question("5 al n.  9") << kept;
        // clang-format on
    }
    void copy() {
        QFETCH(int, preset);
        QFETCH(int, from);
        QFETCH(QString, box);
        QFETCH(QString, result);
        Tabella& w = open();
        click(w, line("ricaric", preset));
        auto* d = qobject_cast<Dati*>(WindowRegistry::show("dati"));
        DatiTest::enter(*d, "5000|31/12/20|Mutuo", "01/01/15=4 01/07/18=3,5");
        if (result.endsWith('|')) result += text(*d, "capitales");
        const QString table = rows(w, 1, 100);
        const bool copies = box.startsWith("36");
        const bool no = box.startsWith("no ");
        MessageBox::setNextAnswer(no ? MsgAnswer::No : copies ? MsgAnswer::Yes : MsgAnswer::Ok);
        click(w, line("copias", from));
        QCOMPARE(boxes(), QStringList(no ? box.mid(3) : box));
        QVERIFY(d->isVisible() && w.isVisible());
        const int n = core::periodi().numperiodi;
        QCOMPARE(QString::number(n) + " " + period(1) + " " + period(16) + " " + period(n + 1) +
                     "|" + text(*d, "capiniz") + "|" + text(*d, "datfin") + "|" +
                     text(*d, "riferimento") + "|" + text(*d, "capitales"),
                 result);
        QCOMPARE(d->tipocalcolo(), 1);
        QCOMPARE(d->risultaticorrenti(), copies); // a copy calculates at once
        QCOMPARE(rows(w, 1, 100), table);
    }
};

QTEST_MAIN(TestTabellaCopy)
#include "tst_tabella_copy.moc"

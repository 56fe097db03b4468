// The copy of a rate table into the Data window, through both real windows,
// and the order of its calls seen by a stand-in for the Data window.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/sharedcalculation.h"
#include "platform/calculationwindow.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"

#include <QProgressBar>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace TabellaTest;

namespace {

// Stands in for the Data window and notes what the copy asks of it.
class RecordingDati : public QWidget, public CalculationWindow {
public:
    RecordingDati() { setObjectName("dati"); }
    QStringList calls;

    void cancella() override { calls << "cancella"; }
    QString datfinText() const override { return {}; }
    QString capinizText() const override { return {}; }
    void setDatfinText(const QString& t) override {
        // The periods are in the list, and counted, before the final date arrives.
        const core::PeriodList& list = core::periodi();
        calls << QString("datfin %1, %2 periods, 16: %3=%4")
                     .arg(t)
                     .arg(list.numperiodi)
                     .arg(QString::fromStdString(list.slot(16).start),
                          QString::fromStdString(list.slot(16).rate));
    }
    void setCapinizText(const QString& t) override { calls << "capiniz " + t; }
    void sceglitipo(int tipo) override { calls << QString("tipo %1").arg(tipo); }
    void mostraPagina(int first) override { calls << QString("pagina %1").arg(first); }
    void calcola() override { calls << "calcola"; }
};

QString question(const QString& range) {
    return "36|Fenoverra: controllo dati immessi nella finestra attiva|Verranno copiati i tassi "
           "con le relative date dal n." +
           range + " nella finestra Dati.";
}

QString period(int k) {
    const core::PeriodSlot& slot = core::periodi().slot(k);
    return QString::fromStdString(slot.start + "=" + slot.rate);
}

// A table of n rows a month apart from 1960.
QString longTable(int n) {
    QString rows;
    for (int k = 0; k < n; ++k)
        rows += QString(" 01/%1/%2=%3").arg(k % 12 + 1, 2, 10, QChar('0')).arg(60 + k / 12).arg(3);
    return rows;
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

    void copiesFromTheLineToTheEnd_data() {
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("periods");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("capitales");
        // clang-format off
        QTest::newRow("legal from row 1") << 1 << 1 << "1 al n.  9" << 9 << "21/04/42=5" << "4613,88";
        // 01/01/10 to 08/12/26, 6185 days at 1 % on 1000.
        QTest::newRow("legal from the last row") << 1 << 9 << "9 al n.  9" << 1 << "01/01/10=1" << "1169,45";
        QTest::newRow("discount from row 1") << 2 << 1 << "1 al n.  98" << 98 << "01/01/58=4" << "5088,9";
        // clang-format on
    }
    void copiesFromTheLineToTheEnd() {
        QFETCH(int, preset);
        QFETCH(int, from);
        QFETCH(QString, range);
        QFETCH(int, periods);
        QFETCH(QString, first);
        QFETCH(QString, capitales);
        Tabella& w = open();
        click(w, line("ricaric", preset));
        const QString table = rows(w, 1, 100);
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(w, line("copias", from));
        QCOMPARE(boxes(), QStringList(question(range)));

        Dati* d = dati();
        QVERIFY(d && d->isVisible() && w.isVisible());
        QCOMPARE(core::periodi().numperiodi, periods);
        QCOMPARE(period(1), first);
        QCOMPARE(period(periods + 1), QString("="));
        QCOMPARE(text(*d, "datfin") + "|" + text(*d, "capiniz"), QString("08/12/26|1000"));
        QCOMPARE(d->tipocalcolo(), 1);
        QVERIFY(d->risultaticorrenti());
        QCOMPARE(text(*d, "capitales"), capitales);
        QCOMPARE(rows(w, 1, 100), table); // the table is untouched
        QVERIFY(findControl<QProgressBar>(&w, "ProgressBar1")->isHidden());
    }

    // A line without a date, or No to the question: the Data window stays as it was.
    void nothingCopied_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("box");
        QTest::newRow("line without a date")
            << 10
            << "48|Fenoverra: controllo dati immessi nella finestra attiva|Non vi sono dati "
               "da copiare: scegliere un tasto precedente.";
        QTest::newRow("answered No") << 5 << question("5 al n.  9");
    }
    void nothingCopied() {
        QFETCH(int, from);
        QFETCH(QString, box);
        Tabella& w = open();
        auto* d = qobject_cast<Dati*>(WindowRegistry::show("dati"));
        DatiTest::enter(*d, "5000|31/12/20|Mutuo", "01/01/15=4 01/07/18=3,5");
        MessageBox::setNextAnswer(from == 10 ? MsgAnswer::Ok : MsgAnswer::No);
        click(w, line("copias", from));
        QCOMPARE(boxes(), QStringList(box));
        QCOMPARE(text(*d, "capiniz") + "|" + text(*d, "datfin") + "|" + text(*d, "riferimento"),
                 QString("5000|31/12/20|Mutuo"));
        QCOMPARE(core::periodi().numperiodi, 2);
        QCOMPARE(period(2), QString("01/07/18=3,5"));
    }

    // The whole discount table: counted before the final date arrives,
    // rows never shown with their texts as listed, then ten pages, each
    // shown and calculated.
    void copyCalculatesPageByPage() {
        Tabella& w = open();
        click(w, "ricaric(2)");
        auto* recording = new RecordingDati;
        WindowRegistry::define("dati", [recording] { return recording; });
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(w, "copias(1)");
        QStringList expected = {"cancella", "datfin 08/12/26, 98 periods, 16: 04/10/76=15,00",
                                "capiniz 1000", "tipo 1"};
        for (int m = 1; m <= 91; m += 10)
            expected << QString("pagina %1").arg(m) << "calcola";
        QCOMPARE(recording->calls, expected);
        QVERIFY(recording->isVisible());
        delete recording;
    }

    // 0,2 a row and 10 a page would carry the bar past its end: it starts
    // again instead.
    void progressBarStaysInItsRange_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("167 rows: past 200") << 167;
    }
    void progressBarStaysInItsRange() {
        QFETCH(int, rows);
        Tabella& w = open();
        fill(w, longTable(rows));
        auto* progress = findControl<QProgressBar>(&w, "ProgressBar1");
        QSignalSpy values(progress, &QProgressBar::valueChanged);
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(w, "copias(1)");
        QCOMPARE(core::periodi().numperiodi, rows);
        int highest = 0, wraps = 0, last = 0;
        for (const auto& v : values) {
            const int value = v.at(0).toInt();
            QVERIFY(value >= 0 && value <= 200);
            if (value < last) ++wraps;
            highest = std::max(highest, value);
            last = value;
        }
        QVERIFY(highest > 190);
        QVERIFY(wraps >= 1);
        QCOMPARE(progress->value(), 0);
        QVERIFY(progress->isHidden());
    }
};

QTEST_MAIN(TestTabellaCopy)
#include "tst_tabella_copy.moc"

// The data check and the clear command of the Data window.
#include "support/datisupport.h"
#include "support/testsupport.h"

#include "core/clock.h"
#include "datawindow/calculation.h"
#include "datawindow/datacheck.h"
#include "shell/messagebox.h"
#include "shell/modfenoverra.h"

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace DatiTest;

using Periods = QList<QPair<QString, QString>>;
Q_DECLARE_METATYPE(Periods)

namespace {

const QString kNoData = "Non esistono dati riconosciuti:\r"
                        "- per procedere è necessario digitare almeno la prima data ed il tasso "
                        "n.1;\r"
                        "- il controllo viene effettuato solo sui dati per i quali esiste il tasso.";

QString periodMessage(int k, const char* what) {
    return QString("Periodo n. %1: %2\r- la data iniziale del periodo deve essere almeno uguale a "
                   "quella finale.")
        .arg(k)
        .arg(what);
}

Periods yearly(int n) {
    Periods p;
    for (int k = 0; k < n; ++k)
        p.append({QString("01/01/%1").arg(k, 2, 10, QChar('0')), "3"});
    return p;
}

} // namespace

class TestDatiCheck : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        core::setTodayForTesting(std::nullopt);
        DataCheck::silenzioso = false;
    }

    void messages_data() {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("finalDate");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<Periods>("periods");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style");
        const int critical = MsgStyle::OkOnly | MsgStyle::Critical;
        const int warning = MsgStyle::OkOnly | MsgStyle::Exclamation;
        const int info = MsgStyle::OkOnly | MsgStyle::Information;
        QTest::newRow("everything empty")
            << "" << "" << "" << Periods{} << "Digitare il valore del capitale iniziale." << critical;
        QTest::newRow("no final date")
            << "1000" << "" << "" << yearly(3)
            << "Digitare la data finale a cui va riferito il calcolo." << critical;
        QTest::newRow("no reference") << "1000" << "31/12/05" << "" << yearly(3)
                                      << "Digitare il dato del 'riferimento del calcolo'."
                                      << critical;
        QTest::newRow("blanks are a reference")
            << "1000" << "31/12/05" << "  " << Periods{} << kNoData << warning;
        QTest::newRow("no period") << "1000" << "31/12/05" << "x" << Periods{} << kNoData
                                   << warning;
        QTest::newRow("dates without rate") << "1000" << "31/12/05" << "x"
                                            << Periods{{"01/01/01", ""}} << kNoData << warning;
        // Period 3 starts before period 2: period 2 ends before it begins.
        // Periods 4 and 5 start on the same day: period 4 has no day at all.
        QTest::newRow("negative before zero")
            << "1000" << "31/12/05" << "x"
            << Periods{{"01/01/01", "3"}, {"01/06/01", "3"}, {"01/03/01", "3"},
                       {"01/01/02", "3"}, {"01/01/02", "3"}}
            << periodMessage(2, "i giorni di calcolo sono negativi;") << warning;
        QTest::newRow("zero days")
            << "1000" << "31/12/05" << "x"
            << Periods{{"01/01/01", "3"}, {"01/01/02", "3"}, {"01/01/02", "3"}}
            << periodMessage(2, "i giorni di calcolo sono nulli;") << warning;
        QTest::newRow("first period of no days")
            << "1000" << "31/12/05" << "x" << Periods{{"01/01/01", "3"}, {"02/01/01", "3"}}
            << periodMessage(1, "i giorni di calcolo sono nulli;") << warning;
        QTest::newRow("last period ends before it starts")
            << "1000" << "31/12/00" << "x" << Periods{{"01/01/01", "3"}}
            << periodMessage(1, "i giorni di calcolo sono negativi;") << warning;
        QTest::newRow("three periods")
            << "1000" << "31/12/05" << "x" << yearly(3)
            << "I dati sono stati immessi correttamente (per numero  3 periodi)." << info;
        QTest::newRow("twelve periods")
            << "1.000,50" << "31/12/15" << "Prestito" << yearly(12)
            << "I dati sono stati immessi correttamente (per numero  12 periodi)." << info;
    }

    void messages() {
        QFETCH(QString, capital);
        QFETCH(QString, finalDate);
        QFETCH(QString, reference);
        QFETCH(Periods, periods);
        QFETCH(QString, message);
        QFETCH(int, style);
        auto w = newWindow();
        type(*w, "datfin", finalDate);
        fillPeriods(*w, periods);
        type(*w, "capiniz", capital);
        type(*w, "riferimento", reference);
        MessageBox::clearShown();
        w->findChild<QAction*>("controlla")->trigger();
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto box = MessageBox::shown().constFirst();
        QCOMPARE(box.prompt, message);
        QCOMPARE(box.style, style);
        QCOMPARE(box.title, QString("Fenoverra: controllo dati immessi nella finestra attiva"));
    }

    void silentCheckShowsOnlyFailures() {
        auto w = newWindow();
        type(*w, "datfin", "31/12/05");
        fillPeriods(*w, yearly(3));
        type(*w, "capiniz", "1000");

        DataCheck::silenzioso = true;
        QVERIFY(!w->controlla());
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().constFirst().prompt,
                 QString("Digitare il dato del 'riferimento del calcolo'."));
        QVERIFY(DataCheck::silenzioso); // tells the caller to stop
        DataCheck::silenzioso = false;

        type(*w, "riferimento", "x");
        MessageBox::clearShown();
        DataCheck::silenzioso = true;
        QVERIFY(w->controlla());
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(!DataCheck::silenzioso);

        // From the menu again: the confirmation is back.
        QVERIFY(w->controlla());
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().constFirst().prompt,
                 QString("I dati sono stati immessi correttamente (per numero  3 periodi)."));
    }

    void checkChangesNothing() {
        auto w = newWindow();
        type(*w, "datfin", "31/12/05");
        fillPeriods(*w, {{"01/01/01", "3"}, {"01/06/01", "3"}, {"01/03/01", "3"}});
        type(*w, "capiniz", "1000");
        type(*w, "riferimento", "x");
        const auto before = periodi().slot(2).days;
        w->controlla();
        QCOMPARE(periodi().slot(2).days, before);
        QCOMPARE(periodi().numperiodi, 3);
    }

    void clearEmptiesEverything() {
        auto w = newWindow();
        type(*w, "datfin", "31/12/05");
        Periods periods = yearly(15);
        fillPeriods(*w, periods);
        periodi().slot(30).start = "01/01/20"; // a date without rate, far down the list
        type(*w, "capiniz", "1000");
        type(*w, "riferimento", "x");
        findControl<QComboBox>(w.get(), "moneta")->setCurrentText("yen");
        chooseType(*w, 3);
        w->nomefile = "/tmp/qualcosa";
        bar(*w, "VScroll1")->setValue(4);

        w->findChild<QAction*>("cancella")->trigger();

        for (const char* field : {"capiniz", "datfin", "riferimento", "capitales", "capitalec",
                                  "differ"})
            QCOMPARE(text(*w, field), QString());
        QCOMPARE(periodi().numperiodi, 0);
        for (int k = 1; k <= 200; ++k) {
            const auto& slot = periodi().slot(k);
            QVERIFY(slot.start.empty() && slot.end.empty() && slot.rate.empty());
            QVERIFY(!slot.days && !slot.interest && !slot.total && !slot.capital);
        }
        QCOMPARE(bar(*w, "VScroll1")->value(), 1);
        for (int r = 1; r <= 10; ++r) {
            QCOMPARE(text(*w, row("num", r)), QString::number(r));
            for (const char* cell : {"data1", "al", "tas", "giorn", "interes", "totint", "capital"})
                QCOMPARE(text(*w, row(cell, r)), QString());
        }
        QCOMPARE(text(*w, "passo"), QString("Scegliere la valuta e digitare il capitale iniziale o "
                                            "aprire un file con i dati archiviati."));
        // What clearing leaves alone.
        QCOMPARE(text(*w, "eur(1)"), QString("yen"));
        QCOMPARE(w->tipocalcolo(), 3);
        QVERIFY(findControl<QRadioButton>(w.get(), "Option1(3)")->isChecked());
        QCOMPARE(w->nomefile, QString("/tmp/qualcosa"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void clearingAnEmptyWindow() {
        auto w = newWindow();
        type(*w, "capiniz", "5");
        w->cancella();
        w->cancella();
        QCOMPARE(text(*w, "passo"), QString("Scegliere la valuta e digitare il capitale iniziale o "
                                            "aprire un file con i dati archiviati."));
        QCOMPARE(text(*w, "num(1)"), QString("1"));
    }
};

QTEST_MAIN(TestDatiCheck)
#include "tst_dati_check.moc"

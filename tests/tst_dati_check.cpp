// The data check and the clear command of the Data window.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"

#include <QAction>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

using namespace DatiTest;

static const QString kThree = "01/01/01=3 01/01/02=3 01/01/03=3";

class TestDatiCheck : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    void messages_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("periods");
        QTest::addColumn<QString>("box"); // style|prompt
        const QString noData = "48|Non esistono dati riconosciuti:\r- per procedere è necessario "
                               "digitare almeno la prima data ed il tasso n.1;\r- il controllo "
                               "viene effettuato solo sui dati per i quali esiste il tasso.";
        const QString days = "48|Periodo n. %1: i giorni di calcolo sono %2;\r- la data iniziale "
                             "del periodo deve essere almeno uguale a quella finale.";
        // Period 3 starts before period 2: period 2 ends before it begins.
        // Periods 4 and 5 start on the same day: period 4 has no day at all,
        // but the negative days are told first.
        // clang-format off
        QTest::newRow("all empty") << "||" << "" << "16|Digitare il valore del capitale iniziale.";
        QTest::newRow("no final date") << "1000||" << kThree << "16|Digitare la data finale a cui va riferito il calcolo.";
        QTest::newRow("no reference") << "1000|31/12/05|" << kThree << "16|Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("blank reference, date without rate") << "1000|31/12/05|  " << "01/01/01=" << noData;
        QTest::newRow("negative before zero") << "1000|31/12/05|x" << "01/01/01=3 01/06/01=3 01/03/01=3 01/01/02=3 01/01/02=3" << days.arg(2).arg("negativi");
        QTest::newRow("first period of no days") << "1000|31/12/05|x" << "01/01/01=3 02/01/01=3" << days.arg(1).arg("nulli");
        QTest::newRow("last period ends before it starts") << "1000|31/12/00|x" << "01/01/01=3" << days.arg(1).arg("negativi");
        QTest::newRow("period without rate before a rated one") << "1000|31/12/05|x" << "01/01/01=3 01/01/02= 01/01/03=4" << "48|Periodo n. 2: la data iniziale o il tasso non sono stati immessi;\r- completare il periodo usando le frecce laterali.";
        // The rate bar does not redraw the rows that derive the last end date.
        QTest::newRow("periods entered with the bars") << "1000|31/12/02|x" << "bars 01/01/01=3 01/01/02=3" << "64|I dati sono stati immessi correttamente (per numero  2 periodi).";
        QTest::newRow("three periods") << "1.000,50|31/12/05|x" << kThree << "64|I dati sono stati immessi correttamente (per numero  3 periodi).";
        // clang-format on
    }

    void messages() {
        QFETCH(QString, fields);
        QFETCH(QString, periods);
        QFETCH(QString, box);
        auto w = newWindow();
        const bool bars = periods.startsWith("bars ");
        enter(*w, fields, bars ? QString() : periods);
        int r = 0;
        for (const auto& [start, rate] : bars ? periodsOf(periods.mid(5)) : Periods())
            enterPeriod(*w, ++r, start, rate.toInt() * 100);
        const auto days = core::periodi().slot(2).days;
        expectBox();
        w->findChild<QAction*>("controlla")->trigger();
        QCOMPARE(boxes(), QStringList(box.replace(
                              "|", "|Fenoverra: controllo dati immessi nella finestra attiva|")));
        // The check changes nothing the rows have derived (bars derive only as they redraw).
        if (!bars) QCOMPARE(core::periodi().slot(2).days, days);
    }

    // Clearing empties every field, row and slot of the list, even a start
    // date far down; it leaves the currency, the type and the file name.
    void clearEmptiesEverything() {
        auto w = newWindow();
        enter(*w, "1000|31/12/05|x", kThree);
        core::periodi().slot(30).start = "01/01/20";
        findControl<QComboBox>(w.get(), "moneta")->setCurrentText("yen");
        chooseType(*w, 3);
        w->nomefile = "/tmp/qualcosa";
        bar(*w, "VScroll1")->setValue(2);
        w->findChild<QAction*>("cancella")->trigger();
        // What stays, then what is emptied, then the guidance of a new window.
        QString left = text(*w, "num(1)") + "|" + text(*w, "eur(1)") +
                       QString::number(w->tipocalcolo()) + w->nomefile + "|";
        for (const char* name :
             {"capiniz", "datfin", "riferimento", "capitales", "capitalec", "differ"})
            left += text(*w, name);
        for (const char* cell : {"data1", "al", "tas", "giorn", "interes", "totint", "capital"})
            left += column(*w, cell);
        QCOMPARE(left + "|" + text(*w, "passo").section(' ', 0, 2), // its text: tst_dati_window
                 QString("1|yen3/tmp/qualcosa||Scegliere la valuta"));
        for (int k = 1; k <= 200; ++k) {
            const auto& slot = core::periodi().slot(k);
            QVERIFY(slot.start.empty() && slot.end.empty() && slot.rate.empty() && !slot.days &&
                    !slot.interest && !slot.total && !slot.capital);
        }
        QVERIFY(boxes().isEmpty());
    }
};

QTEST_MAIN(TestDatiCheck)
#include "tst_dati_check.moc"

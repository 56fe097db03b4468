// SPDX-License-Identifier: GPL-3.0-or-later
// The data check and the clear command of the Data window.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"

#include <QComboBox>
#include <QScrollBar>
#include <QTest>

using namespace DatiTest;

class TestDatiCheck : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // "bars": two periods entered with the bars, which do not redraw the rows
    // deriving the last end date. Negative days are told before none.
    void messages_data() {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("periods");
        QTest::addColumn<QString>("box"); // style|prompt
        // clang-format off
        const QString days = "48|Periodo n. %1: i giorni di calcolo sono %2;\r- la data iniziale del periodo deve essere almeno uguale a quella finale.";
        QTest::newRow("all empty") << "||" << "" << "16|Digitare il valore del capitale iniziale.";
        QTest::newRow("no final date") << "1000||" << "01/01/01=3" << "16|Digitare la data finale a cui va riferito il calcolo.";
        QTest::newRow("no reference") << "1000|31/12/05|" << "01/01/01=3" << "16|Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("blank reference, date without rate") << "1000|31/12/05|  " << "01/01/01=" << "48|Non esistono dati riconosciuti:\r- per procedere è necessario digitare almeno la prima data ed il tasso n.1;\r- il controllo viene effettuato solo sui dati per i quali esiste il tasso.";
        QTest::newRow("negative before zero") << "1000|31/12/05|x" << "01/01/01=3 01/06/01=3 01/03/01=3 01/01/02=3 01/01/02=3" << days.arg(2).arg("negativi");
        QTest::newRow("first period of no days") << "1000|31/12/05|x" << "01/01/01=3 02/01/01=3" << days.arg(1).arg("nulli");
        QTest::newRow("period without rate before a rated one") << "1000|31/12/05|x" << "01/01/01=3 01/01/02= 01/01/03=4" << "48|Periodo n. 2: la data iniziale o il tasso non sono stati immessi;\r- completare il periodo usando le frecce laterali.";
        QTest::newRow("periods entered with the bars") << "1000|31/12/02|x" << "bars" << "64|I dati sono stati immessi correttamente (per numero  2 periodi).";
        // clang-format on
    }
    void messages() {
        QFETCH(QString, fields);
        QFETCH(QString, periods);
        QFETCH(QString, box);
        auto w = newWindow();
        const bool bars = periods == "bars";
        enter(*w, fields, bars ? QString() : periods);
        for (int r = 1; bars && r <= 2; ++r)
            enterPeriod(*w, r, QString("01/01/0%1").arg(r), 300);
        const auto days = core::periodi().slot(2).days;
        expectBox();
        w->controlla();
        QCOMPARE(boxes(), QStringList(box.replace(
                              "|", "|Fenoverra: controllo dati immessi nella finestra attiva|")));
        if (!bars) QCOMPARE(core::periodi().slot(2).days, days); // the check derives nothing
    }

    // Clearing empties every row and slot, even one far down; it leaves the
    // currency, the type and the file name. (The fields: tst_shell_session.)
    void clearEmptiesEverything() {
        auto w = newWindow();
        enter(*w, "1000|31/12/05|x", "01/01/01=3 01/01/02=3");
        core::periodi().slot(30).start = "01/01/20";
        findControl<QComboBox>(w.get(), "moneta")->setCurrentText("yen");
        chooseType(*w, 3);
        w->nomefile = "/tmp/qualcosa";
        bar(*w, "VScroll1")->setValue(2);
        w->cancella();
        QCOMPARE(text(*w, "num(1)") + "|" + text(*w, "eur(1)") + QString::number(w->tipocalcolo()) +
                     w->nomefile + "|" + column(*w, "data1") + column(*w, "capital") + "|" +
                     text(*w, "passo").section(' ', 0, 2), // its text: tst_dati_window
                 QString("1|yen3/tmp/qualcosa||Scegliere la valuta"));
        for (int k = 1; k <= 200; ++k) {
            const auto& s = core::periodi().slot(k);
            QVERIFY(s.start + s.end + s.rate == "" && !s.days && !s.capital);
        }
    }
};

QTEST_MAIN(TestDatiCheck)
#include "tst_dati_check.moc"

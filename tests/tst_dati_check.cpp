// SPDX-License-Identifier: GPL-3.0-or-later
// The data check and the clear command of the Data window.
#include "support/datisupport.h"

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

    // The first fault found, or the confirmation. Periods entered with the
    // bars do not redraw the rows deriving the last end date. Negative days
    // are told before none.
    void messages_data() {
        QTest::addColumn<Header>("header");
        QTest::addColumn<Periods>("periods");
        QTest::addColumn<bool>("withTheBars");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("prompt");
        using namespace BoxStyle;
        const QString days = "Periodo n. %1: i giorni di calcolo sono %2;\r- la data iniziale del "
                             "periodo deve essere almeno uguale a quella finale.";
        // clang-format off
        QTest::newRow("all empty") << Header{} << Periods() << false << kStop << "Digitare il valore del capitale iniziale.";
        QTest::newRow("no final date") << Header{"1000", "", ""} << Periods{{"01/01/01", "3"}} << false << kStop << "Digitare la data finale a cui va riferito il calcolo.";
        QTest::newRow("no reference") << Header{"1000", "31/12/05", ""} << Periods{{"01/01/01", "3"}} << false << kStop << "Digitare il dato del 'riferimento del calcolo'.";
        QTest::newRow("blank reference, date without rate") << Header{"1000", "31/12/05", "  "} << Periods{{"01/01/01", ""}} << false << kWarning << "Non esistono dati riconosciuti:\r- per procedere è necessario digitare almeno la prima data ed il tasso n.1;\r- il controllo viene effettuato solo sui dati per i quali esiste il tasso.";
        QTest::newRow("negative before zero") << Header{"1000", "31/12/05", "x"} << Periods{{"01/01/01", "3"}, {"01/06/01", "3"}, {"01/03/01", "3"}, {"01/01/02", "3"}, {"01/01/02", "3"}} << false << kWarning << days.arg(2).arg("negativi");
        QTest::newRow("first period of no days") << Header{"1000", "31/12/05", "x"} << Periods{{"01/01/01", "3"}, {"02/01/01", "3"}} << false << kWarning << days.arg(1).arg("nulli");
        QTest::newRow("period without rate before a rated one") << Header{"1000", "31/12/05", "x"} << Periods{{"01/01/01", "3"}, {"01/01/02", ""}, {"01/01/03", "4"}} << false << kWarning << "Periodo n. 2: la data iniziale o il tasso non sono stati immessi;\r- completare il periodo usando le frecce laterali.";
        QTest::newRow("periods entered with the bars") << Header{"1000", "31/12/02", "x"} << Periods{{"01/01/01", "3"}, {"01/01/02", "3"}} << true << kInformation << "I dati sono stati immessi correttamente (per numero  2 periodi).";
        // clang-format on
    }
    void messages() {
        QFETCH(Header, header);
        QFETCH(Periods, periods);
        QFETCH(bool, withTheBars);
        QFETCH(int, style);
        QFETCH(QString, prompt);
        auto w = newWindow();
        enter(*w, header, withTheBars ? Periods() : periods);
        for (int r = 1; withTheBars && r <= int(periods.size()); ++r)
            enterPeriod(*w, r, periods[r - 1].first, periods[r - 1].second.toInt() * 100);
        const auto days = DatiTest::periods().slot(2).days;
        expectBox();
        w->controlla();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().style, style);
        QCOMPARE(lastBox().title, BoxTitle::kCheck);
        QCOMPARE(lastBox().prompt, prompt);
        if (!withTheBars)
            QCOMPARE(DatiTest::periods().slot(2).days, days); // the check derives nothing
    }

    // Clearing empties every row and slot, even one far down; it leaves the
    // currency, the type and the file name. (The fields: tst_shell_session.)
    void clearEmptiesEverything() {
        auto w = newWindow();
        enter(*w, {"1000", "31/12/05", "x"}, {{"01/01/01", "3"}, {"01/01/02", "3"}});
        bar(*w, "VScroll1")->setValue(30); // a start date alone, far down
        bar(*w, "hscroll1(1)")->setValue(daysBefore("01/01/20"));
        QCOMPARE(DatiTest::periods().slot(30).start, std::string("01/01/20"));
        findControl<QComboBox>(w.get(), "moneta")->setCurrentText("yen");
        chooseType(*w, core::CalculationType::Both);
        w->nomefile = "/tmp/qualcosa";
        bar(*w, "VScroll1")->setValue(2);
        w->cancella();
        QCOMPARE(text(*w, "num(1)"), QString("1"));
        QCOMPARE(text(*w, "eur(1)"), QString("yen"));
        QCOMPARE(w->tipocalcolo(), core::CalculationType::Both);
        QCOMPARE(w->nomefile, QString("/tmp/qualcosa"));
        QCOMPARE(column(*w, "data1"), QStringList());
        QCOMPARE(column(*w, "capital"), QStringList());
        // Its text: tst_dati_window.
        QVERIFY(text(*w, "passo").startsWith("Scegliere la valuta"));
        for (int k = 1; k <= 200; ++k) {
            const auto& s = DatiTest::periods().slot(k);
            QVERIFY(s.start + s.end + s.rate == "" && !s.days && !s.capital);
        }
    }
};

QTEST_MAIN(TestDatiCheck)
#include "tst_dati_check.moc"

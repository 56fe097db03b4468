// SPDX-License-Identifier: GPL-3.0-or-later
// The copy of a rate table into the Data window, through both real windows.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "platform/messagebox.h"
#include "platform/windowregistry.h"

#include <QScrollBar>
#include <QTest>

using namespace TabellaTest;
using Presets::Choice;

using Period = QPair<QString, QString>;

Q_DECLARE_METATYPE(Presets::Choice)
Q_DECLARE_METATYPE(MsgAnswer)

namespace {

const QString kNothingToCopy = "Non vi sono dati da copiare: scegliere un tasto precedente.";

Period period(int k) {
    const core::PeriodSlot& slot = DatiTest::periods().slot(k);
    return {QString::fromStdString(slot.start), QString::fromStdString(slot.rate)};
}

void choosePreset(Tabella& w, Choice preset) {
    click(w, line("ricaric", static_cast<int>(preset)));
}

// The Data window beside the table, holding a calculation of its own.
Dati& dataWindowWithAMortgage() {
    auto* d = qobject_cast<Dati*>(WindowRegistry::show("dati"));
    DatiTest::enter(*d, {"5000", "31/12/20", "Mutuo"}, {{"01/01/15", "4"}, {"01/07/18", "3,5"}});
    return *d;
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

    // Yes copies from the line clicked to the end of the table, in place of
    // what the Data window held, and calculates simple interest at once up
    // to today on 1000, seen from its first period or, past ten, its last
    // ten. The table is never touched.
    void copy_data() {
        QTest::addColumn<Choice>("preset");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("count");
        QTest::addColumn<Period>("first");
        QTest::addColumn<Period>("sixteenth");
        QTest::addColumn<QString>("finalSum");
        QTest::addColumn<int>("firstShown");
        // clang-format off
        QTest::newRow("legal from row 1") << Choice::LegalRates << 1 << "Verranno copiati i tassi con le relative date dal n.1 al n.  9 nella finestra Dati." << 9 << Period{"21/04/42", "5"} << Period{} << "4613,88" << 1;
        // 01/01/10 to 08/12/26, 6185 days at 1 % on 1000.
        QTest::newRow("legal from the last row") << Choice::LegalRates << 9 << "Verranno copiati i tassi con le relative date dal n.9 al n.  9 nella finestra Dati." << 1 << Period{"01/01/10", "1"} << Period{} << "1169,45" << 1;
        QTest::newRow("discount from row 1") << Choice::DiscountRates << 1 << "Verranno copiati i tassi con le relative date dal n.1 al n.  98 nella finestra Dati." << 98 << Period{"01/01/58", "4"} << Period{"04/10/76", "15"} << "5088,9" << 89;
        // clang-format on
    }
    void copy() {
        QFETCH(Choice, preset);
        QFETCH(int, line);
        QFETCH(QString, question);
        QFETCH(int, count);
        QFETCH(Period, first);
        QFETCH(Period, sixteenth);
        QFETCH(QString, finalSum);
        QFETCH(int, firstShown);
        Tabella& w = open();
        choosePreset(w, preset);
        Dati& d = dataWindowWithAMortgage();
        const Periods table = rows(w, 1, 200);
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        click(w, TabellaTest::line("copias", line));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().style, BoxStyle::kQuestion);
        QCOMPARE(lastBox().title, BoxTitle::kCheck);
        QCOMPARE(lastBox().prompt, question);
        QVERIFY(d.isVisible());
        QVERIFY(w.isVisible());
        QCOMPARE(DatiTest::periods().numperiodi, count);
        QCOMPARE(period(1), first);
        QCOMPARE(period(16), sixteenth);
        QCOMPARE(period(count + 1), Period());
        QCOMPARE(text(d, "capiniz"), QString("1000"));
        QCOMPARE(text(d, "datfin"), QString("08/12/26"));
        QCOMPARE(text(d, "riferimento"), QString());
        QCOMPARE(text(d, "capitales"), finalSum);
        QCOMPARE(d.tipocalcolo(), core::CalculationType::Simple);
        QVERIFY(d.risultaticorrenti());
        QCOMPARE(bar(d, "VScroll1")->value(), firstShown);
        QCOMPARE(text(d, "num(1)"), QString::number(firstShown));
        QCOMPARE(rows(w, 1, 200), table);
    }

    // A line with nothing to copy, a date still waiting for its rate
    // included, is refused before the Data window is touched; No to the
    // question leaves it as it was too.
    void noCopy_data() {
        QTest::addColumn<Periods>("table"); // none: the legal rates, loaded with their button
        QTest::addColumn<int>("line");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("prompt");
        // clang-format off
        QTest::newRow("line without a date") << Periods() << 10 << MsgAnswer::Ok << BoxStyle::kWarning << kNothingToCopy;
        QTest::newRow("line with a date and no rate") << Periods{{"21/04/42", "5"}, {"16/12/90", "10"}, {"01/01/20", ""}} << 3 << MsgAnswer::Ok << BoxStyle::kWarning << kNothingToCopy;
        QTest::newRow("answered No") << Periods() << 5 << MsgAnswer::No << BoxStyle::kQuestion << "Verranno copiati i tassi con le relative date dal n.5 al n.  9 nella finestra Dati.";
        // clang-format on
    }
    void noCopy() {
        QFETCH(Periods, table);
        QFETCH(int, line);
        QFETCH(MsgAnswer, answer);
        QFETCH(int, style);
        QFETCH(QString, prompt);
        Tabella& w = open();
        if (table.isEmpty())
            choosePreset(w, Choice::LegalRates);
        else
            fill(w, table);
        Dati& d = dataWindowWithAMortgage();
        const QString finalSum = text(d, "capitales");
        const Periods before = rows(w, 1, 200);
        MessageBox::setNextAnswer(answer);
        click(w, TabellaTest::line("copias", line));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(lastBox().style, style);
        QCOMPARE(lastBox().prompt, prompt);
        QVERIFY(d.isVisible());
        QVERIFY(w.isVisible());
        QCOMPARE(DatiTest::periods().numperiodi, 2);
        QCOMPARE(period(1), Period("01/01/15", "4"));
        QCOMPARE(period(3), Period());
        QCOMPARE(text(d, "capiniz"), QString("5000"));
        QCOMPARE(text(d, "riferimento"), QString("Mutuo"));
        QCOMPARE(text(d, "capitales"), finalSum);
        QCOMPARE(d.tipocalcolo(), core::CalculationType::Simple);
        QVERIFY(!d.risultaticorrenti());
        QCOMPARE(rows(w, 1, 200), before);
    }
};

QTEST_MAIN(TestTabellaCopy)
#include "tst_tabella_copy.moc"

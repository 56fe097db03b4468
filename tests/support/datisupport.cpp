// SPDX-License-Identifier: GPL-3.0-or-later
#include "datisupport.h"

#include "core/numbertext.h"
#include "platform/messagebox.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace DatiTest {

std::unique_ptr<Dati> newWindow() {
    auto window = std::make_unique<Dati>(TestFixture::context());
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    MessageBox::clearShown();
    return window;
}

const core::PeriodList& periods() {
    return TestFixture::context().calculation.periods();
}

QStringList column(Dati& w, const char* name) {
    QStringList cells;
    for (int r = 1; r <= Dati::kRows; ++r)
        cells << text(w, row(name, r));
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

int daysBefore(const QString& dateText) {
    return core::difference(*core::parseDate(dateText.toStdString()), kToday);
}

void type(Dati& w, const QString& field, const QString& text) {
    auto* edit = findControl<QLineEdit>(&w, field);
    if (!edit) qFatal("no field %s", qPrintable(field));
    edit->clear();
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, c.toLatin1());
        else
            edit->insert(QString(c)); // the key simulator knows only ASCII
    }
}

void enterPeriod(Dati& w, int r, const QString& dateText, int rateHundredths) {
    bar(w, row("hscroll1", r))->setValue(daysBefore(dateText));
    bar(w, row("scrollatassi", r))->setValue(rateHundredths);
}

void fillPeriods(Dati& w, const Periods& periods) {
    std::vector<core::TableRow> rows;
    for (const auto& [start, rate] : periods)
        rows.push_back({start.toStdString(), rate.toStdString()});
    w.enterPeriods(rows);
}

void enter(Dati& w, const Header& header, const Periods& periods) {
    type(w, "datfin", header.finalDate);
    fillPeriods(w, periods);
    type(w, "capiniz", header.capital);
    type(w, "riferimento", header.reference);
    MessageBox::clearShown();
}

void chooseType(Dati& w, core::CalculationType type) {
    findControl<QAbstractButton>(&w, row("Option1", static_cast<int>(type)))->click();
}

Held held(Dati& w) {
    Held h{.type = w.tipocalcolo(),
           .capital = text(w, "capiniz"),
           .finalDate = text(w, "datfin"),
           .reference = text(w, "riferimento"),
           .simpleSum = text(w, "capitales"),
           .compoundSum = text(w, "capitalec"),
           .file = w.nomefile};
    for (int k = 1; k <= periods().numperiodi; ++k) {
        const core::PeriodSlot& s = periods().slot(k);
        h.starts << QString::fromStdString(s.start);
        h.ends << QString::fromStdString(s.end);
        h.rates << QString::fromStdString(s.rate);
        h.capitals << (s.capital ? QString::fromStdString(core::numberText(*s.capital)) : "");
        h.days << int(s.days.value_or(-1));
    }
    return h;
}

void compareHeld(const Held& actual, const Held& expected) {
    QCOMPARE(actual.type, expected.type);
    QCOMPARE(actual.capital, expected.capital);
    QCOMPARE(actual.finalDate, expected.finalDate);
    QCOMPARE(actual.reference, expected.reference);
    QCOMPARE(actual.simpleSum, expected.simpleSum);
    QCOMPARE(actual.compoundSum, expected.compoundSum);
    QCOMPARE(actual.file, expected.file);
    QCOMPARE(actual.starts, expected.starts);
    QCOMPARE(actual.ends, expected.ends);
    QCOMPARE(actual.rates, expected.rates);
    QCOMPARE(actual.capitals, expected.capitals);
    QCOMPARE(actual.days, expected.days);
}

Periods monthsFrom2008(int n) {
    Periods p;
    core::Date d{2008, 1, 15};
    for (int k = 0; k < n; ++k) {
        p.append({QString::fromStdString(core::dateText(d)), k % 3 ? "2,5" : "3,75"});
        d = core::addDays(d, 30);
    }
    return p;
}

void enterLong(Dati& w, const Periods& periods) {
    w.cancella();
    fillPeriods(w, periods);
    type(w, "datfin", "31/12/25");
    type(w, "capiniz", "10000");
    type(w, "riferimento", "prova");
}

} // namespace DatiTest

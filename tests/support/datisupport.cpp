// SPDX-License-Identifier: GPL-3.0-or-later
#include "datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/messagebox.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace DatiTest {

std::unique_ptr<Dati> newWindow() {
    auto window = std::make_unique<Dati>();
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    MessageBox::clearShown();
    return window;
}

QString column(Dati& w, const char* name) {
    QStringList cells;
    for (int r = 1; r <= Dati::kRows; ++r)
        cells << text(w, row(name, r));
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(' ');
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
    core::PeriodList& list = core::periodi();
    int k = 0;
    for (const auto& [start, rate] : periods) {
        ++k;
        list.slot(k).start = start.toStdString();
        list.slot(k).rate = rate.toStdString();
    }
    list.contaperiodi();
    w.mostraperiodi();
}

Periods periodsOf(const QString& text) {
    Periods periods;
    for (const QString& pair : text.split(' ', Qt::SkipEmptyParts))
        periods.append({pair.section('=', 0, 0), pair.section('=', 1)});
    return periods;
}

void enter(Dati& w, const QString& fields, const QString& periods) {
    type(w, "datfin", fields.section('|', 1, 1));
    fillPeriods(w, periodsOf(periods));
    type(w, "capiniz", fields.section('|', 0, 0));
    type(w, "riferimento", fields.section('|', 2, 2));
    MessageBox::clearShown();
}

void chooseType(Dati& w, int type) {
    findControl<QAbstractButton>(&w, row("Option1", type))->click();
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
    core::periodi().clear();
    fillPeriods(w, periods);
    type(w, "datfin", "31/12/25");
    type(w, "capiniz", "10000");
    type(w, "riferimento", "prova");
}

} // namespace DatiTest

#include "datisupport.h"

#include "core/sharedcalculation.h"
#include "datawindow/datacheck.h"
#include "platform/clock.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLabel>
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

QString text(Dati& w, const QString& name) {
    if (auto* label = findControl<QLabel>(&w, name)) return label->text();
    if (auto* edit = findControl<QLineEdit>(&w, name)) return edit->text();
    qFatal("no control %s", qPrintable(name));
}

QScrollBar* bar(Dati& w, const QString& name) {
    auto* b = findControl<QScrollBar>(&w, name);
    if (!b) qFatal("no scroll bar %s", qPrintable(name));
    return b;
}

QString row(const char* name, int r) {
    return QString("%1(%2)").arg(name).arg(r);
}

QString column(Dati& w, const char* name) {
    QStringList cells;
    for (int r = 1; r <= Dati::kRows; ++r)
        cells << text(w, row(name, r));
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells.join(' ');
}

QString dateBefore(int days) {
    return QString::fromStdString(core::dateText(core::addDays(kToday, -days)));
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

void click(Dati& w, const QString& name) {
    auto* control = findControl<QWidget>(&w, name);
    if (!control) qFatal("nothing to click named %s", qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
}

QStringList boxes() {
    QStringList list;
    for (const auto& box : MessageBox::shown())
        list << QString("%1|%2|%3").arg(box.style).arg(box.title, box.prompt);
    return list;
}

QString box() {
    const QStringList all = boxes();
    return all.size() == 1 ? all[0] : QString("%1 boxes").arg(all.size());
}

} // namespace DatiTest

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabellasupport.h"

#include "datawindow/dati.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"

#include <QCoreApplication>

namespace TabellaTest {

Tabella& open() {
    auto* w = qobject_cast<Tabella*>(WindowRegistry::show(WindowName::tabella));
    if (!w) qFatal("no rate-table window");
    return *w;
}

Dati* dati() {
    return qobject_cast<Dati*>(WindowRegistry::loaded(WindowName::dati));
}

void closeWindows() {
    for (const char* name : {WindowName::tabella, WindowName::dati}) {
        while (QWidget* w = WindowRegistry::loaded(name))
            delete w;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Periods rows(const Tabella& w, int from, int to) {
    Periods list;
    for (int r = from; r <= to; ++r)
        list.append(
            {QString::fromStdString(w.table().date(r)), QString::fromStdString(w.table().rate(r))});
    return list;
}

void fill(Tabella& w, const Periods& rows) {
    fileformat::RateTableRows table;
    for (const auto& [date, rate] : rows)
        table.push_back({date.toStdString(), rate.toStdString()});
    w.loadFile(table, w.titolo());
}

QStringList column(Tabella& w, const char* name) {
    QStringList cells;
    for (int i = 1; i <= Tabella::kLines; ++i)
        cells << text(w, line(name, i));
    return cells;
}

} // namespace TabellaTest

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabellasupport.h"

#include "datawindow/dati.h"
#include "platform/windowregistry.h"

#include <QCoreApplication>

namespace TabellaTest {

Tabella& open() {
    auto* w = qobject_cast<Tabella*>(WindowRegistry::show("tabella"));
    if (!w) qFatal("no rate-table window");
    return *w;
}

Dati* dati() {
    return qobject_cast<Dati*>(WindowRegistry::loaded("dati"));
}

void closeWindows() {
    for (const char* name : {"tabella", "dati"}) {
        while (QWidget* w = WindowRegistry::loaded(name))
            delete w;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString rows(const Tabella& w, int from, int to) {
    QStringList list;
    for (int r = from; r <= to; ++r)
        list << QString::fromStdString(w.table().date(r) + "=" + w.table().rate(r));
    return list.join(' ');
}

void fill(Tabella& w, const QString& rowsText) {
    fileformat::RateTableRows rows;
    for (const QString& pair : rowsText.split(' ', Qt::SkipEmptyParts))
        rows.push_back({pair.section('=', 0, 0).toStdString(), pair.section('=', 1).toStdString()});
    w.loadFile(rows, w.titolo());
}

} // namespace TabellaTest

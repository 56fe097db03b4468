// SPDX-License-Identifier: GPL-3.0-or-later
#include "tabellasupport.h"

#include "datawindow/dati.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QCoreApplication>

namespace TabellaTest {

Tabella& open() {
    Startup::wireWindows();
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
        list << w.tabella().datetab(r) + "=" + w.tabella().tassitab(r);
    return list.join(' ');
}

void fill(Tabella& w, const QString& rowsText) {
    RateTable& table = w.tabella();
    table.svuota();
    int r = 0;
    for (const QString& pair : rowsText.split(' ', Qt::SkipEmptyParts)) {
        ++r;
        table.datetab(r) = pair.section('=', 0, 0);
        table.tassitab(r) = pair.section('=', 1);
    }
    w.ridisegna();
}

} // namespace TabellaTest

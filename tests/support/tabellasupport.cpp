#include "tabellasupport.h"

#include "datawindow/dati.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

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

QString line(const char* name, int i) {
    return QString("%1(%2)").arg(name).arg(i);
}

QString text(QWidget& w, const QString& name) {
    if (auto* label = findControl<QLabel>(&w, name)) return label->text();
    if (auto* edit = findControl<QLineEdit>(&w, name)) return edit->text();
    qFatal("no control %s", qPrintable(name));
}

QScrollBar* bar(QWidget& w, const QString& name) {
    auto* b = findControl<QScrollBar>(&w, name);
    if (!b) qFatal("no scroll bar %s", qPrintable(name));
    return b;
}

void click(QWidget& w, const QString& name) {
    auto* control = findControl<QWidget>(&w, name);
    if (!control) qFatal("nothing to click named %s", qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
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

QStringList boxes() {
    QStringList list;
    for (const auto& box : MessageBox::shown())
        list << QString("%1|%2|%3").arg(box.style).arg(box.title, box.prompt);
    return list;
}

} // namespace TabellaTest

// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include "platform/documentopener.h"
#include "platform/messagebox.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

QString row(const char* name, int i) {
    return QString("%1(%2)").arg(name).arg(i);
}

QString text(QWidget& form, const QString& name) {
    if (auto* label = findControl<QLabel>(&form, name)) return label->text();
    if (auto* edit = findControl<QLineEdit>(&form, name)) return edit->text();
    qFatal("no control %s", qPrintable(name));
}

QScrollBar* bar(QWidget& form, const QString& name) {
    auto* b = findControl<QScrollBar>(&form, name);
    if (!b) qFatal("no scroll bar %s", qPrintable(name));
    return b;
}

void click(QWidget& form, const QString& name) {
    auto* control = findControl<QWidget>(&form, name);
    if (!control) qFatal("nothing to click named %s", qPrintable(name));
    QTest::mouseClick(control, Qt::LeftButton);
}

QStringList prompts() {
    QStringList list;
    for (const MessageBox::Shown& box : MessageBox::shown())
        list << box.prompt;
    return list;
}

MessageBox::Shown lastBox() {
    const QList<MessageBox::Shown> all = MessageBox::shown();
    return all.isEmpty() ? MessageBox::Shown{} : all.last();
}

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString tempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (!bytes.isEmpty() && f.open(QIODevice::WriteOnly)) f.write(bytes);
    return f.fileName();
}

QString lastDocument() {
    const QStringList opened = DocumentOpener::opened();
    return opened.isEmpty() ? QString() : opened.last();
}

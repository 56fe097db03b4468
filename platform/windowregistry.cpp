// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowregistry.h"

#include <QApplication>
#include <QHash>
#include <QWidget>

namespace WindowRegistry {

namespace {

const char* const unloadedProperty = "fenoverraUnloaded";

QHash<QString, Factory>& factories() {
    static QHash<QString, Factory> all;
    return all;
}

QStringList& names() {
    static QStringList inOrder;
    return inOrder;
}

} // namespace

void define(const QString& name, Factory factory) {
    if (!factories().contains(name)) names().append(name);
    factories().insert(name, std::move(factory));
}

QStringList defined() {
    return names();
}

QWidget* loaded(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && !widget->property(unloadedProperty).toBool())
            return widget;
    }
    return nullptr;
}

QWidget* load(const QString& name) {
    if (QWidget* window = loaded(name)) return window;
    const auto factory = factories().constFind(name);
    return factory == factories().constEnd() ? nullptr : (*factory)();
}

QWidget* show(const QString& name) {
    QWidget* window = load(name);
    if (!window) return nullptr;
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void unload(QWidget* window) {
    if (!window) return;
    window->setProperty(unloadedProperty, true);
    window->close();
    // Deleted once its own event handlers have returned: the exit command
    // may be running inside one of them.
    window->deleteLater();
}

} // namespace WindowRegistry

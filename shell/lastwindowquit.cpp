// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/lastwindowquit.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

LastWindowQuit::LastWindowQuit(std::function<void()> quit, QObject* parent)
    : QObject(parent), quit_(std::move(quit)) {}

LastWindowQuit* LastWindowQuit::install(QApplication& app) {
    app.setQuitOnLastWindowClosed(false);
    auto* rule = new LastWindowQuit([] { QCoreApplication::quit(); }, &app);
    app.installEventFilter(rule);
    return rule;
}

bool LastWindowQuit::anyWindowVisible() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        const Qt::WindowType type = widget->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop) continue;
        return true;
    }
    return false;
}

bool LastWindowQuit::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Hide || event->type() == QEvent::Close) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() && !checkPending_) {
        checkPending_ = true;
        QMetaObject::invokeMethod(this, &LastWindowQuit::check, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void LastWindowQuit::check() {
    checkPending_ = false;
    if (!anyWindowVisible()) quit_();
}

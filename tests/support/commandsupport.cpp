// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandsupport.h"

#include "platform/clsresize.h"
#include "platform/commandbars.h"
#include "platform/commondialog.h"
#include "platform/formbackground.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/windowregistry.h"
#include "reports/wordprocessor.h"
#include "shell/startup.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QToolBar>

namespace CommandTest {

namespace {

QStringList visibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && !w->objectName().isEmpty() && type != Qt::Popup &&
            type != Qt::ToolTip)
            names << w->objectName();
    }
    return names;
}

QString kindName(CommonDialog::Kind kind) {
    switch (kind) {
    case CommonDialog::Kind::Open:
        return "Open";
    case CommonDialog::Kind::Save:
        return "Save";
    case CommonDialog::Kind::Color:
        return "Color";
    }
    return {};
}

} // namespace

QWidget& show(const QString& name) {
    Startup::wireWindows();
    QWidget* window = WindowRegistry::show(name);
    if (!window) qFatal("no window %s", qPrintable(name));
    if (!QTest::qWaitForWindowActive(window)) qWarning("%s is not active", qPrintable(name));
    return *window;
}

void closeAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget()) windows << w;
    for (const QPointer<QWidget>& w : windows)
        delete w.data(); // null once its parent has taken it along
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void script(const QString& answers) {
    for (const QString& answer : answers.split(' ', Qt::SkipEmptyParts)) {
        if (answer == "yes")
            MessageBox::setNextAnswer(MsgAnswer::Yes);
        else if (answer == "no")
            MessageBox::setNextAnswer(MsgAnswer::No);
        else if (answer == "ok")
            MessageBox::setNextAnswer(MsgAnswer::Ok);
        else if (answer == "cancel")
            CommonDialog::setNextCancel();
        else if (answer.startsWith('#'))
            CommonDialog::setNextColor(QColor(answer));
        else
            qFatal("no such answer: %s", qPrintable(answer));
    }
}

void run(QWidget& window, const QString& command) {
    if (command.startsWith("Toolbar1(")) {
        auto* bar = window.findChild<QToolBar*>("Toolbar1");
        QAction* action = bar ? bar->findChild<QAction*>(command) : nullptr;
        QWidget* button = action ? bar->widgetForAction(action) : nullptr;
        if (!button) qFatal("no toolbar button %s", qPrintable(command));
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (auto* button = window.findChild<QAbstractButton*>(command)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (auto* action = window.findChild<QAction*>(command)) {
        action->trigger();
    } else {
        qFatal("no command %s", qPrintable(command));
    }
    QCoreApplication::processEvents();
}

Outcome::Outcome(QWidget& window, std::function<QString()> data)
    : window_(window), data_(std::move(data)), dataBefore_(data_()),
      visibleBefore_(visibleWindows()), colourBefore_(FormBackground::colour(&window).name()),
      documentsBefore_(WordApplication::createdCount()) {
    MessageBox::clearShown();
    CommonDialog::clearShown();
    ModFenoverra::setExitHandler([this] { ++exits_; });
}

Outcome::~Outcome() {
    ModFenoverra::setExitHandler({});
}

QString Outcome::text() const {
    QStringList parts;
    for (const QString& shown : boxes())
        parts << "box " + shown;
    for (const CommonDialog::Shown& dialog : CommonDialog::shown())
        parts << "dialog " + kindName(dialog.kind) + "|" + dialog.title;
    for (int i = documentsBefore_; i < WordApplication::createdCount(); ++i)
        parts << "document";
    for (int i = 0; i < exits_; ++i)
        parts << "exit";
    for (const QString& name : visibleWindows())
        if (!visibleBefore_.contains(name)) parts << "shows " + name;
    const QString colour = FormBackground::colour(&window_).name();
    if (colour != colourBefore_) parts << "colour " + colour;
    if (data_() != dataBefore_) parts << "data changed";
    return parts.join("; ");
}

QString pressKey(const QKeySequence& key, const Outcome& outcome) {
    QTest::keySequence(QApplication::focusWidget(), key);
    QString menuOpened;
    const auto result = [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuOpened = "menu " + menu->objectName();
            menu->close();
        }
        if (!menuOpened.isEmpty()) return menuOpened;
        return outcome.text().section('|', 0, 0).section(';', 0, 0);
    };
    // Nothing at all is an outcome too: the wait ends empty-handed.
    (void)QTest::qWaitFor([&] { return !result().isEmpty(); }, 500);
    return result();
}

QStringList controlsOutsideTheArea(QWidget& window) {
    const int top = CommandBars::barsHeight(&window);
    QStringList outside;
    for (QWidget* control : clsResize::controlsOf(&window)) {
        if (control->parentWidget() != &window || control->isHidden()) continue;
        const QRect g = control->geometry();
        if (g.top() < top || g.bottom() >= window.height() || g.left() < 0 ||
            g.right() >= window.width())
            outside << control->objectName();
    }
    return outside;
}

} // namespace CommandTest

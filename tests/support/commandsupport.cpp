// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandsupport.h"

#include "testfixture.h"

#include "platform/clsresize.h"
#include "platform/commandbars.h"
#include "platform/documentopener.h"
#include "platform/formbackground.h"
#include "platform/windowregistry.h"
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

} // namespace

QWidget& show(const QString& name) {
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

void script(const QStringList& answers) {
    for (const QString& answer : answers) {
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

QStringList Outcome::kinds() const {
    QStringList kinds;
    if (!boxes.isEmpty()) kinds << "boxes";
    if (!dialogs.isEmpty()) kinds << "dialogs";
    if (!documents.isEmpty()) kinds << "documents";
    if (exits != 0) kinds << "exits";
    if (!shownNow.isEmpty()) kinds << "windows shown";
    if (colour.isValid()) kinds << "colour";
    if (dataChanged) kinds << "data changed";
    if (!menuOpened.isEmpty()) kinds << "menu opened";
    return kinds;
}

Watch::Watch(QWidget& window, std::function<QString()> data)
    : window_(window), data_(std::move(data)), dataBefore_(data_()),
      visibleBefore_(visibleWindows()), colourBefore_(FormBackground::colour(&window)),
      documentsBefore_(int(DocumentOpener::opened().size())) {
    MessageBox::clearShown();
    CommonDialog::clearShown();
    TestFixture::context().exitCommand = [this] { ++exits_; };
}

Watch::~Watch() {
    TestFixture::context().exitCommand = {};
}

void Watch::give(const QString& command) {
    if (command.contains('+')) {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(command));
        (void)QTest::qWaitFor(
            [&] {
                if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    menuOpened_ = menu->objectName();
                    menu->close();
                }
                return !outcome().kinds().isEmpty();
            },
            500);
        return;
    }
    run(window_, command);
}

Outcome Watch::outcome() const {
    Outcome o;
    o.boxes = MessageBox::shown();
    o.dialogs = CommonDialog::shown();
    o.documents = DocumentOpener::opened().mid(documentsBefore_);
    o.exits = exits_;
    for (const QString& name : visibleWindows())
        if (!visibleBefore_.contains(name)) o.shownNow << name;
    const QColor colour = FormBackground::colour(&window_);
    if (colour != colourBefore_) o.colour = colour;
    o.dataChanged = data_() != dataBefore_;
    o.menuOpened = menuOpened_;
    return o;
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

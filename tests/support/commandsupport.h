// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running the commands of the working windows as a person does (a menu
// entry, a toolbar button, a button, a key) and watching what came of it.

#include "platform/commondialog.h"
#include "platform/messagebox.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace CommandTest {

// Wires the windows as the program does and shows one of them, active.
QWidget& show(const QString& name);
// Deletes every top-level window left over.
void closeAllWindows();

// Queues the answers, in order: "yes", "no", "ok" for message boxes,
// "cancel" for a file or colour dialog, "#rrggbb" for a colour chosen.
void script(const QStringList& answers);

// Runs a command of the window: "Toolbar1(n)" clicks that toolbar button,
// the name of a button (the right-hand title is "finestraTitolo") clicks it,
// any other name triggers the window's action of that name.
void run(QWidget& window, const QString& command);

// What came of the commands given since the watch began.
struct Outcome {
    QList<MessageBox::Shown> boxes;
    QList<CommonDialog::Shown> dialogs;
    QStringList documents; // written and asked to open
    int exits = 0;         // exit commands given
    QStringList shownNow;  // windows that became visible
    QColor colour;         // the window's new background; invalid when unchanged
    bool dataChanged = false;
    QString menuOpened; // the menu a key opened (and the watch closed)

    // The kinds of thing that happened, in the order of the members above
    // ("boxes", "dialogs", "documents", "exits", "windows shown", "colour",
    // "data changed", "menu opened"): a command that did more than it
    // should shows it here.
    QStringList kinds() const;
    bool empty() const;
};

// Watches a window from construction on: the exit command is counted, not
// run; `data` describes what the window holds.
class Watch {
public:
    Watch(QWidget& window, std::function<QString()> data);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // A command as run() gives it, or a key sequence ("Ctrl+A", "Alt+N")
    // pressed where the focus is. A button's letter clicks it a moment
    // later, as a click shows it pressed: an outcome is waited for.
    void give(const QString& command);
    Outcome outcome() const;

private:
    QWidget& window_;
    std::function<QString()> data_;
    QString dataBefore_;
    QStringList visibleBefore_;
    QColor colourBefore_;
    int documentsBefore_;
    int exits_ = 0;
    QString menuOpened_;
};

// The controls of the window that are not wholly below its bars and
// inside it.
QStringList controlsOutsideTheArea(QWidget& window);

} // namespace CommandTest

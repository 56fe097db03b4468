// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running the commands of the working windows as a person does and
// watching what came of it.

#include "platform/commondialog.h"
#include "platform/messagebox.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace CommandTest {

// Shows a window, active.
QWidget& show(const QString& name);
void closeAllWindows();

// Queues answers: "yes", "no", "ok" for boxes, "cancel" or "#rrggbb" for dialogs.
void script(const QStringList& answers);

// Clicks toolbar button "Toolbar1(n)" or the button of that name, or
// triggers the action of that name.
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

    // What happened, in the order above: "boxes", "dialogs", "documents",
    // "exits", "windows shown", "colour", "data changed", "menu opened".
    QStringList kinds() const;
};

// Watches a window from construction on; the exit command is counted, not
// run; `data` describes what the window holds.
class Watch {
public:
    Watch(QWidget& window, std::function<QString()> data);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    // A command for run(), or keys ("Alt+N") pressed where the focus is,
    // waiting a moment for an outcome.
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

// The controls not wholly below the window's bars and inside it.
QStringList controlsOutsideTheArea(QWidget& window);

} // namespace CommandTest

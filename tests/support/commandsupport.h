// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running the commands of the working windows as a person does (a menu
// entry, a toolbar button, a button, a key) and describing what came of it.

#include <QKeySequence>
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
void script(const QString& answers);

// Runs a command of the window: "Toolbar1(n)" clicks that toolbar button,
// the name of a button (the right-hand title is "finestraTitolo") clicks it,
// any other name triggers the window's action of that name.
void run(QWidget& window, const QString& command);

// What a command did, watched from construction to outcome(): "; "-joined,
// in this order: the message boxes ("box style|title|prompt"), the dialogs
// ("dialog Open|title"), "document" for each document written, "exit" for
// each exit command, "shows NAME" for each window that became visible,
// "colour #rrggbb" for a new background of the window, "data changed" when
// `data` describes the window's data differently afterwards.
class Outcome {
public:
    Outcome(QWidget& window, std::function<QString()> data);
    ~Outcome();
    QString text() const;

private:
    QWidget& window_;
    std::function<QString()> data_;
    QString dataBefore_;
    QStringList visibleBefore_;
    QString colourBefore_;
    int documentsBefore_;
    int exits_ = 0;
};

// Presses the key in the widget that has the focus and says what came of
// it: the first part of the outcome up to its first "|" or ";" ("box 64",
// "dialog Open", "shows dati"), or "menu NAME" for a menu that opened (and
// is closed again). A button's letter clicks it a moment later, as a click
// shows it pressed: the outcome is waited for.
QString pressKey(const QKeySequence& key, const Outcome& outcome);

// The controls of the window that are not wholly below its bars and
// inside it.
QStringList controlsOutsideTheArea(QWidget& window);

} // namespace CommandTest

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes with an explicit title, their buttons, icon and default
// button chosen by a sum of MsgStyle values.
//
// The real box is a QMessageBox with the icon and default button the style
// asks for. Tests switch to the double: it records every box and answers
// from a queue. A box shown with no answer queued is a box the test did not
// expect: it is answered as if closed (No, Cancel or OK) and listed in
// unscripted(), which the test fixture reports as a failure.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace MsgStyle {
enum : int {
    OkOnly = 0,
    OkCancel = 1,
    YesNoCancel = 3,
    YesNo = 4,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton2 = 256,
};
}

enum class MsgAnswer { Ok, Cancel, Yes, No };

class MessageBox {
public:
    static MsgAnswer show(QWidget* parent, const QString& prompt, int style, const QString& title);

    // --- test double ---
    struct Shown {
        QString prompt;
        int style = 0;
        QString title;
    };
    static void useDouble(bool on);         // record and answer instead of showing
    static void setNextAnswer(MsgAnswer a); // queued, first in first out
    static QList<Shown> shown();            // every box since the last clear
    static void clearShown();
    static QStringList unscripted(); // prompts of boxes no answer was queued for
};

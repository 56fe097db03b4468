// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends the program when none of its windows is visible any more.
//
// Qt's own rule only counts windows that are closed; a window that hides
// itself (help contents, tips, about) as the last visible one would leave
// the program running with nothing on screen. The check runs once control
// returns to the event loop, so a command that closes one window and opens
// another (the exit command showing the closing screen) does not end it.

#include <QObject>
#include <functional>

class QApplication;

class LastWindowQuit : public QObject {
    Q_OBJECT
public:
    // quit: what ends the program (QCoreApplication::quit in the program).
    explicit LastWindowQuit(std::function<void()> quit, QObject* parent = nullptr);

    // Installs the rule on the application, replacing Qt's own.
    static LastWindowQuit* install(QApplication& app);

    static bool anyWindowVisible();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    std::function<void()> quit_;
    bool checkPending_ = false;
};

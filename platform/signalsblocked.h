// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signals of a window's inputs held back while the window shows its
// model: nothing drawn comes back as a gesture.

#include <QObject>
#include <vector>

class SignalsBlocked {
public:
    explicit SignalsBlocked(const std::vector<QObject*>& objects) : objects_(objects) {
        for (QObject* o : objects_)
            o->blockSignals(true);
    }
    ~SignalsBlocked() {
        for (QObject* o : objects_)
            o->blockSignals(false);
    }
    SignalsBlocked(const SignalsBlocked&) = delete;
    SignalsBlocked& operator=(const SignalsBlocked&) = delete;

private:
    const std::vector<QObject*>& objects_;
};

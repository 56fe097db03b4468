// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data check of the Data window: the first thing missing or wrong, or the
// confirmation that the calculation is complete.

#include "core/periodlist.h"

#include <QString>

namespace DataCheck {

struct Outcome {
    bool passed = false;
    QString message; // what to tell the user (also on success)
    int style = 0;   // MsgStyle icon and buttons
};

// Tries the rules in order and stops at the first that fires.
Outcome check(const QString& capital, const QString& finalDate, const QString& reference,
              const core::PeriodList& list);

// How the window reports the outcome: the menu's check always speaks; save
// and print check silently and speak only when the check fails.
enum class Mode { Report, Silent };

} // namespace DataCheck

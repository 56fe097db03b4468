// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program holds while it runs, in one object the shell owns and
// hands to every window it makes: the calculation, the rate table and the
// exit command. Nothing of it is saved between runs.

#include "core/calculation.h"
#include "core/ratetable.h"

#include <functional>

struct ProgramContext {
    // The one calculation: the Data window shows it, the data files and the
    // rate table's copy replace it. Its periods outlive the window.
    core::Calculation calculation;
    // The rate table the rate-table window shows; its preset choice
    // outlives the window.
    core::RateTable rateTable;
    // The exit every window offers (the shell installs it).
    std::function<void()> exitCommand;

    void confermauscita() const {
        if (exitCommand) exitCommand();
    }
};

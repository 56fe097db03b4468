// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What another window may ask of the Data window, which it reaches by name
// through the window registry (WindowRegistry::loadAs<CalculationWindow>(WindowName::dati)).
// The rate table's copy uses it.

#include "core/ratetable.h"

#include <vector>

class CalculationWindow {
public:
    virtual ~CalculationWindow() = default;

    // The rows become periods 1..n of a cleared calculation, which is then
    // computed and shown.
    virtual void copyRates(const std::vector<core::TableRow>& rows) = 0;
};

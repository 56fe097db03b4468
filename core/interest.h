// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interest pass (ricalcola without the drawing) and its rounding.

#include "core/periodlist.h"

#include <functional>
#include <string>

namespace core {

enum CalculationType { Simple = 1, Compound = 2, Both = 3 };

// Int(C / 100 * r / 365 * g * 100 + 0.5) / 100, in exactly this order, in double.
double periodInterest(double capital, double rate, double days);

// Int((c - s) * 100 + 0.5) / 100.
double roundedDifference(double compound, double simple);

// The three final-sum labels, as texts ("" when empty).
struct FinalSums {
    std::string capitales; // simple interest
    std::string capitalec; // compound interest
    std::string differ;    // compound minus simple
};

struct PassInput {
    int type = Simple;         // T; any T > 1 compounds at 1 January
    std::string capitalText;   // capiniz as typed
    std::string finalDateText; // datfin as typed
};

// What the window does around the engine's work; any of them may be empty.
struct CalculationHooks {
    // At the start of every pass (the window updates its guidance).
    std::function<void()> passStarting;
    // Before period i is computed, after its end date and days are derived
    // (the window draws the rows from period i and steps the progress bar).
    std::function<void(int period)> beforePeriod;
    // At the end of every pass (the window draws the rows again).
    std::function<void()> passEnded;
    // Once, after the year split and before the first pass of a type choice
    // (the window shows its progress bar for a long list).
    std::function<void()> passesStarting;
};

// One pass for type input.type. Returns the number of periods computed.
// Stops at the first period whose start, end or rate is empty or
// unreadable, or at once when the capital is empty or not a number.
// Never throws.
int ricalcola(PeriodList& list, const PassInput& input, FinalSums& sums,
              const CalculationHooks& hooks = {});

} // namespace core

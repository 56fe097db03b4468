// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interest pass and its rounding.

#include "core/periodlist.h"

#include <string>

namespace core {

// tipocalcolo: the option buttons' index.
enum class CalculationType { Simple = 1, Compound = 2, Both = 3 };

// Int(C / 100 * r / 365 * g * 100 + 0.5) / 100, in exactly this order, in double.
double periodInterest(double capital, double rate, double days);

// Int((c - s) * 100 + 0.5) / 100.
double roundedDifference(double compound, double simple);

// The three final sums, as texts ("" when empty).
struct FinalSums {
    std::string capitales; // simple interest
    std::string capitalec; // compound interest
    std::string differ;    // compound minus simple

    friend bool operator==(const FinalSums&, const FinalSums&) = default;
};

struct PassInput {
    // Any type but Simple compounds at each 1 January.
    CalculationType type = CalculationType::Simple;
    std::string capitalText;   // capiniz as typed
    std::string finalDateText; // datfin as typed
};

// Whether a pass computes a period whose end and days have been derived, or
// stops there: a start, end or rate missing or unreadable, or a capital
// that is not a number.
bool passComputes(const PeriodSlot& slot, bool capitalIsNumber);

// One pass (ricalcola): derives each period's end and days, computes its
// interest, running total and capital, and writes the sum of its type: the
// capital of the last period computed. Stops at the first period it cannot compute. Returns the
// number of periods computed. Never throws.
int ricalcola(PeriodList& list, const PassInput& input, FinalSums& sums);

} // namespace core

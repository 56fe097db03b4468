// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// End dates and days of periods, and the split of periods at each 1 January.

#include "core/periodlist.h"

#include <string>

namespace core {

// End date and days of period k, as drawing the row of k derives them:
// the day before the next start (when there is one), the final date for the
// last period, then the days (plain difference for period 1, +1 after).
// A date text that is not a date leaves the days unset; nothing else changes.
void deriveEndAndDays(PeriodList& list, int k, const std::string& finalDateText);

// Days of period k from its start and end texts (nullopt when either is empty
// or not a date).
std::optional<long> daysOfPeriod(const PeriodList& list, int k);

struct YearSplitOutcome {
    int inserted = 0;     // periods added
    bool refused = false; // the split needs more than 200 slots: nothing changed
    int needed = 0;       // periods the split would need in all
};

// dividianni: starts a new period at each 1 January between two start dates,
// carrying the rate of the period cut. The last period is never cut. Each new
// period opens its slot as an insertion does (shiftEnd). When the periods
// would not fit in 200 slots, nothing is changed and refused is set; a start
// date alone far down never counts.
YearSplitOutcome dividianni(PeriodList& list);

} // namespace core

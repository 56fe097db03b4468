// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A date scroll bar holds the number of days before today; its left end is the
// oldest date. The start-date bar of a row runs 32767..0, the final-date bar 32767..1.

#include "core/date.h"

#include <optional>

namespace core {

struct DateBarRange {
    int oldest; // value at the left end
    int newest; // value at the right end
};
inline constexpr DateBarRange kStartDateBar{32767, 0};
inline constexpr DateBarRange kFinalDateBar{32767, 1};
inline constexpr int kDateBarSmallStep = 1;
inline constexpr int kDateBarLargeStep = 30;

// The date a bar value stands for.
Date dateOfBarValue(int value, Date today);
// The bar value of a date, or nullopt when the bar cannot hold it.
std::optional<int> barValueOfDate(Date d, Date today, DateBarRange range);

// Clicking a start date: the date of the bar minus a fixed 365 days.
Date stepBack365(int barValue, Date today);

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the row scroll bars of both working windows stand for a date or a
// rate, and what they stand for.
//
// A date bar holds the number of days before today, its oldest date at the
// left end: a row's start-date bar runs 32767..0, the final-date bar
// 32767..1. A rate bar holds hundredths of a percent, 0,01..100,00.

#include "core/date.h"

#include <optional>
#include <string_view>

namespace core {

struct DateBarRange {
    int oldest; // value at the left end
    int newest; // value at the right end
};
inline constexpr DateBarRange kStartDateBar{32767, 0};
inline constexpr DateBarRange kFinalDateBar{32767, 1};
inline constexpr int kDateBarSmallStep = 1;
inline constexpr int kDateBarLargeStep = 30;

inline constexpr int kRateBarLowest = 1;
inline constexpr int kRateBarHighest = 10000;
inline constexpr int kRateBarSmallStep = 1;
inline constexpr int kRateBarLargeStep = 100;

// The date a bar value stands for.
Date dateOfBarValue(int value, Date today);
// The bar value of a date, or nullopt when the bar cannot hold it.
std::optional<int> barValueOfDate(Date d, Date today, DateBarRange range);

// Clicking a start date: the date of the bar minus a fixed 365 days.
Date stepBack365(int barValue, Date today);

// Where a bar is put to show a date or a rate text. A bar that can show the
// text exactly moves there as a user's move would, and its reaction may
// rewrite the text in the bar's own form ("1/1/2010" becomes "01/01/10",
// "4,00" becomes "4"). A text it cannot show exactly is never rewritten: the
// bar is held at its nearest position without a reaction. A text that is
// not a date or a number leaves the bar where it is.
struct BarPosition {
    std::optional<int> value; // nothing: the bar stays where it is
    bool moves = false;       // false: held there quietly
};
BarPosition dateBarPosition(std::string_view dateText, Date today, DateBarRange range);
BarPosition rateBarPosition(std::string_view rateText);

} // namespace core

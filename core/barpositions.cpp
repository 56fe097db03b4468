// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/barpositions.h"

#include "core/numbertext.h"

#include <algorithm>

namespace core {

Date dateOfBarValue(int value, Date today) {
    return addDays(today, -value);
}

std::optional<int> barValueOfDate(Date d, Date today, DateBarRange range) {
    const int v = difference(d, today);
    if (v > range.oldest || v < range.newest) return std::nullopt;
    return v;
}

Date stepBack365(int barValue, Date today) {
    return addDays(dateOfBarValue(barValue, today), -365);
}

BarPosition dateBarPosition(std::string_view dateText, Date today, DateBarRange range) {
    const auto date = parseDate(dateText);
    if (!date) return {};
    if (const auto value = barValueOfDate(*date, today, range)) return {*value, true};
    return {difference(*date, today) > range.oldest ? range.oldest : range.newest, false};
}

BarPosition rateBarPosition(std::string_view rateText) {
    const auto value = rateBarValue(rateText);
    if (!value) return {};
    const int held = std::clamp(*value, kRateBarLowest, kRateBarHighest);
    const bool exact = held == *value && parseNumber(rateBarText(held)) == parseNumber(rateText);
    return {held, exact};
}

} // namespace core

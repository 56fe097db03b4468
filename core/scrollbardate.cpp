// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scrollbardate.h"

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

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <ctime>

namespace Clock {

namespace {
std::optional<core::Date> fixedToday;
}

core::Date today() {
    if (fixedToday) return *fixedToday;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return core::Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void setTodayForTesting(std::optional<core::Date> fixed) {
    fixedToday = fixed;
}

} // namespace Clock

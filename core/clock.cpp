#include "core/clock.h"

#include <ctime>

namespace core {

namespace {
std::optional<Date> fixedToday;
}

Date today() {
    if (fixedToday) return *fixedToday;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void setTodayForTesting(std::optional<Date> fixed) {
    fixedToday = fixed;
}

} // namespace core

#pragma once
// Today's date: read from the system clock each time it is needed.
// Tests fix it with setTodayForTesting().

#include "core/date.h"

#include <optional>

namespace core {

Date today();
void setTodayForTesting(std::optional<Date> fixed);

} // namespace core

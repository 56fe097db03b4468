// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today's date: read from the system clock each time it is needed, never
// stored. Tests fix it with setTodayForTesting().

#include "core/date.h"

#include <optional>

namespace Clock {

core::Date today();
void setTodayForTesting(std::optional<core::Date> fixed);

} // namespace Clock

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one calculation of the program: its period list is shared by the Data
// window, the data files, the checks and the copy from the rate tables.

#include "core/periodlist.h"

namespace core {

PeriodList& periodi();

} // namespace core

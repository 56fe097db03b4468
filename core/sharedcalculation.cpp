// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sharedcalculation.h"

namespace core {

PeriodList& periodi() {
    static PeriodList list;
    return list;
}

} // namespace core

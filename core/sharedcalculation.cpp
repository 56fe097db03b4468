#include "core/sharedcalculation.h"

namespace core {

PeriodList& periodi() {
    static PeriodList list;
    return list;
}

} // namespace core

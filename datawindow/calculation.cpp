#include "datawindow/calculation.h"

core::PeriodList& periodi() {
    static core::PeriodList list;
    return list;
}

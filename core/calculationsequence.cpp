// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculationsequence.h"

namespace core {

void calcolaTipo(PeriodList& list, const PassInput& input, FinalSums& sums,
                 const CalculationHooks& hooks) {
    if (input.type != Both) {
        ricalcola(list, input, sums, hooks);
        return;
    }
    PassInput pass = input;
    pass.type = Simple;
    ricalcola(list, pass, sums, hooks);
    pass.type = Compound;
    ricalcola(list, pass, sums, hooks);
}

YearSplitOutcome scegliTipo(PeriodList& list, const PassInput& input, FinalSums& sums,
                            const CalculationHooks& hooks) {
    YearSplitOutcome split;
    if (input.type == Simple) {
        sums.capitalec.clear();
        sums.differ.clear();
    } else {
        split = dividianni(list);
    }
    if (hooks.passesStarting) hooks.passesStarting();
    calcolaTipo(list, input, sums, hooks);
    if (input.type == Compound) {
        sums.capitales.clear();
        sums.differ.clear();
    }
    return split;
}

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order in which a calculation runs. The Data window and the engine's
// tests both go through these two functions, so the worked examples test
// the sequence the user gets.

#include "core/interest.h"
#include "core/periodderivation.h"

namespace core {

// The passes of a type, as "&calcola" runs them: one pass for type 1 or 2;
// for type 3 a simple pass and then a compound pass, the type switched for
// each (the compound pass takes its difference against the simple sum the
// first pass has just written).
void calcolaTipo(PeriodList& list, const PassInput& input, FinalSums& sums,
                 const CalculationHooks& hooks = {});

// The choice of calculation type input.type: type 1 empties the compound sum
// and the difference; types 2 and 3 first split the periods at each
// 1 January. Then the passes of the type; type 2 then empties the simple sum
// and the difference, so only the sum of the chosen type is left. A split
// that has no room is refused (the list is left as it was and the passes run
// on it): the outcome says so for the window to tell the user.
YearSplitOutcome scegliTipo(PeriodList& list, const PassInput& input, FinalSums& sums,
                            const CalculationHooks& hooks = {});

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print command of the Data window: the calculation report.

#include <functional>

class Dati;

namespace CalculationPrint {

// Checks the data silently (a failed check has shown its message and
// nothing starts), shows "sto caricando WORD" in the guidance box and types
// the report into a new document. With both types the report's table is of
// simple interest: `chooseSimpleInterest` runs the choice of type 1 as
// Option1(1) would, leaving the buttons as they are.
void stampa(Dati& window, const std::function<void()>& chooseSimpleInterest);

} // namespace CalculationPrint

#pragma once
// The print command of the Data window: the calculation report.

class Dati;

namespace CalculationPrint {

// Checks the data silently (a failed check has shown its message and
// nothing starts), brings out-of-date results up to date, shows "sto
// caricando WORD" in the guidance box and types the report into a new
// document. With both types the report's table is of simple interest: type
// 1 runs for it, the option buttons left as they are.
void stampa(Dati& window);

} // namespace CalculationPrint

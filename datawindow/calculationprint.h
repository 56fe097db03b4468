// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print command of the Data window, the calculation report, and its
// export as PDF.

class Dati;

namespace CalculationPrint {

// Checks the data silently (a failed check has shown its message and
// nothing starts), brings out-of-date results up to date, shows "sto
// caricando WORD" in the guidance box and writes the report for the word
// processor, which opens it. When it cannot be written or opened, a message
// says so and the guidance box shows again what it showed before. With both
// types the report's table is of simple interest: type 1 runs for it, the
// option buttons left as they are.
void stampa(Dati& window);

// The same report as PDF, opened with the desktop's PDF viewer; the
// guidance box is left alone.
void esportaPdf(Dati& window);

} // namespace CalculationPrint

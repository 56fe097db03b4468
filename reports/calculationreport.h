// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed calculation report: the program's title, the capital and the
// reference, the final sums, and a table with one row per period, typed into
// a new document that becomes the newest (appword, docword, tabellaword).

#include "core/periodlist.h"

#include <QString>
#include <functional>

class WordDocument;

namespace CalculationReport {

// The calculation's header as the Data window shows it.
struct Heading {
    QString capital;     // capiniz
    QString reference;   // riferimento
    QString currency;    // moneta
    QString simpleSum;   // capitales
    QString compoundSum; // capitalec
    QString difference;  // differ
    int type = 1;        // tipocalcolo: 1 simple, 2 compound, 3 both
};

// Types the report. With both types the table shows simple interest only:
// `chooseSimpleInterest` runs once the final sums are typed, before
// "Calcolo a interessi semplici", and must leave the simple-interest results
// in `periods`, which is read only after it.
WordDocument* build(const Heading& heading, const core::PeriodList& periods,
                    const std::function<void()>& chooseSimpleInterest);

} // namespace CalculationReport

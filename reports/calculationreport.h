// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed calculation report: the program's title, the capital and the
// reference, the final sums, and a table with one row per period.

#include "core/interest.h"
#include "core/periodlist.h"
#include "reports/reportmodel.h"

#include <QString>

namespace CalculationReport {

// The calculation's header as the Data window shows it.
struct Heading {
    QString capital;     // capiniz
    QString reference;   // riferimento
    QString currency;    // moneta
    QString simpleSum;   // capitales
    QString compoundSum; // capitalec
    QString difference;  // differ
    core::CalculationType type = core::CalculationType::Simple;
};

// With both types the report gives the three final sums of the heading and
// then "Calcolo a interessi semplici": the caller has chosen simple interest
// after reading the heading, so `periods` hold its results.
Report::Document build(const Heading& heading, const core::PeriodList& periods);

} // namespace CalculationReport

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Data the report tests, the rendering test and the benchmark print.

#include "core/periodlist.h"
#include "reports/calculationreport.h"
#include "reports/ratetablereport.h"

namespace ReportFixtures {

// `n` periods starting on the first of consecutive months from 01/01/10,
// rates from 0,5 to 12, the last ending on the final date; simple interest
// on 10512,5.
core::PeriodList periods(int n);
// The header of such a calculation, the final sum taken from its last period.
CalculationReport::Heading heading(const core::PeriodList& periods);

// The official discount rates table: its two-line title and 98 rows.
RateTableReport::Table discountTable();

} // namespace ReportFixtures

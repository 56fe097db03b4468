// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Data the report tests and the rendering test print.

#include "reports/ratetablereport.h"
#include "reports/reportmodel.h"

namespace ReportFixtures {

// The report of `n` periods starting on the first of consecutive months
// from 01/01/10, rates from 0,5 to 12, the last ending on the final date;
// simple interest on `capital`.
Report::Document calculation(int n, const QString& capital = "10512,5",
                             const QString& currency = "euro");

// The official discount rates table: its two-line title and 98 rows.
RateTableReport::Table discountTable();

} // namespace ReportFixtures

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportfixtures.h"

#include "core/date.h"
#include "core/interest.h"
#include "core/numbertext.h"
#include "ratetable/presets.h"

namespace ReportFixtures {

core::PeriodList periods(int n) {
    core::PeriodList list;
    for (int k = 1; k <= n; ++k) {
        list.slot(k).start = core::dateText(core::Date{2010 + (k - 1) / 12, (k - 1) % 12 + 1, 1});
        list.slot(k).rate = core::numberText(0.5 + (k * 37 % 24) * 0.5);
    }
    list.contaperiodi();
    const std::string finalDate = core::dateText(core::addDays({2010 + n / 12, n % 12 + 1, 1}, -1));
    core::FinalSums sums;
    core::ricalcola(list, {1, "10512,5", finalDate}, sums);
    return list;
}

CalculationReport::Heading heading(const core::PeriodList& periods) {
    CalculationReport::Heading h;
    h.capital = "10512,5";
    h.reference = "Prestito Rossi";
    h.currency = "euro";
    h.simpleSum =
        QString::fromStdString(core::numberText(*periods.slot(periods.numperiodi).capital));
    return h;
}

RateTableReport::Table discountTable() {
    RateTableReport::Table table;
    table.title = QString::fromUtf8(Presets::kTitoloSconto) + "\r(" +
                  QString::fromUtf8(Presets::kNotaBce) + ")";
    for (const Presets::Row& row : Presets::kSconto) {
        table.dates << QString::fromUtf8(row.date);
        table.rates << QString::fromUtf8(row.rate);
    }
    table.rows = int(table.rates.size());
    return table;
}

} // namespace ReportFixtures

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportfixtures.h"

#include "core/date.h"
#include "core/interest.h"
#include "core/numbertext.h"
#include "core/presets.h"
#include "reports/calculationreport.h"

namespace ReportFixtures {

Report::Document calculation(int n, const QString& capital, const QString& currency) {
    core::PeriodList list;
    for (int k = 1; k <= n; ++k) {
        list.slot(k).start = core::dateText(core::Date{2010 + (k - 1) / 12, (k - 1) % 12 + 1, 1});
        list.slot(k).rate = core::numberText(0.5 + (k * 37 % 24) * 0.5);
    }
    list.contaperiodi();
    const std::string finalDate = core::dateText(core::addDays({2010 + n / 12, n % 12 + 1, 1}, -1));
    core::FinalSums sums;
    core::ricalcola(list, {core::CalculationType::Simple, capital.toStdString(), finalDate}, sums);

    CalculationReport::Heading h;
    h.capital = capital;
    h.reference = "Prestito Rossi";
    h.currency = currency;
    h.simpleSum = QString::fromStdString(core::numberText(*list.slot(n).capital));
    return CalculationReport::build(h, list);
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

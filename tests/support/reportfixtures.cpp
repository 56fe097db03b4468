#include "reportfixtures.h"

#include "core/date.h"
#include "core/interest.h"
#include "core/numbertext.h"

namespace ReportFixtures {

namespace {

const char* const kDiscountRows[] = {
    "01/01/58=4,00",  "7/06/58=3,50",   "14/08/69=4,00",  "09/03/70=5,50",  "05/04/71=5,00",
    "14/10/71=4,50",  "10/04/72=4,00",  "17/09/73=6,50",  "20/03/74=9,00",  "27/12/74=8,00",
    "28/05/75=7,00",  "15/09/75=6,00",  "02/02/76=7,00",  "25/02/76=8,00",  "18/03/76=12,00",
    "04/10/76=15,00", "13/06/77=13,00", "29/08/77=11,50", "04/09/78=10,50", "08/10/79=12,00",
    "06/12/79=15,00", "29/09/80=16,50", "23/03/81=19,00", "25/08/82=18,00", "11/04/83=17,00",
    "16/02/84=16,00", "07/05/84=15,50", "04/09/84=16,50", "04/01/85=15,50", "08/11/85=15,00",
    "22/03/86=14,00", "25/04/86=13,00", "27/05/86=12,00", "14/03/87=11,50", "28/08/87=12,00",
    "26/08/88=12,50", "06/03/89=13,50", "21/05/90=12,50", "13/05/91=11,50", "23/12/91=12,00",
    "06/07/92=13,00", "17/07/92=13,75", "04/09/92=15,00", "26/10/92=14,00", "13/11/92=13,00",
    "23/12/92=12,00", "04/02/93=11,50", "23/04/93=11,00", "21/05/93=10,50", "14/06/93=10,00",
    "06/07/93=9,00",  "10/09/93=8,50",  "22/10/93=8,00",  "18/02/94=7,50",  "12/05/94=7,00",
    "12/08/94=7,50",  "22/02/95=8,25",  "29/05/95=9,00",  "24/07/96=8,25",  "24/10/96=7,50",
    "21/01/97=6,75",  "30/06/97=6,25",  "24/12/97=5,50",  "22/04/98=5,00",  "27/10/98=4,00",
    "04/12/98=3,50",  "28/12/98=3,00",  "14/04/99=2,50",  "10/11/99=3,00",  "09/02/00=3,25",
    "22/03/00=3,50",  "04/05/00=3,75",  "15/06/00=4,25",  "06/09/00=4,50",  "11/10/00=4,75",
    "15/05/01=4,50",  "05/09/01=4,25",  "19/09/01=3,75",  "14/11/01=3,25",  "11/12/02=2,75",
    "12/03/03=2,50",  "09/06/03=2,00",  "06/12/05=2,25",  "08/03/06=2,50",  "15/06/06=2,75",
    "09/08/06=3,00",  "11/10/06=3,25",  "13/12/06=3,50",  "14/03/07=3,75",  "13/06/07=4,00",
    "09/07/08=4,25",  "15/10/08=3,75",  "12/11/08=3,25",  "10/12/08=2,50",  "21/01/09=2,00",
    "11/03/09=1,50",  "08/04/09=1,25",  "13/05/09=1,00",
};

std::string finalDateAfter(int n) {
    core::Date last{2010 + n / 12, n % 12 + 1, 1};
    return core::dateText(core::addDays(last, -1));
}

} // namespace

core::PeriodList periods(int n, const QString& capital, int type) {
    core::PeriodList list;
    for (int k = 1; k <= n; ++k) {
        const int month = k - 1;
        list.slot(k).start = core::dateText(core::Date{2010 + month / 12, month % 12 + 1, 1});
        list.slot(k).rate = core::numberText(0.5 + (k * 37 % 24) * 0.5);
    }
    list.contaperiodi();
    core::FinalSums sums;
    core::ricalcola(list, {type, capital.toStdString(), finalDateAfter(n)}, sums);
    return list;
}

CalculationReport::Heading heading(const core::PeriodList& periods, int type,
                                   const QString& capital) {
    CalculationReport::Heading h;
    h.capital = capital;
    h.reference = "Prestito Rossi";
    h.currency = "euro";
    h.type = type;
    const auto& last = periods.slot(periods.numperiodi).capital;
    const QString sum = last ? QString::fromStdString(core::numberText(*last)) : QString();
    (type == 2 ? h.compoundSum : h.simpleSum) = sum;
    return h;
}

RateTableReport::Table discountTable() {
    RateTableReport::Table table;
    table.title = "Tabella dei tassi ufficiali di sconto della Banca d'Italia\r"
                  "(Dal 2004 il TUS è sostituito dal tasso di riferimento della BCE)";
    for (const char* row : kDiscountRows) {
        const QString text = QString::fromUtf8(row);
        table.dates << text.section('=', 0, 0);
        table.rates << text.section('=', 1);
    }
    table.rows = int(table.rates.size());
    return table;
}

} // namespace ReportFixtures

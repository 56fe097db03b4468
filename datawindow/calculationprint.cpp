#include "datawindow/calculationprint.h"

#include "datawindow/dati.h"
#include "reports/calculationreport.h"

namespace CalculationPrint {

namespace {

CalculationReport::Heading headingOf(const core::Calculation& calculation,
                                     const QString& currency) {
    CalculationReport::Heading heading;
    heading.capital = QString::fromStdString(calculation.capital());
    heading.reference = QString::fromStdString(calculation.reference());
    heading.currency = currency;
    heading.simpleSum = QString::fromStdString(calculation.sums().capitales);
    heading.compoundSum = QString::fromStdString(calculation.sums().capitalec);
    heading.difference = QString::fromStdString(calculation.sums().differ);
    heading.type = static_cast<int>(calculation.type());
    return heading;
}

} // namespace

void stampa(Dati& window) {
    if (!window.controlla(DataCheck::Mode::Silent)) return;
    // Results marked out of date would go on paper beside dates and rates
    // they do not belong to: bring them up to date first (nothing happens
    // when they are current).
    window.calcola();
    window.showGuidance(core::Guidance::LoadingDocument);
    const core::Calculation& calculation = window.calculation();
    CalculationReport::build(headingOf(calculation, QString::fromStdString(calculation.currency())),
                             calculation.periods(), [&] {
                                 window.calcolaSemplice();
                                 // The passes of the choice put the guidance back: the box still
                                 // says what is under way.
                                 window.showGuidance(core::Guidance::LoadingDocument);
                             });
}

} // namespace CalculationPrint

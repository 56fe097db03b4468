// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/calculationprint.h"

#include "datawindow/dati.h"
#include "platform/stringconversion.h"
#include "reports/calculationreport.h"
#include "reports/documentviewer.h"

#include <QPointer>
#include <functional>
#include <optional>

namespace CalculationPrint {

namespace {

CalculationReport::Heading headingOf(const core::Calculation& calculation) {
    CalculationReport::Heading heading;
    heading.capital = toQt(calculation.capital());
    heading.reference = toQt(calculation.reference());
    heading.currency = toQt(calculation.currency());
    heading.simpleSum = toQt(calculation.sums().capitales);
    heading.compoundSum = toQt(calculation.sums().capitalec);
    heading.difference = toQt(calculation.sums().differ);
    heading.type = calculation.type();
    return heading;
}

// The report of the window's calculation, or nothing when the check fails.
// Results marked out of date would go on paper beside dates and rates they
// do not belong to: they are brought up to date first (nothing happens when
// they are current). The final sums are read before simple interest is
// chosen for the table of both types.
std::optional<Report::Document> report(Dati& window, const std::function<void()>& beforeBuilding) {
    if (!window.checkData(DataCheck::Mode::Silent)) return std::nullopt;
    window.updateStaleResults();
    if (beforeBuilding) beforeBuilding();
    const CalculationReport::Heading heading = headingOf(window.calculation());
    if (heading.type == core::CalculationType::Both) {
        window.computeSimpleInterest();
        // The passes of the choice put the guidance back: the box is set
        // again so that it still says what is under way.
        if (beforeBuilding) beforeBuilding();
    }
    return CalculationReport::build(heading, window.calculation().periods());
}

} // namespace

void stampa(Dati& window) {
    std::optional<core::Guidance> before;
    const auto showLoading = [&] {
        if (!before) before = window.calculation().guidance();
        window.showGuidance(core::Guidance::LoadingDocument);
    };
    const std::optional<Report::Document> document = report(window, showLoading);
    if (!document) return;
    // A document that could not be opened leaves the box as it was.
    QPointer<Dati> still(&window);
    DocumentViewer::show(*document, DocumentViewer::Format::Text,
                         [still, shown = before.value_or(core::Guidance::Proceed)] {
                             if (still &&
                                 still->calculation().guidance() == core::Guidance::LoadingDocument)
                                 still->showGuidance(shown);
                         });
}

void esportaPdf(Dati& window) {
    if (const std::optional<Report::Document> document = report(window, {}))
        DocumentViewer::show(*document, DocumentViewer::Format::Pdf);
}

} // namespace CalculationPrint

#include "datawindow/calculationprint.h"

#include "core/sharedcalculation.h"
#include "datawindow/dati.h"
#include "platform/captionlabel.h"
#include "reports/calculationreport.h"
#include "reports/documentviewer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

namespace CalculationPrint {

namespace {

const QString kLoading = QStringLiteral("sto caricando WORD");

// The window's controls, by their names.
template <typename T> T* control(Dati& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

QString caption(Dati& window, const char* name) {
    const auto* label = control<CaptionLabel>(window, name);
    return label ? label->caption() : QString();
}

CalculationReport::Heading headingOf(Dati& window) {
    CalculationReport::Heading heading;
    heading.capital = window.capinizText();
    if (const auto* riferimento = control<QLineEdit>(window, "riferimento"))
        heading.reference = riferimento->text();
    if (const auto* moneta = control<QComboBox>(window, "moneta"))
        heading.currency = moneta->currentText();
    heading.simpleSum = caption(window, "capitales");
    heading.compoundSum = caption(window, "capitalec");
    heading.difference = caption(window, "differ");
    heading.type = window.tipocalcolo();
    return heading;
}

// The report of the window's calculation, or nothing when the check fails.
// Results marked out of date would go on paper beside dates and rates they
// do not belong to: they are brought up to date first (nothing happens when
// they are current). The final sums are read before simple interest is
// chosen for the table of both types.
std::optional<Report::Document> report(Dati& window, const std::function<void()>& beforeBuilding,
                                       const std::function<void()>& chooseSimpleInterest) {
    if (!window.controlla(DataCheck::Mode::Silent)) return std::nullopt;
    window.calcola();
    if (beforeBuilding) beforeBuilding();
    const CalculationReport::Heading heading = headingOf(window);
    if (heading.type == 3) {
        chooseSimpleInterest();
        if (beforeBuilding) beforeBuilding();
    }
    return CalculationReport::build(heading, core::periodi());
}

} // namespace

void stampa(Dati& window, const std::function<void()>& chooseSimpleInterest) {
    QPointer<CaptionLabel> passo = control<CaptionLabel>(window, "passo");
    std::optional<QString> before;
    // The passes of the choice of simple interest put the guidance back: the
    // box is set again so that it still says what is under way.
    const auto showLoading = [&] {
        if (!passo) return;
        if (!before) before = passo->caption();
        passo->setCaption(kLoading);
    };
    const std::optional<Report::Document> document =
        report(window, showLoading, chooseSimpleInterest);
    if (!document) return;
    DocumentViewer::show(*document, DocumentViewer::Format::Text,
                         [passo, before = before.value_or(QString())] {
                             if (passo && passo->caption() == kLoading) passo->setCaption(before);
                         });
}

void esportaPdf(Dati& window, const std::function<void()>& chooseSimpleInterest) {
    if (const std::optional<Report::Document> document = report(window, {}, chooseSimpleInterest))
        DocumentViewer::show(*document, DocumentViewer::Format::Pdf);
}

} // namespace CalculationPrint

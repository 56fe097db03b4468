// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/calculationprint.h"

#include "core/sharedcalculation.h"
#include "datawindow/dati.h"
#include "platform/captionlabel.h"
#include "reports/calculationreport.h"

#include <QComboBox>
#include <QLineEdit>

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

void showLoading(Dati& window) {
    if (auto* passo = control<CaptionLabel>(window, "passo")) passo->setCaption(kLoading);
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

} // namespace

void stampa(Dati& window, const std::function<void()>& chooseSimpleInterest) {
    if (!window.controlla(DataCheck::Mode::Silent)) return;
    // Results marked out of date would go on paper beside dates and rates
    // they do not belong to: bring them up to date first (nothing happens
    // when they are current).
    window.calcola();
    showLoading(window);
    CalculationReport::build(headingOf(window), core::periodi(), [&] {
        chooseSimpleInterest();
        // The passes of the choice put the guidance back: the box still
        // says what is under way.
        showLoading(window);
    });
}

} // namespace CalculationPrint

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/calculationreport.h"

#include "core/numbertext.h"
#include "reports/reportdocument.h"
#include "reports/wordprocessor.h"

#include <QStringList>

namespace {

const QChar kCr(13);

QString formatted(const QString& text, core::NumberPattern pattern) {
    return QString::fromStdString(core::formatNumberText(text.toStdString(), pattern));
}

QString grouped(const QString& text) {
    return formatted(text, core::NumberPattern::Grouped);
}

QString grouped(const std::optional<double>& value) {
    return value ? QString::fromStdString(core::formatNumber(*value, core::NumberPattern::Grouped))
                 : QString();
}

// One line for one type, currency before the amount; three lines for both,
// currency after. The blanks after each caption are part of it.
QString finalSums(const CalculationReport::Heading& h) {
    const QString c = h.currency;
    if (h.type == 3)
        return "Somma finale a interessi semplici:   " + grouped(h.simpleSum) + "  " + c + kCr +
               "Somma finale a interessi composti:  " + grouped(h.compoundSum) + "  " + c + kCr +
               "Differenza tra i due tipi di calcolo:  " + grouped(h.difference) + "  " + c + kCr;
    if (h.type == 2)
        return "Somma finale a interessi composti:  " + c + "  " + grouped(h.compoundSum) + kCr;
    return "Somma finale a interessi semplici:  " + c + "  " + grouped(h.simpleSum) + kCr;
}

void fillTable(WordTable& table, const QString& currency, const core::PeriodList& periods) {
    const QStringList headings[] = {
        {QString(), "dal", "al", "tasso", "giorni", "interessi", "tot.interessi", "capitale"},
        {"n.", "gg/mm/aa", "gg/mm/aa", "%", "num.", currency, currency, currency},
    };
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 8; ++column)
            table.setCellText(row, column, headings[row - 1].at(column - 1));
    for (int i = 1; i <= periods.numperiodi; ++i) {
        const core::PeriodSlot& p = periods.slot(i);
        const QString cells[] = {
            ReportDocument::numberWithSign(i),
            QString::fromStdString(p.start),
            QString::fromStdString(p.end),
            formatted(QString::fromStdString(p.rate), core::NumberPattern::Plain),
            p.days ? QString::number(*p.days) : QString(),
            grouped(p.interest),
            grouped(p.total),
            grouped(p.capital),
        };
        for (int column = 1; column <= 8; ++column)
            table.setCellText(i + 2, column, cells[column - 1]);
    }
}

} // namespace

namespace CalculationReport {

WordDocument* build(const Heading& heading, const core::PeriodList& periods,
                    const std::function<void()>& chooseSimpleInterest) {
    WordDocument* document = ReportDocument::start("calcolo-" + heading.reference);
    WordSelection* selection = document->Selection();
    ReportDocument::typeTitle(*selection);
    selection->setFontSize(12);
    selection->TypeText("Capitale iniziale: " + grouped(heading.capital) + kCr);
    selection->TypeText("Riferimenti del calcolo: " + heading.reference + kCr);
    selection->TypeText(finalSums(heading) + kCr);
    if (heading.type == 3) {
        if (chooseSimpleInterest) chooseSimpleInterest();
        selection->TypeText("Calcolo a interessi semplici" + QString(kCr) + kCr);
    }

    const ReportDocument::SingleEdit edit(*document);
    WordTable* table = ReportDocument::addTable(*document, periods.numperiodi + 2, 8, 10);
    fillTable(*table, heading.currency, periods);
    ReportDocument::finishTable(*document, *table, 4);
    return document;
}

} // namespace CalculationReport

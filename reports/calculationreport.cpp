// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/calculationreport.h"

#include "core/numbertext.h"
#include "reports/reportdocument.h"

using ReportDocument::line;

namespace {

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
QStringList finalSums(const CalculationReport::Heading& h) {
    const QString c = h.currency;
    if (h.type == core::CalculationType::Both)
        return {"Somma finale a interessi semplici:   " + grouped(h.simpleSum) + "  " + c,
                "Somma finale a interessi composti:  " + grouped(h.compoundSum) + "  " + c,
                "Differenza tra i due tipi di calcolo:  " + grouped(h.difference) + "  " + c};
    if (h.type == core::CalculationType::Compound)
        return {"Somma finale a interessi composti:  " + c + "  " + grouped(h.compoundSum)};
    return {"Somma finale a interessi semplici:  " + c + "  " + grouped(h.simpleSum)};
}

Report::Table periodTable(const QString& currency, const core::PeriodList& periods) {
    using Report::Role;
    Report::Table table = ReportDocument::table(
        {Role::Text, Role::Date, Role::Date, Role::Rate, Role::Number, Role::Number, Role::Number,
         Role::Number},
        10,
        {{QString(), "dal", "al", "tasso", "giorni", "interessi", "tot.interessi", "capitale"},
         {"n.", "gg/mm/aa", "gg/mm/aa", "%", "num.", currency, currency, currency}});
    table.rows.reserve(periods.numperiodi + 2);
    for (int i = 1; i <= periods.numperiodi; ++i) {
        const core::PeriodSlot& p = periods.slot(i);
        table.rows.append({
            ReportDocument::numberWithSign(i),
            QString::fromStdString(p.start),
            QString::fromStdString(p.end),
            formatted(QString::fromStdString(p.rate), core::NumberPattern::Plain),
            p.days ? QString::number(*p.days) : QString(),
            grouped(p.interest),
            grouped(p.total),
            grouped(p.capital),
        });
    }
    return table;
}

} // namespace

namespace CalculationReport {

Report::Document build(const Heading& heading, const core::PeriodList& periods) {
    Report::Document document;
    document.description = "calcolo-" + heading.reference;
    QList<Report::Paragraph>& p = document.paragraphs;
    p = ReportDocument::title();
    const Report::Paragraph text = line({}, 12);
    p << Report::paragraphs("Capitale iniziale: " + grouped(heading.capital), text);
    p << Report::paragraphs("Riferimenti del calcolo: " + heading.reference, text);
    for (const QString& sum : finalSums(heading))
        p << Report::paragraphs(sum, text);
    p << text;
    if (heading.type == core::CalculationType::Both)
        p << line("Calcolo a interessi semplici", 12) << text;
    p << text;
    document.table = periodTable(heading.currency, periods);
    document.after = {text};
    return document;
}

} // namespace CalculationReport

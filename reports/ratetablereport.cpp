// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ratetablereport.h"

#include "core/date.h"
#include "core/numbertext.h"
#include "reports/reportdocument.h"

#include <QFileInfo>
#include <algorithm>

namespace {

constexpr int kMaxRows = 200;

// What the file name says: the table's first title line, or the name of the
// table file whose path the title shows.
QString description(const QString& title) {
    const QString firstLine = title.section(QChar(13), 0, 0).section(QChar(10), 0, 0);
    const QFileInfo file(firstLine);
    return "tabella-" + (file.isAbsolute() ? file.completeBaseName() : firstLine);
}

} // namespace

namespace RateTableReport {

QString endDate(const QStringList& dates, int row) {
    if (row < 1 || row >= kMaxRows) return {};
    const auto end = core::dayBeforeText(dates.value(row).toStdString());
    return end ? QString::fromStdString(*end) : QString();
}

Report::Document build(const Table& table) {
    using Report::Role;
    const int rows = std::clamp(table.rows, 0, kMaxRows);
    Report::Document document;
    document.description = description(table.title);
    document.paragraphs = ReportDocument::title();
    const Report::Paragraph text = ReportDocument::line({}, 12);
    document.paragraphs << Report::paragraphs(table.title, text) << text;

    Report::Table printed = ReportDocument::table(
        {Role::Text, Role::Date, Role::Date, Role::Rate}, 12,
        {{QString(), "dal", "al", "tasso"}, {"n.", "gg/mm/aa", "gg/mm/aa", "%"}});
    printed.rows.reserve(rows + 2);
    for (int i = 1; i <= rows; ++i)
        printed.rows.append(
            {ReportDocument::numberWithSign(i), table.dates.value(i - 1), endDate(table.dates, i),
             QString::fromStdString(core::formatNumberText(table.rates.value(i - 1).toStdString(),
                                                           core::NumberPattern::Plain))});
    document.table = printed;
    document.after = {text};
    return document;
}

} // namespace RateTableReport

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ratetablereport.h"

#include "core/date.h"
#include "core/numbertext.h"
#include "reports/reportdocument.h"
#include "reports/wordprocessor.h"

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

WordDocument* build(const Table& table) {
    const int rows = std::clamp(table.rows, 0, kMaxRows);
    WordDocument* document = ReportDocument::start(description(table.title));
    WordSelection* selection = document->Selection();
    ReportDocument::typeTitle(*selection);
    selection->setFontSize(12);
    selection->TypeText(table.title + QChar(13));

    const ReportDocument::SingleEdit edit(*document);
    WordTable* wordTable = ReportDocument::addTable(*document, rows + 2, 4, 12);
    const QStringList headings[] = {{QString(), "dal", "al", "tasso"},
                                    {"n.", "gg/mm/aa", "gg/mm/aa", "%"}};
    for (int row = 1; row <= 2; ++row)
        for (int column = 1; column <= 4; ++column)
            wordTable->setCellText(row, column, headings[row - 1].at(column - 1));
    for (int i = 1; i <= rows; ++i) {
        wordTable->setCellText(i + 2, 1, ReportDocument::numberWithSign(i));
        wordTable->setCellText(i + 2, 2, table.dates.value(i - 1));
        wordTable->setCellText(i + 2, 3, endDate(table.dates, i));
        wordTable->setCellText(
            i + 2, 4,
            QString::fromStdString(core::formatNumberText(table.rates.value(i - 1).toStdString(),
                                                          core::NumberPattern::Plain)));
    }
    ReportDocument::finishTable(*document, *wordTable, 4);
    return document;
}

} // namespace RateTableReport

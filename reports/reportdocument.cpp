// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/reportdocument.h"

namespace ReportDocument {

Report::Paragraph line(const QString& text, double size) {
    Report::Paragraph p;
    p.text = text;
    p.size = size;
    return p;
}

QList<Report::Paragraph> title() {
    return {line(QStringLiteral("FENOVERRA"), 18),
            line(QStringLiteral("(calcolo di interessi semplici e composti)"), 16), line({}, 16)};
}

Report::Table table(const QList<Report::Role>& columns, double size,
                    const QList<QStringList>& headings) {
    Report::Table t;
    t.columns = columns;
    t.size = size;
    t.rows = headings;
    t.headingRows = int(headings.size());
    return t;
}

QString numberWithSign(int n) {
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n);
}

} // namespace ReportDocument

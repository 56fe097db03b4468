// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/reportmodel.h"

#include <QRegularExpression>

namespace Report {

Align alignment(Role role) {
    return role == Role::Rate || role == Role::Number ? Align::Right : Align::Left;
}

QList<Paragraph> paragraphs(const QString& text, const Paragraph& look) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QList<Paragraph> result;
    for (const QString& line : text.split(lineEnd)) {
        Paragraph p = look;
        p.text = line;
        p.newPage = look.newPage && result.isEmpty();
        result.append(p);
    }
    return result;
}

} // namespace Report

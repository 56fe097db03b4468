// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Period lists written as "01/01/01=10;01/07/01=5": start date = rate, one per period.

#include "core/periodlist.h"

#include <QString>
#include <QStringList>

inline core::PeriodList listOf(const QString& periods) {
    core::PeriodList list;
    int k = 0;
    for (const QString& p : periods.split(';', Qt::SkipEmptyParts)) {
        const auto parts = p.split('=');
        ++k;
        list.slot(k).start = parts[0].toStdString();
        list.slot(k).rate = parts.value(1).toStdString();
    }
    list.contaperiodi();
    return list;
}

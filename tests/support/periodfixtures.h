// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Periods, and the rows of a rate table, as every test writes them: their
// start-date and rate texts, in order. An empty text is one not given.
//
//   Periods{{"01/01/01", "10"}, {"01/07/01", "5"}, {"01/01/02", ""}}

#include "core/periodlist.h"

#include <QList>
#include <QPair>
#include <QString>

using Periods = QList<QPair<QString, QString>>;

// The periods written into slots 1.. of a new list, counted.
inline core::PeriodList listOf(const Periods& periods) {
    core::PeriodList list;
    int k = 0;
    for (const auto& [start, rate] : periods) {
        ++k;
        list.slot(k).start = start.toStdString();
        list.slot(k).rate = rate.toStdString();
    }
    list.contaperiodi();
    return list;
}

// Slots 1..last of the list.
inline Periods periodsIn(const core::PeriodList& list, int last) {
    Periods periods;
    for (int k = 1; k <= last; ++k)
        periods.append({QString::fromStdString(list.slot(k).start),
                        QString::fromStdString(list.slot(k).rate)});
    return periods;
}

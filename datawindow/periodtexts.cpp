// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/periodtexts.h"

#include "core/numbertext.h"

#include <algorithm>

namespace {

QString numberOrEmpty(const std::optional<double>& v) {
    return v ? QString::fromStdString(core::numberText(*v)) : QString();
}

} // namespace

const PeriodTexts::Texts& PeriodTexts::of(const core::PeriodList& list, int k) {
    Entry& e = entries_[static_cast<std::size_t>(std::clamp(k, 0, core::kMaxPeriods + 1))];
    const core::PeriodSlot& slot = list.slot(k);
    Texts& t = e.texts;
    const bool fresh = !e.filled;
    if (fresh) {
        e.filled = true;
        t.number = QString::number(k);
        t.insertTip = "cliccare per inserire una riga al n. " + t.number;
        t.deleteTip = "cliccare per eliminare la riga n. " + t.number;
    }
    if (fresh || e.start != slot.start) {
        e.start = slot.start;
        t.start = QString::fromStdString(slot.start);
        t.startDate = core::parseDate(slot.start);
    }
    if (fresh || e.end != slot.end) {
        e.end = slot.end;
        t.end = QString::fromStdString(slot.end);
    }
    if (fresh || e.rate != slot.rate) {
        e.rate = slot.rate;
        t.rate = QString::fromStdString(slot.rate);
        t.rateBar = rateBarPosition(slot.rate);
    }
    if (fresh || e.days != slot.days) {
        e.days = slot.days;
        t.days = slot.days ? QString::number(*slot.days) : QString();
    }
    if (fresh || e.interest != slot.interest) {
        e.interest = slot.interest;
        t.interest = numberOrEmpty(slot.interest);
    }
    if (fresh || e.total != slot.total) {
        e.total = slot.total;
        t.total = numberOrEmpty(slot.total);
    }
    if (fresh || e.capital != slot.capital) {
        e.capital = slot.capital;
        t.capital = numberOrEmpty(slot.capital);
    }
    return t;
}

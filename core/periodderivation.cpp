// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/periodderivation.h"

#include "core/date.h"

#include <vector>

namespace core {

std::optional<long> daysOfPeriod(const PeriodList& list, int k) {
    const auto start = parseDate(list.slot(k).start);
    const auto end = parseDate(list.slot(k).end);
    if (!start || !end) return std::nullopt;
    // The first day of period 1 is not counted; every later day once.
    return difference(*start, *end) + (k >= 2 ? 1 : 0);
}

void deriveEndAndDays(PeriodList& list, int k, const std::string& finalDateText) {
    if (k < 1 || k > kMaxPeriods) return;
    if (const auto& next = list.start(k + 1); !next.empty()) {
        if (auto end = dayBeforeText(next)) list.slot(k).end = *end;
    }
    if (list.numperiodi >= 1) list.slot(list.numperiodi).end = finalDateText;
    auto& s = list.slot(k);
    if (s.start.empty() || s.end.empty()) return; // left as they are
    s.days = daysOfPeriod(list, k);
}

namespace {

// Opens slot p of the working copy for a new period: the slots above move up
// as far as the first one that can take the shift; when every slot from p
// on holds a period, the copy grows past 200 (and the split is refused).
void openSlot(std::vector<PeriodSlot>& slots, int p) {
    const auto at = [&](int k) { return slots.begin() + k; };
    if (const int end = shiftEnd(slots, p); end >= 0) slots.erase(at(end));
    slots.insert(at(p), PeriodSlot{});
}

// One split over start dates and rates (1-based, slot 0 unused); returns how
// many periods it added.
int splitAtYearStarts(std::vector<PeriodSlot>& slots, int n) {
    auto startAt = [&](int k) -> const std::string& {
        static const std::string empty;
        return k < static_cast<int>(slots.size()) ? slots[k].start : empty;
    };
    int added_total = 0;
    int i = 1;
    do {
        int added = 0;
        if (startAt(i + 1).empty()) break;
        const auto current = parseDate(startAt(i));
        const auto next = parseDate(startAt(i + 1));
        if (current && next && next->year > current->year) {
            Date d{current->year + 1, 1, 1};
            for (int j = 1; j <= next->year - current->year; ++j) {
                if (j > 1) d = addYear(d);
                const auto there = parseDate(startAt(i + j));
                if (!there || difference(*there, d) != 0) {
                    ++n;
                    ++added;
                    openSlot(slots, i + j);
                    slots[i + j].start = dateText(d);
                    slots[i + j].rate = slots[i + j - 1].rate;
                }
            }
        }
        added_total += added;
        i = i + added + 1;
    } while (i < n);
    return added_total;
}

} // namespace

YearSplitOutcome dividianni(PeriodList& list) {
    const int n = list.numperiodi;
    std::vector<PeriodSlot> slots(static_cast<std::size_t>(kMaxPeriods + 1));
    for (int k = 1; k <= kMaxPeriods; ++k) {
        slots[k].start = list.slot(k).start;
        slots[k].rate = list.slot(k).rate;
    }
    YearSplitOutcome out;
    out.inserted = splitAtYearStarts(slots, n);
    out.needed = n + out.inserted;
    // Only periods count: a start date alone gave way before the list grew.
    for (std::size_t k = kMaxPeriods + 1; k < slots.size(); ++k) {
        if (!slots[k].rate.empty()) {
            out.refused = true;
            out.inserted = 0;
            return out;
        }
    }
    for (int k = 1; k <= kMaxPeriods; ++k) {
        list.slot(k).start = slots[k].start;
        list.slot(k).rate = slots[k].rate;
    }
    list.contaperiodi();
    return out;
}

} // namespace core

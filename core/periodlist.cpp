// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/periodlist.h"

#include <algorithm>

namespace core {

const PeriodSlot& PeriodList::emptySlot() {
    static const PeriodSlot empty{};
    return empty;
}

PeriodSlot& PeriodList::scratchSlot() {
    scratch_ = PeriodSlot{};
    return scratch_;
}

void PeriodList::contaperiodi() {
    numperiodi = 0;
    for (int k = 1; k <= kMaxPeriods; ++k)
        if (!slots_[k].rate.empty()) ++numperiodi;
}

int PeriodList::lastUsedSlot() const {
    for (int k = kMaxPeriods; k >= 1; --k)
        if (!slots_[k].start.empty() || !slots_[k].rate.empty()) return k;
    return 0;
}

namespace {

bool holdsNothing(const PeriodSlot& s) {
    return s.start.empty() && s.rate.empty();
}

} // namespace

int shiftEnd(std::span<const PeriodSlot> slots, int from) {
    const int size = static_cast<int>(slots.size());
    for (int m = std::max(from, 1); m < size; ++m)
        if (holdsNothing(slots[m])) return m;
    for (int m = std::max(from, 1); m < size; ++m)
        if (slots[m].rate.empty()) return m;
    return -1;
}

// Only 200 periods fill the list. Slots above the last period may hold a
// start date still waiting for its rate, or a period entered far down: the
// shift moves them up only as far as it must, so nothing the user entered is
// overwritten (a lone start date gives way only when nothing else can).
InsertOutcome PeriodList::insert(int k) {
    if (numperiodi >= kMaxPeriods) return InsertOutcome::ListFull;
    if (k < 1 || k > kMaxPeriods || holdsNothing(slots_[k])) return InsertOutcome::NothingThere;
    const int end = shiftEnd(std::span(slots_).first(kMaxPeriods + 1), k + 1);
    if (end < 0) return InsertOutcome::NothingThere;
    for (int m = end; m > k; --m) {
        slots_[m].start = slots_[m - 1].start;
        slots_[m].rate = slots_[m - 1].rate;
    }
    contaperiodi();
    return InsertOutcome::Inserted;
}

bool PeriodList::remove(int k) {
    if (k < 1 || k > kMaxPeriods) return false;
    if (slots_[k].start.empty() || slots_[k].rate.empty()) return false;
    int top = k;
    while (top < kMaxPeriods && !holdsNothing(slots_[top + 1]))
        ++top;
    for (int m = k; m < top; ++m) {
        slots_[m].start = slots_[m + 1].start;
        slots_[m].end = slots_[m + 1].end;
        slots_[m].rate = slots_[m + 1].rate;
        // Days and results stay in their slots until derived again, but a
        // slot left without a rate has nothing to show beside its date.
        if (slots_[m].rate.empty()) {
            slots_[m].days.reset();
            slots_[m].clearResults();
        }
    }
    slots_[top].clear();
    contaperiodi();
    return true;
}

void PeriodList::clear() {
    for (auto& s : slots_)
        s.clear();
    numperiodi = 0;
}

} // namespace core

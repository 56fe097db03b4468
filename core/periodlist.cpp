#include "core/periodlist.h"

#include <algorithm>

namespace core {

const PeriodSlot& PeriodList::slot(int k) const {
    static const PeriodSlot empty{};
    if (k < 0 || k > kMaxPeriods) return empty; // slot 201 is always empty
    return slots_[static_cast<std::size_t>(k)];
}

PeriodSlot& PeriodList::slot(int k) {
    if (k < 1 || k > kMaxPeriods) {
        scratch_ = PeriodSlot{};
        return scratch_;
    }
    return slots_[static_cast<std::size_t>(k)];
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

// Slots above the last period may hold a start date still waiting for its rate;
// they move up too, so nothing the user entered is overwritten.
// A start date alone in slot 200 can never become a period and gives way.
InsertOutcome PeriodList::insert(int k) {
    if (numperiodi >= kMaxPeriods || !slots_[kMaxPeriods].rate.empty())
        return InsertOutcome::ListFull;
    const int top = std::min(std::max(numperiodi, lastUsedSlot()), kMaxPeriods - 1);
    if (k < 1 || k > top) return InsertOutcome::NothingThere;
    for (int m = top; m >= k; --m) {
        slots_[m + 1].start = slots_[m].start;
        slots_[m + 1].rate = slots_[m].rate;
    }
    contaperiodi();
    return InsertOutcome::Inserted;
}

bool PeriodList::remove(int k) {
    if (k < 1 || k > kMaxPeriods) return false;
    if (slots_[k].start.empty() || slots_[k].rate.empty()) return false;
    const int top = std::max(numperiodi, lastUsedSlot());
    for (int m = k; m < top; ++m) {
        slots_[m].start = slots_[m + 1].start;
        slots_[m].end = slots_[m + 1].end;
        slots_[m].rate = slots_[m + 1].rate;
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one calculation's list of periods: 200 slots, period k in slot k.
//
// Slot 0 holds no period (its numbers read as empty = 0); the start date of
// slot 201 is always empty so that "the next start" of period 200 reads empty.
// Texts are kept exactly as shown on screen; numbers are parsed where used.

#include <array>
#include <optional>
#include <span>
#include <string>

namespace core {

inline constexpr int kMaxPeriods = 200;

struct PeriodSlot {
    std::string start;              // dateinizio
    std::string end;                // datefine
    std::string rate;               // tassi
    std::optional<long> days;       // giorni
    std::optional<double> interest; // intperiodo
    std::optional<double> total;    // totaleint
    std::optional<double> capital;  // capitali

    void clear() { *this = PeriodSlot{}; }
    void clearResults() {
        interest.reset();
        total.reset();
        capital.reset();
    }
};

enum class InsertOutcome {
    Inserted,     // the period at k is doubled
    ListFull,     // 200 periods: "Siamo già a 200 periodi: ..."
    NothingThere, // slot k is empty, or every slot above it holds a period
};

// Where a shift that opens room at slot `from` stops: the first slot from
// `from` on that holds nothing, or else the first that holds a start date
// alone (a date still waiting for its rate gives way to a period). -1 when
// every slot from `from` on holds a period. Indexes are slot numbers.
int shiftEnd(std::span<const PeriodSlot> slots, int from);

class PeriodList {
public:
    PeriodList() = default;

    // k in 0..kMaxPeriods+1; out of range reads as an empty slot.
    const PeriodSlot& slot(int k) const {
        // Read for every row of every page a calculation shows: kept inline.
        if (k < 0 || k > kMaxPeriods) return emptySlot(); // slot 201 is always empty
        return slots_[static_cast<std::size_t>(k)];
    }
    // k in 1..kMaxPeriods; out of range writes go to a scratch slot.
    PeriodSlot& slot(int k) {
        if (k < 1 || k > kMaxPeriods) return scratchSlot();
        return slots_[static_cast<std::size_t>(k)];
    }

    const std::string& start(int k) const { return slot(k).start; }

    int numperiodi = 0; // slots 1..200 whose rate text is not empty

    // Recounts numperiodi.
    void contaperiodi();

    // Doubles period k (1 <= k <= 200): slots k.. move up by one, as far as
    // the first slot that can take the shift (shiftEnd).
    InsertOutcome insert(int k);
    // Removes period k when it has a start date and a rate; false when
    // ignored. The slots above move down by one, as far as the first empty
    // slot; a slot left without a rate keeps no days and no results.
    bool remove(int k);

    // All slots empty, numperiodi 0.
    void clear();

    // Highest slot holding a start date or a rate (0 when none).
    int lastUsedSlot() const;

private:
    static const PeriodSlot& emptySlot();
    PeriodSlot& scratchSlot();

    std::array<PeriodSlot, kMaxPeriods + 2> slots_{};
    PeriodSlot scratch_{};
};

} // namespace core

#pragma once
// The one calculation's list of periods: 200 slots, period k in slot k.
//
// Slot 0 holds no period (its numbers read as empty = 0); the start date of
// slot 201 is always empty so that "the next start" of period 200 reads empty.
// Texts are kept exactly as shown on screen; numbers are parsed where used.

#include <array>
#include <optional>
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
    ListFull,     // no room: "Siamo già a 200 periodi: ..."
    NothingThere, // k lies beyond the last period: nothing to double
};

class PeriodList {
public:
    PeriodList() = default;

    // k in 0..kMaxPeriods+1; out of range reads as an empty slot.
    const PeriodSlot& slot(int k) const;
    // k in 1..kMaxPeriods; out of range writes go to a scratch slot.
    PeriodSlot& slot(int k);

    const std::string& start(int k) const { return slot(k).start; }

    int numperiodi = 0; // slots 1..200 whose rate text is not empty

    // Recounts numperiodi.
    void contaperiodi();

    // Doubles period k (1 <= k <= 200): slots k.. move up by one.
    InsertOutcome insert(int k);
    // Removes period k when it has a start date and a rate; false when ignored.
    bool remove(int k);

    // All slots empty, numperiodi 0.
    void clear();

    // Highest slot holding a start date or a rate (0 when none).
    int lastUsedSlot() const;

private:
    std::array<PeriodSlot, kMaxPeriods + 2> slots_{};
    PeriodSlot scratch_{};
};

} // namespace core

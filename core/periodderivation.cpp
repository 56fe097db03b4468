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
        if (auto nextStart = parseDate(next)) list.slot(k).end = dateText(addDays(*nextStart, -1));
    }
    if (list.numperiodi >= 1) list.slot(list.numperiodi).end = finalDateText;
    auto& s = list.slot(k);
    if (s.start.empty() || s.end.empty()) return; // left as they are
    s.days = daysOfPeriod(list, k);
}

namespace {

// One split over start dates and rates; returns how many periods it added.
// Works on plain vectors so that a dry run can measure the room it needs.
int splitAtYearStarts(std::vector<std::string>& starts, std::vector<std::string>& rates, int n) {
    // starts/rates are 1-based and have room for any number of insertions.
    auto startAt = [&](int k) -> const std::string& {
        static const std::string empty;
        return k < static_cast<int>(starts.size()) ? starts[k] : empty;
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
                    starts.insert(starts.begin() + i + j, dateText(d));
                    rates.insert(rates.begin() + i + j, rates[static_cast<std::size_t>(i + j - 1)]);
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
    std::vector<std::string> starts(static_cast<std::size_t>(kMaxPeriods + 2));
    std::vector<std::string> rates(static_cast<std::size_t>(kMaxPeriods + 2));
    for (int k = 1; k <= kMaxPeriods; ++k) {
        starts[k] = list.slot(k).start;
        rates[k] = list.slot(k).rate;
    }
    YearSplitOutcome out;
    out.inserted = splitAtYearStarts(starts, rates, n);
    out.needed = n + out.inserted;
    // The inserted slots push later ones up; anything pushed past 200 would be lost.
    for (std::size_t k = kMaxPeriods + 1; k < starts.size(); ++k) {
        if (!starts[k].empty() || !rates[k].empty()) {
            out.refused = true;
            out.inserted = 0;
            return out;
        }
    }
    for (int k = 1; k <= kMaxPeriods; ++k) {
        list.slot(k).start = starts[k];
        list.slot(k).rate = rates[k];
    }
    list.numperiodi = n + out.inserted;
    return out;
}

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interest.h"

#include "core/numbertext.h"
#include "core/periodderivation.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace core {

double periodInterest(double capital, double rate, double days) {
    // The order of operations is part of the result: each step rounds.
    double v = capital / 100;
    v = v * rate;
    v = v / 365;
    v = v * days;
    v = v * 100;
    v = v + 0.5;
    return std::floor(v) / 100;
}

double roundedDifference(double compound, double simple) {
    return std::floor((compound - simple) * 100 + 0.5) / 100;
}

namespace {

// Digits after the decimal comma of a number text ("1.000,555" -> 3).
int decimalsOf(std::string_view numberText) {
    const auto comma = numberText.find(',');
    if (comma == std::string_view::npos) return 0;
    int digits = 0;
    for (char c : numberText.substr(comma + 1))
        if (c >= '0' && c <= '9') ++digits;
    return digits;
}

// Sums of amounts in cents (or in the capital's own decimals) are exact
// amounts; binary addition leaves noise in the fifteenth digit that would
// show as "3070,98000000001". Rounding what is shown to the decimals the
// amounts have removes only that noise.
double toDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

constexpr int kCents = 2;
constexpr int kMostDecimals = 9; // beyond this a capital's decimals are noise of their own

} // namespace

bool passComputes(const PeriodSlot& slot, bool capitalIsNumber) {
    if (slot.start.empty() || slot.end.empty()) return false;
    if (slot.rate.empty() || !capitalIsNumber) return false;
    return parseNumber(slot.rate) && slot.days;
}

int ricalcola(PeriodList& list, const PassInput& input, FinalSums& sums) {
    const auto initialCapital = parseNumber(input.capitalText);
    const int capitalDecimals = std::clamp(decimalsOf(input.capitalText), kCents, kMostDecimals);
    const bool compounds = input.type != CalculationType::Simple;
    // The running total and the capital reached, as computed: what is shown
    // is rounded to their decimals, the next period goes on from these.
    double runningTotal = 0;
    double reached = 0;
    int computed = 0;
    for (int i = 1; i <= list.numperiodi; ++i) {
        deriveEndAndDays(list, i, input.finalDateText);
        PeriodSlot& s = list.slot(i);
        if (!passComputes(s, initialCapital.has_value())) break;

        double capitalebase = *initialCapital;
        // Compounding at 1 January: the capital reached so far.
        if (compounds && i > 1 && s.start.compare(0, 5, "01/01") == 0) capitalebase = reached;
        s.interest =
            periodInterest(capitalebase, *parseNumber(s.rate), static_cast<double>(*s.days));
        runningTotal += *s.interest;
        reached = runningTotal + *initialCapital;
        s.total = toDecimals(runningTotal, kCents);
        s.capital = toDecimals(reached, capitalDecimals);
        ++computed;
    }
    // The sum of the type is the capital of the last period computed (each
    // period overwrote it); nothing computed leaves the sums as they were.
    if (computed == 0) return 0;
    const std::string capitalText = numberText(*list.slot(computed).capital);
    if (!compounds) {
        sums.capitales = capitalText;
    } else {
        sums.capitalec = capitalText;
        if (!sums.capitales.empty()) {
            const auto c = parseNumber(sums.capitalec);
            const auto simple = parseNumber(sums.capitales);
            if (c && simple) sums.differ = numberText(roundedDifference(*c, *simple));
        }
    }
    return computed;
}

} // namespace core

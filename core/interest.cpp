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
// show as "3070,98000000001". Rounding to the decimals the amounts have
// removes only that noise.
double toDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

constexpr int kCents = 2;
constexpr int kMostDecimals = 9; // beyond this a capital's decimals are noise of their own

} // namespace

int ricalcola(PeriodList& list, const PassInput& input, FinalSums& sums,
              const CalculationHooks& hooks) {
    if (hooks.passStarting) hooks.passStarting();
    const auto initialCapital = parseNumber(input.capitalText);
    const int capitalDecimals = std::clamp(decimalsOf(input.capitalText), kCents, kMostDecimals);
    int computed = 0;
    for (int i = 1; i <= list.numperiodi; ++i) {
        deriveEndAndDays(list, i, input.finalDateText);
        if (hooks.beforePeriod) hooks.beforePeriod(i);
        PeriodSlot& s = list.slot(i);
        if (s.start.empty() || s.end.empty()) break;
        if (s.rate.empty() || !initialCapital) break;
        const auto rate = parseNumber(s.rate);
        if (!rate || !s.days) break; // not a number, or dates that are not dates

        double capitalebase = *initialCapital;
        if (input.type > 1 && i > 1 && s.start.compare(0, 5, "01/01") == 0) {
            // Compounding at 1 January: the capital reached so far, as computed.
            if (auto previous = list.slot(i - 1).capital) capitalebase = *previous;
        }
        s.interest = periodInterest(capitalebase, *rate, static_cast<double>(*s.days));
        s.total = toDecimals(*s.interest + list.slot(i - 1).total.value_or(0.0), kCents);
        s.capital = toDecimals(*s.total + *initialCapital, capitalDecimals);

        const std::string capitalText = numberText(*s.capital);
        if (input.type == Simple) {
            sums.capitales = capitalText;
        } else {
            sums.capitalec = capitalText;
            if (!sums.capitales.empty()) {
                const auto c = parseNumber(sums.capitalec);
                const auto simple = parseNumber(sums.capitales);
                if (c && simple) sums.differ = numberText(roundedDifference(*c, *simple));
            }
        }
        ++computed;
    }
    if (hooks.passEnded) hooks.passEnded();
    return computed;
}

} // namespace core

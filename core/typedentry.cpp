// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/typedentry.h"

#include "core/barpositions.h"
#include "core/numbertext.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace core {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

bool allDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::optional<Date> readTypedDate(std::string_view text) {
    std::string s(trimmed(text));
    if ((s.size() == 8 || s.size() == 6) && allDigits(s)) {
        // Day, month and year without separators.
        s = s.substr(0, 2) + "/" + s.substr(2, 2) + "/" + s.substr(4);
    }
    std::replace(s.begin(), s.end(), '-', '/');
    std::replace(s.begin(), s.end(), '.', '/');
    return parseDate(s);
}

std::optional<int> readTypedRate(std::string_view text) {
    std::string s(trimmed(text));
    // A point is a decimal point here when there is no comma: nobody types
    // a thousands separator into a rate.
    if (s.find(',') == std::string::npos) std::replace(s.begin(), s.end(), '.', ',');
    const auto rate = parseNumber(s);
    if (!rate || !std::isfinite(*rate) || std::fabs(*rate) > 1e7) return std::nullopt;
    const double hundredths = *rate * 100;
    const double whole = std::nearbyint(hundredths);
    if (std::fabs(hundredths - whole) > 1e-6) return std::nullopt;
    return static_cast<int>(whole);
}

std::optional<int> typedStartDateBarValue(std::string_view text, Date today) {
    const auto date = readTypedDate(text);
    if (!date) return std::nullopt;
    return barValueOfDate(*date, today, kStartDateBar);
}

std::optional<int> typedRateBarValue(std::string_view text) {
    const auto rate = readTypedRate(text);
    if (!rate || *rate < kRateBarLowest || *rate > kRateBarHighest) return std::nullopt;
    return rate;
}

} // namespace core

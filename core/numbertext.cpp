// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbertext.h"

#include <charconv>
#include <cmath>

namespace core {

namespace {

// Plain output of to_chars -> Italian text: decimal comma, no exponent, no trailing zeros.
std::string italianFromPlain(std::string s) {
    if (auto dot = s.find('.'); dot != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
        else
            s[dot] = ',';
    }
    if (s == "-0") s = "0";
    return s;
}

// Writes v with at most `digits` significant digits in plain (not exponent) form.
std::string significant(double v, int digits) {
    if (v == 0 || !std::isfinite(v)) return v == 0 ? "0" : "";
    // to_chars, unlike printf, ignores the C locale (an Italian LC_NUMERIC would give commas).
    char buf[400];
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(v))));
    int decimals = digits - 1 - magnitude;
    if (decimals < 0) decimals = 0;
    if (decimals > 330) decimals = 330;
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return italianFromPlain(std::string(buf, res.ptr));
}

// "1234,567" -> "1234,57": two decimals, halves away from zero.
std::string twoDecimals(const std::string& text) {
    bool negative = !text.empty() && text.front() == '-';
    const std::string plain = negative ? text.substr(1) : text;
    const auto comma = plain.find(',');
    std::string digits = plain.substr(0, comma);
    std::string decimals = comma == std::string::npos ? "" : plain.substr(comma + 1);
    decimals.resize(3, '0');
    const bool up = decimals[2] >= '5';
    digits += decimals.substr(0, 2); // the value in hundredths
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    if (digits.find_first_not_of('0') == std::string::npos) negative = false;
    const std::string whole = digits.substr(0, digits.size() - 2);
    return (negative ? "-" : "") + whole + ',' + digits.substr(digits.size() - 2);
}

// "1234567,89" -> "1.234.567,89".
std::string grouped(std::string text) {
    const std::size_t start = !text.empty() && text.front() == '-' ? 1 : 0;
    for (std::size_t i = text.find(','); i > start + 3; i -= 3)
        text.insert(i - 3, 1, '.');
    return text;
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) plain += text[i++];
    bool digits = false, comma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            plain += c;
            digits = true;
        } else if (c == '.' && !comma) {
            // thousands separator
        } else if (c == ',' && !comma) {
            comma = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    const char* first = plain.data();
    if (*first == '+') ++first;
    double v = 0;
    auto res = std::from_chars(first, plain.data() + plain.size(), v);
    if (res.ec != std::errc()) return std::nullopt; // out of range
    return v;
}

std::string numberText(double value) {
    return significant(value, 15);
}

std::string rateBarText(int value) {
    // A bar's hundredths have at most five digits, which the single-precision
    // path below gives back exactly: written directly, since the rows write
    // thousands of them in each calculation.
    if (value >= 0 && value <= 100000) {
        std::string text = std::to_string(value / 100);
        if (const int hundredths = value % 100) {
            text += ',';
            text += static_cast<char>('0' + hundredths / 10);
            if (hundredths % 10) text += static_cast<char>('0' + hundredths % 10);
        }
        return text;
    }
    const float rate = static_cast<float>(value) / 100.0f;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, rate, std::chars_format::general, 7);
    return italianFromPlain(std::string(buf, res.ptr));
}

std::optional<int> rateBarValue(std::string_view rateText) {
    auto rate = parseNumber(rateText);
    if (!rate || std::fabs(*rate) > 1e7) return std::nullopt;
    return static_cast<int>(std::nearbyint(*rate * 100)); // default rounding: halves to even
}

std::string formatNumber(double value, NumberPattern pattern) {
    if (!std::isfinite(value)) return {};
    const std::string text = twoDecimals(significant(value, 15));
    return pattern == NumberPattern::Grouped ? grouped(text) : text;
}

std::string formatNumberText(std::string_view text, NumberPattern pattern) {
    const auto value = parseNumber(text);
    return value ? formatNumber(*value, pattern) : std::string(text);
}

} // namespace core

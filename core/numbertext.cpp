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

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number texts in the Italian form: decimal comma, no thousands separator when
// written, a period read as a thousands separator.

#include <optional>
#include <string>
#include <string_view>

namespace core {

// "1.000,50" -> 1000.5; "2,5" -> 2.5; "-3" -> -3. Surrounding blanks are allowed.
// Anything else (empty, letters, two commas, no digit) -> std::nullopt.
std::optional<double> parseNumber(std::string_view text);

// As many decimals as the value has, at most 15 significant digits, no
// trailing zeros, no thousands separator: 2.5 -> "2,5", 2 -> "2", 1234.56 -> "1234,56".
std::string numberText(double value);

// Text of a rate bar value (hundredths of a percent), computed in single
// precision with up to seven significant digits: 250 -> "2,5", 7 -> "0,07".
std::string rateBarText(int value);

// Bar value of a rate text: rate x 100 rounded half to even; nullopt when the
// text is not a number.
std::optional<int> rateBarValue(std::string_view rateText);

// The two fixed formats of the printed reports, Italian whatever the system:
// Grouped is "##,##0.00" (10512.5 -> "10.512,50"), Plain is "##0.00"
// (3.5 -> "3,50"). Exactly two decimals, rounded half away from zero on the
// value as the screen writes it (fifteen significant digits), so the paper
// agrees with the window; a sign only when something is left after rounding.
enum class NumberPattern { Grouped, Plain };
std::string formatNumber(double value, NumberPattern pattern);
// A number text read as the program reads numbers and formatted; a text that
// is not a number (the empty text, letters) comes back as it is.
std::string formatNumberText(std::string_view text, NumberPattern pattern);

} // namespace core

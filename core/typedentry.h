// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A start date or a rate typed into a row instead of set with its bar, read
// as the bar's value would stand for it.

#include "core/date.h"

#include <optional>
#include <string_view>

namespace core {

// "15/06/2000", "15/06/00", "15062000", "150600"; "-" and "." also separate.
std::optional<Date> readTypedDate(std::string_view text);

// A rate in hundredths of a percent, the bar's unit: "4,5", "4.5" and "4"
// give 450 and 400; nullopt for what is not a number or has more than two
// decimals.
std::optional<int> readTypedRate(std::string_view text);

// What a row's bar is set to for a typed start date or rate: nullopt when the
// text is not one, or the bar cannot hold it (a start date from
// kStartDateBar.oldest days before today to today, a rate from 0,01 to 100).
std::optional<int> typedStartDateBarValue(std::string_view text, Date today);
std::optional<int> typedRateBarValue(std::string_view text);

} // namespace core

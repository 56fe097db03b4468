// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar dates and their "gg/mm/aa" texts.
//
// Every date of the program is held and shown as a text; these functions read
// such texts into Date values and do the calendar arithmetic of the interest
// calculation. Nothing here throws: an unreadable text gives std::nullopt.

#include <optional>
#include <string>
#include <string_view>

namespace core {

struct Date {
    int year = 1900; // four digits
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    // Plain comparisons: moc cannot parse <compare>.
    friend constexpr bool operator==(const Date&, const Date&) = default;
    friend constexpr bool operator<(const Date& a, const Date& b) {
        if (a.year != b.year) return a.year < b.year;
        if (a.month != b.month) return a.month < b.month;
        return a.day < b.day;
    }
};

// Reads "gg/mm/aa", also with a one-digit day or month and a four-digit year.
// Two-digit years fall in 1930..2029. Surrounding blanks are allowed.
std::optional<Date> parseDate(std::string_view text);

// The "gg/mm/aa" text of a date; four-digit year outside 1930..2029.
std::string dateText(Date d);

// The text of the day before a date text: where a period or a table row ends
// when the next one starts on that date. nullopt when the text is not a date.
std::optional<std::string> dayBeforeText(std::string_view nextStart);

// b minus a, in calendar days.
int difference(Date a, Date b);
Date addDays(Date d, int n);
// Same day and month one year later (29 February becomes 1 March).
Date addYear(Date d);
int yearOf(Date d);

bool isLeapYear(int year);
bool isValidDate(int year, int month, int day);

// Serial day number (days since 1 January 1970) and back.
long daysFromCivil(Date d);
Date civilFromDays(long days);

} // namespace core

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/date.h"

#include <cstdio>

namespace core {

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// Digits only, 1..maxLen of them.
std::optional<int> readDigits(std::string_view s, std::size_t minLen, std::size_t maxLen) {
    if (s.size() < minLen || s.size() > maxLen) return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isValidDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    int last = kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= last;
}

std::optional<Date> parseDate(std::string_view text) {
    text = trimBlanks(text);
    const auto s1 = text.find('/');
    if (s1 == std::string_view::npos) return std::nullopt;
    const auto s2 = text.find('/', s1 + 1);
    if (s2 == std::string_view::npos) return std::nullopt;
    auto day = readDigits(text.substr(0, s1), 1, 2);
    auto month = readDigits(text.substr(s1 + 1, s2 - s1 - 1), 1, 2);
    std::string_view yearText = text.substr(s2 + 1);
    if (yearText.size() != 2 && yearText.size() != 4) return std::nullopt;
    auto year = readDigits(yearText, 2, 4);
    if (!day || !month || !year) return std::nullopt;
    int y = *year;
    if (yearText.size() == 2) y += (y < 30) ? 2000 : 1900;
    if (!isValidDate(y, *month, *day)) return std::nullopt;
    return Date{y, *month, *day};
}

namespace {

// Two digits, with a leading zero: written by hand, since the rows of both
// windows write thousands of dates a second and printf is slow at it.
void putTwoDigits(char* at, int n) {
    at[0] = static_cast<char>('0' + n / 10 % 10);
    at[1] = static_cast<char>('0' + n % 10);
}

} // namespace

std::string dateText(Date d) {
    // A two-digit year outside 1930..2029 would read back in another century.
    if (d.year < 1930 || d.year > 2029 || d.day < 0 || d.day > 99 || d.month < 0 || d.month > 99) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.day, d.month, d.year);
        return buf;
    }
    char text[8] = {0, 0, '/', 0, 0, '/', 0, 0};
    putTwoDigits(text, d.day);
    putTwoDigits(text + 3, d.month);
    putTwoDigits(text + 6, d.year % 100);
    return std::string(text, sizeof text);
}

// Days since 1970-01-01 of a proleptic Gregorian date (eras of 400 years).
long daysFromCivil(Date d) {
    const long y = d.year - (d.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (d.month + 9) % 12; // March = 0
    const long doy = (153 * mp + 2) / 5 + d.day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return Date{year, month, day};
}

int difference(Date a, Date b) {
    return static_cast<int>(daysFromCivil(b) - daysFromCivil(a));
}

Date addDays(Date d, int n) {
    return civilFromDays(daysFromCivil(d) + n);
}

Date addYear(Date d) {
    if (d.month == 2 && d.day == 29 && !isLeapYear(d.year + 1)) return Date{d.year + 1, 3, 1};
    return Date{d.year + 1, d.month, d.day};
}

int yearOf(Date d) {
    return d.year;
}

std::optional<std::string> dayBeforeText(std::string_view nextStart) {
    const auto next = parseDate(nextStart);
    if (!next) return std::nullopt;
    return dateText(addDays(*next, -1));
}

} // namespace core

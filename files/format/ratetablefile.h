// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Fenoverra-tab-" rate-table file: the number of rows on the first
// line, then one line per row with its start date and rate, texts between
// double quotes, Windows-1252, CR LF.
//
//   2
//   "01/01/58","4,00"
//   "7/06/58","3,50"
//
// Same syntax, same tolerant reading and same refusals as the data file
// (datafile.h). Texts here are UTF-8. Pure C++: no Qt, nothing throws.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fileformat {

struct RateTableRow {
    std::string date; // datetab
    std::string rate; // tassitab

    friend bool operator==(const RateTableRow&, const RateTableRow&) = default;
};

using RateTableRows = std::vector<RateTableRow>; // at most 200

struct RateTableReadResult {
    std::optional<RateTableRows> rows; // set when the whole file was read
    std::string error;                 // otherwise what is wrong, in Italian
};

// Reads the bytes of a rate-table file, all or nothing. Fails on: an empty
// file, a first line that is not a lone whole number (a data file is named
// as such), a count not 0..200, a missing row or field, a field that is not
// quoted, a row with more than two fields, and any line after the announced
// rows. The reason starts in lower case and has no final period.
RateTableReadResult readRateTableFile(std::string_view bytes);

struct RateTableWriteResult {
    std::optional<std::string> bytes; // the file's bytes when it can be written
    std::string error;                // otherwise which text cannot be stored
};

// Writes a rate-table file, CR LF after every line. Refuses more than 200
// rows and a text the format cannot carry back unchanged (a double quote, a
// character Windows-1252 lacks).
RateTableWriteResult writeRateTableFile(const RateTableRows& rows);

} // namespace fileformat

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the data file and the rate-table file share beyond the record
// syntax: checking a record's fields while reading and quoting a text for
// writing, each failure told as an Italian reason naming the field
// ("la data della riga 3", "il capitale"...). Pure C++: no Qt, nothing throws.

#include "files/format/recordreader.h"

#include <cstddef>
#include <optional>
#include <string>

namespace fileformat {

// Why field i of a record cannot be read as a quoted text, if it cannot.
std::optional<std::string> textFieldError(const Record& record, std::size_t i,
                                          const std::string& name);
// The reason for the record's fault, told for the field it belongs to.
std::string faultText(const Record& record, const std::string& fieldName);
// Whether the record has a field past the first `expected` (a fault there counts).
bool hasExtraFields(const Record& record, std::size_t expected);
// " (123)" for a number short enough to be worth showing in a reason, else "".
std::string shownNumber(const RecordField& field);
// Field i of a record as UTF-8.
std::string decodedText(const Record& record, std::size_t i);

// The quoted Windows-1252 form of a text; nullopt with `error` set when the
// format cannot carry it (a double quote, a character Windows-1252 lacks,
// invalid UTF-8).
std::optional<std::string> quotedField(const std::string& text, const std::string& name,
                                       std::string& error);

} // namespace fileformat

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits the bytes of a Fenoverra text file (data or rate table) into records:
// one record per line, fields separated by commas. A field that begins with a
// double quote runs to the next double quote, line breaks included, and keeps
// its bytes unchanged; any other field runs to the next comma or line end.
// Lines end with CR LF, LF or CR; blanks around fields are ignored; lines
// holding only blanks are skipped. Bytes stay in the file's code page.

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace fileformat {

struct RecordField {
    bool quoted = false;
    std::string_view text; // without the quotes
};

enum class RecordFault {
    None,
    UnclosedQuote,  // the file ends inside a quoted field
    TextAfterQuote, // a quoted field is followed by something other than a comma or line end
};

struct Record {
    std::vector<RecordField> fields;
    RecordFault fault = RecordFault::None;
    std::size_t faultField = 0; // index of the field the fault belongs to
};

class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : bytes_(bytes) {}

    // False when only blank lines are left.
    bool hasMore();
    // Reads the next record; call only while hasMore(). After a fault the rest
    // of the file is not meaningful.
    Record next();

private:
    void skipBlanks();
    bool atLineEnd() const;
    void skipLineEnd();

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The value of an unquoted field made only of an optional minus sign and
// digits; nullopt otherwise. Values beyond a few million are clamped, since
// every count the files hold is small.
std::optional<long> wholeNumberOf(const RecordField& field);

} // namespace fileformat

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Fenoverra-dati-" data file: a header line and one line per period,
// comma-separated, texts between double quotes, Windows-1252, CR LF.
//
//   2,"10000",2,"Prestito"
//   "01/01/01","31/12/01","3,5"
//   "01/01/02","30/06/02","2,75"
//
// Texts here are UTF-8; the conversion to and from Windows-1252 happens in
// readDataFile / writeDataFile. Pure C++: no Qt, nothing throws.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fileformat {

struct DataFilePeriod {
    std::string start; // dateinizio
    std::string end;   // datefine
    std::string rate;  // tassi

    friend bool operator==(const DataFilePeriod&, const DataFilePeriod&) = default;
};

struct DataFileContent {
    std::string capital;                 // capiniz as typed
    int type = 1;                        // tipocalcolo 1..3
    std::string reference;               // riferimento
    std::vector<DataFilePeriod> periods; // at most 200

    friend bool operator==(const DataFileContent&, const DataFileContent&) = default;
};

struct DataFileReadResult {
    std::optional<DataFileContent> content; // set when the whole file was read
    std::string error; // otherwise: what is wrong, in Italian, e.g. "manca il tasso del periodo 3"
};

// Reads the bytes of a data file, all or nothing. One record per line; a
// quoted text runs to the next double quote, line breaks included. Accepts
// LF-only or CR-only lines, a missing final line end, blanks around fields and
// blank lines anywhere. Fails on: an empty file, a first field that is not a
// whole number, a count not 0..200, a type not 1..3, a missing field or
// period line, a field of the wrong kind (texts must be quoted), a line with
// more fields than its kind has, and any line after the announced periods
// (the next save would silently drop it). The reason is Italian, starts in
// lower case and has no final period:
// "Il file <nome> non può essere aperto: <reason>."
DataFileReadResult readDataFile(std::string_view bytes);

struct DataFileWriteResult {
    std::optional<std::string> bytes; // the file's bytes when it can be written
    std::string error;                // otherwise which field cannot be stored, in Italian
};

// Writes a data file, CR LF after every line. Refuses a text holding a double
// quote (the format has no escape for it), a text that is not valid UTF-8 or
// holds a character Windows-1252 cannot hold, more than 200 periods, a type
// not 1..3: whatever it writes reads back equal. Line breaks inside texts are
// kept, since a quoted text carries them. The reason names the field, in the
// same style as the reading reasons.
DataFileWriteResult writeDataFile(const DataFileContent& content);

} // namespace fileformat

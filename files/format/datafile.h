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
    std::string capital;   // capiniz as typed
    int type = 1;          // tipocalcolo 1..3
    std::string reference; // riferimento
    std::vector<DataFilePeriod> periods; // at most 200

    friend bool operator==(const DataFileContent&, const DataFileContent&) = default;
};

struct DataFileReadResult {
    std::optional<DataFileContent> content; // set when the whole file was read
    std::string error; // otherwise: what is wrong, in Italian, e.g. "manca il tasso del periodo 3"
};

// Reads the bytes of a data file. Accepts LF-only lines too. Fails on: no
// header, a count that is not 0..200, a type not 1..3, fewer fields than
// announced, a field that is not of its kind.
DataFileReadResult readDataFile(std::string_view bytes);

struct DataFileWriteResult {
    std::optional<std::string> bytes; // the file's bytes when it can be written
    std::string error; // otherwise which field cannot be stored, in Italian
};

// Writes a data file. Refuses a text holding a double quote (the format has no
// escape for it) or a character that Windows-1252 cannot hold.
DataFileWriteResult writeDataFile(const DataFileContent& content);

} // namespace fileformat

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the up-to-date rate tables shipped with the program, with the
// program's own table-file writer, into the folder given:
//   make_rate_tables <folder>
//
// The presets stop in 2010 (legal rate) and 2009 (discount / ECB rate);
// these tables carry them on. Sources: the decrees of the Italian Ministry
// of Economy and Finance fixing the legal rate of article 1284 of the Civil
// Code (the last one of 10/12/2025, 1,60 % from 01/01/26), and the key
// interest rates of the European Central Bank (main refinancing operations).
// The late-payment rate for commercial transactions (D.Lgs. 231/2002) is the
// ECB rate in force on 1 January and 1 July of each half-year plus 8 points;
// a row only where it changes.

#include "files/format/ratetablefile.h"
#include "ratetable/presets.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using fileformat::RateTableRows;

template <typename Preset> RateTableRows startingWith(const Preset& preset) {
    RateTableRows rows;
    for (const Presets::Row& row : preset)
        rows.push_back({row.date, row.rate});
    return rows;
}

RateTableRows followedBy(RateTableRows rows, const RateTableRows& more) {
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

struct Shipped {
    const char* name;
    RateTableRows rows;
};

std::vector<Shipped> shippedTables() {
    return {
        {"Fenoverra-tab-legali-aggiornata",
         followedBy(startingWith(Presets::kLegali), {{"01/01/11", "1,50"},
                                                     {"01/01/12", "2,50"},
                                                     {"01/01/14", "1,00"},
                                                     {"01/01/15", "0,50"},
                                                     {"01/01/16", "0,20"},
                                                     {"01/01/17", "0,10"},
                                                     {"01/01/18", "0,30"},
                                                     {"01/01/19", "0,80"},
                                                     {"01/01/20", "0,05"},
                                                     {"01/01/21", "0,01"},
                                                     {"01/01/22", "1,25"},
                                                     {"01/01/23", "5,00"},
                                                     {"01/01/24", "2,50"},
                                                     {"01/01/25", "2,00"},
                                                     {"01/01/26", "1,60"}})},
        {"Fenoverra-tab-BCE-aggiornata",
         followedBy(startingWith(Presets::kSconto),
                    {{"13/04/11", "1,25"}, {"13/07/11", "1,50"}, {"09/11/11", "1,25"},
                     {"14/12/11", "1,00"}, {"11/07/12", "0,75"}, {"08/05/13", "0,50"},
                     {"13/11/13", "0,25"}, {"11/06/14", "0,15"}, {"10/09/14", "0,05"},
                     {"16/03/16", "0,00"}, {"27/07/22", "0,50"}, {"14/09/22", "1,25"},
                     {"02/11/22", "2,00"}, {"21/12/22", "2,50"}, {"08/02/23", "3,00"},
                     {"22/03/23", "3,50"}, {"10/05/23", "3,75"}, {"21/06/23", "4,00"},
                     {"02/08/23", "4,25"}, {"20/09/23", "4,50"}, {"12/06/24", "4,25"},
                     {"18/09/24", "3,65"}, {"23/10/24", "3,40"}, {"18/12/24", "3,15"},
                     {"05/02/25", "2,90"}, {"12/03/25", "2,65"}, {"23/04/25", "2,40"},
                     {"11/06/25", "2,15"}})},
        {"Fenoverra-tab-mora-aggiornata",
         {{"01/01/13", "8,75"},
          {"01/07/13", "8,50"},
          {"01/01/14", "8,25"},
          {"01/07/14", "8,15"},
          {"01/01/15", "8,05"},
          {"01/07/16", "8,00"},
          {"01/01/23", "10,50"},
          {"01/07/23", "12,00"},
          {"01/01/24", "12,50"},
          {"01/07/24", "12,25"},
          {"01/01/25", "11,15"},
          {"01/07/25", "10,15"}}},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_rate_tables <folder>\n");
        return 2;
    }
    for (const Shipped& table : shippedTables()) {
        const fileformat::RateTableWriteResult written = fileformat::writeRateTableFile(table.rows);
        const std::string path = std::string(argv[1]) + "/" + table.name;
        if (!written.bytes) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), written.error.c_str());
            return 1;
        }
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << *written.bytes;
        out.close();
        if (!out) {
            std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

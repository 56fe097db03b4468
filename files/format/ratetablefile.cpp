// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format/ratetablefile.h"

#include "files/format/fields.h"
#include "files/format/recordreader.h"

#include <array>

namespace fileformat {
namespace {

constexpr long kMaxRows = 200;
constexpr std::size_t kRowFields = 2;

std::string rowFieldName(std::size_t field, std::size_t row) {
    static constexpr std::array<const char*, kRowFields> names = {"la data", "il tasso"};
    return std::string(names[field]) + " della riga " + std::to_string(row);
}

std::string rowsText(long n) {
    return std::to_string(n) + (n == 1 ? " riga" : " righe");
}

RateTableReadResult failed(std::string reason) {
    return RateTableReadResult{std::nullopt, std::move(reason)};
}

} // namespace

RateTableReadResult readRateTableFile(std::string_view bytes) {
    RecordReader reader(bytes);
    if (!reader.hasMore()) return failed("il file è vuoto");

    const Record header = reader.next();
    const std::string notATable = "non è un file di tabella dei tassi di Fenoverra";
    if (header.fault != RecordFault::None && header.faultField == 0) return failed(notATable);
    const auto count = wholeNumberOf(header.fields.front());
    if (!count) return failed(notATable);
    if (hasExtraFields(header, 1))
        return failed("la prima riga contiene più di un campo: sembra un file di dati, non un "
                      "file di tabella dei tassi");
    if (*count < 0 || *count > kMaxRows)
        return failed("il numero delle righe" + shownNumber(header.fields[0]) +
                      " non è compreso tra 0 e 200");

    RateTableRows rows;
    rows.reserve(static_cast<std::size_t>(*count));
    for (long row = 1; row <= *count; ++row) {
        if (!reader.hasMore()) {
            const long found = row - 1;
            return failed("il file annuncia " + rowsText(*count) + " ma " +
                          (found == 0 ? "non ne contiene nessuna"
                                      : "ne contiene solo " + std::to_string(found)));
        }
        const Record line = reader.next();
        for (std::size_t i = 0; i < kRowFields; ++i) {
            if (auto error =
                    textFieldError(line, i, rowFieldName(i, static_cast<std::size_t>(row))))
                return failed(*error);
        }
        if (hasExtraFields(line, kRowFields))
            return failed("la riga " + std::to_string(row) + " contiene più di due campi");
        rows.push_back({decodedText(line, 0), decodedText(line, 1)});
    }

    // Content past the announced rows would be lost without a word on the next save.
    if (reader.hasMore())
        return failed("il file annuncia " + rowsText(*count) + " ma contiene altre righe" +
                      (*count == 0 ? "" : " dopo l'ultima"));
    return RateTableReadResult{std::move(rows), {}};
}

RateTableWriteResult writeRateTableFile(const RateTableRows& rows) {
    if (rows.size() > static_cast<std::size_t>(kMaxRows))
        return {std::nullopt, "le righe sono " + std::to_string(rows.size()) +
                                  ", più delle 200 che il formato dei file ammette"};
    std::string out = std::to_string(rows.size()) + "\r\n";
    std::string error;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const auto date = quotedField(rows[k].date, rowFieldName(0, k + 1), error);
        if (!date) return {std::nullopt, error};
        const auto rate = quotedField(rows[k].rate, rowFieldName(1, k + 1), error);
        if (!rate) return {std::nullopt, error};
        out += *date + ',' + *rate + "\r\n";
    }
    return {std::move(out), {}};
}

} // namespace fileformat

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format/datafile.h"

#include "files/format/fields.h"
#include "files/format/recordreader.h"

#include <array>

namespace fileformat {
namespace {

constexpr long kMaxPeriods = 200;
constexpr std::size_t kHeaderFields = 4;
constexpr std::size_t kPeriodFields = 3;

std::string periodFieldName(std::size_t field, std::size_t period) {
    static constexpr std::array<const char*, kPeriodFields> names = {"la data di inizio",
                                                                     "la data di fine", "il tasso"};
    return std::string(names[field]) + " del periodo " + std::to_string(period);
}

std::string headerFieldName(std::size_t field) {
    static constexpr std::array<const char*, kHeaderFields> names = {
        "il numero dei periodi", "il capitale", "il tipo di calcolo", "il riferimento"};
    return names[field];
}

std::string periodsText(long n) {
    return std::to_string(n) + (n == 1 ? " periodo" : " periodi");
}

DataFileReadResult failed(std::string reason) {
    return DataFileReadResult{std::nullopt, std::move(reason)};
}

} // namespace

DataFileReadResult readDataFile(std::string_view bytes) {
    RecordReader reader(bytes);
    if (!reader.hasMore()) return failed("il file è vuoto");

    const Record header = reader.next();
    if (header.fault != RecordFault::None && header.faultField == 0)
        return failed("non è un file di dati di Fenoverra");
    const auto count = wholeNumberOf(header.fields.front());
    if (!count) return failed("non è un file di dati di Fenoverra");
    if (*count < 0 || *count > kMaxPeriods)
        return failed("il numero dei periodi" + shownNumber(header.fields[0]) +
                      " non è compreso tra 0 e 200");
    if (header.fields.size() == 1 && header.fault == RecordFault::None && reader.hasMore())
        return failed("la prima riga contiene solo un numero: sembra un file di tabella dei tassi, "
                      "non un file di dati");

    DataFileContent content;
    if (auto error = textFieldError(header, 1, headerFieldName(1))) return failed(*error);
    content.capital = decodedText(header, 1);

    if (header.fault != RecordFault::None && header.faultField == 2)
        return failed(faultText(header, headerFieldName(2)));
    if (header.fields.size() <= 2) return failed("manca " + headerFieldName(2));
    const auto type = wholeNumberOf(header.fields[2]);
    if (!type) return failed(headerFieldName(2) + " non è un numero");
    if (*type < 1 || *type > 3)
        return failed(headerFieldName(2) + shownNumber(header.fields[2]) + " non è 1, 2 o 3");
    content.type = static_cast<int>(*type);

    if (auto error = textFieldError(header, 3, headerFieldName(3))) return failed(*error);
    content.reference = decodedText(header, 3);
    if (hasExtraFields(header, kHeaderFields))
        return failed("la prima riga contiene più di quattro campi");

    content.periods.reserve(static_cast<std::size_t>(*count));
    for (long period = 1; period <= *count; ++period) {
        if (!reader.hasMore()) {
            const long found = period - 1;
            return failed("il file annuncia " + periodsText(*count) + " ma " +
                          (found == 0 ? "non ne contiene nessuno"
                                      : "ne contiene solo " + std::to_string(found)));
        }
        const Record line = reader.next();
        for (std::size_t i = 0; i < kPeriodFields; ++i) {
            if (auto error =
                    textFieldError(line, i, periodFieldName(i, static_cast<std::size_t>(period))))
                return failed(*error);
        }
        if (hasExtraFields(line, kPeriodFields))
            return failed("la riga del periodo " + std::to_string(period) +
                          " contiene più di tre campi");
        content.periods.push_back(
            {decodedText(line, 0), decodedText(line, 1), decodedText(line, 2)});
    }

    // Content past the announced periods would be lost without a word on the next save.
    if (reader.hasMore()) {
        return failed(*count == 0
                          ? std::string("il file annuncia 0 periodi ma contiene altre righe")
                          : "il file annuncia " + periodsText(*count) +
                                " ma contiene altre righe dopo l'ultimo");
    }
    return DataFileReadResult{std::move(content), {}};
}

namespace {

DataFileWriteResult refused(std::string reason) {
    return DataFileWriteResult{std::nullopt, std::move(reason)};
}

} // namespace

DataFileWriteResult writeDataFile(const DataFileContent& content) {
    if (content.periods.size() > static_cast<std::size_t>(kMaxPeriods))
        return refused("i periodi sono " + std::to_string(content.periods.size()) +
                       ", più dei 200 che il formato dei file ammette");
    if (content.type < 1 || content.type > 3)
        return refused("il tipo di calcolo (" + std::to_string(content.type) + ") non è 1, 2 o 3");

    std::string error;
    const auto capital = quotedField(content.capital, headerFieldName(1), error);
    if (!capital) return refused(error);
    const auto reference = quotedField(content.reference, headerFieldName(3), error);
    if (!reference) return refused(error);

    std::string out = std::to_string(content.periods.size()) + ',' + *capital + ',' +
                      std::to_string(content.type) + ',' + *reference + "\r\n";
    for (std::size_t k = 0; k < content.periods.size(); ++k) {
        const DataFilePeriod& period = content.periods[k];
        const std::array<const std::string*, kPeriodFields> texts = {&period.start, &period.end,
                                                                     &period.rate};
        for (std::size_t i = 0; i < kPeriodFields; ++i) {
            const auto field = quotedField(*texts[i], periodFieldName(i, k + 1), error);
            if (!field) return refused(error);
            out += *field;
            out += i + 1 < kPeriodFields ? "," : "\r\n";
        }
    }
    return DataFileWriteResult{std::move(out), {}};
}

} // namespace fileformat

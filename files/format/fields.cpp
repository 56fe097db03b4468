// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format/fields.h"

#include "files/format/cp1252.h"

#include <cstdio>

namespace fileformat {

namespace {

std::string codePointText(char32_t cp) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
    return buffer;
}

} // namespace

std::string faultText(const Record& record, const std::string& fieldName) {
    if (record.fault == RecordFault::UnclosedQuote)
        return fieldName + " non ha le virgolette di chiusura";
    return "dopo " + fieldName + " c'è altro testo prima della virgola";
}

std::optional<std::string> textFieldError(const Record& record, std::size_t i,
                                          const std::string& name) {
    if (record.fault != RecordFault::None && record.faultField == i) return faultText(record, name);
    if (i >= record.fields.size()) return "manca " + name;
    if (!record.fields[i].quoted) return name + " non è un testo tra virgolette";
    return std::nullopt;
}

bool hasExtraFields(const Record& record, std::size_t expected) {
    return record.fields.size() > expected ||
           (record.fault != RecordFault::None && record.faultField >= expected);
}

std::string shownNumber(const RecordField& field) {
    return field.text.size() <= 9 ? " (" + std::string(field.text) + ")" : std::string();
}

std::string decodedText(const Record& record, std::size_t i) {
    return cp1252ToUtf8(record.fields[i].text);
}

std::optional<std::string> quotedField(const std::string& text, const std::string& name,
                                       std::string& error) {
    if (text.find('"') != std::string::npos) {
        error = name + " contiene virgolette (\"): il formato dei file non le può conservare";
        return std::nullopt;
    }
    auto bytes = utf8ToCp1252(text);
    if (!bytes) {
        const auto misfit = firstUnencodableCharacter(text);
        error = misfit ? name + " contiene il carattere «" + misfit->utf8 + "» (" +
                             codePointText(misfit->codePoint) +
                             "): il formato dei file non lo può conservare"
                       : name + " non è un testo UTF-8 valido";
        return std::nullopt;
    }
    return '"' + *bytes + '"';
}

} // namespace fileformat

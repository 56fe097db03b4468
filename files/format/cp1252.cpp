// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/format/cp1252.h"

#include <array>
#include <cstdint>

// A hand table rather than iconv: glibc's WINDOWS-1252 refuses the five
// undefined bytes in both directions, so a file holding one of them could be
// read but never written back the same.

namespace fileformat {
namespace {

// Bytes 0x80..0x9F. The five undefined ones map to the C1 control of the same value.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char32_t codePointOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
    return byte; // the rest of the page coincides with Latin-1
}

std::optional<unsigned char> byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one strictly valid UTF-8 sequence at text[pos] and advances pos;
// nullopt on overlong forms, surrogates, values above U+10FFFF and cut sequences.
std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - pos < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    pos += length;
    return cp;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

namespace {

// Converts text; on failure leaves in misfit the character that does not fit,
// or nothing when the text is not valid UTF-8.
std::optional<std::string> convertToCp1252(std::string_view text,
                                           std::optional<UnencodableCharacter>& misfit) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t begin = pos;
        const auto cp = nextCodePoint(text, pos);
        if (!cp) return std::nullopt;
        const auto byte = byteOf(*cp);
        if (!byte) {
            misfit = UnencodableCharacter{std::string(text.substr(begin, pos - begin)), *cp};
            return std::nullopt;
        }
        out += static_cast<char>(*byte);
    }
    return out;
}

} // namespace

std::optional<std::string> utf8ToCp1252(std::string_view text) {
    std::optional<UnencodableCharacter> misfit;
    return convertToCp1252(text, misfit);
}

std::optional<UnencodableCharacter> firstUnencodableCharacter(std::string_view text) {
    std::optional<UnencodableCharacter> misfit;
    convertToCp1252(text, misfit);
    return misfit;
}

} // namespace fileformat

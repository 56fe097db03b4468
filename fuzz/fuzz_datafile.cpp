// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the data-file reader. Whatever it accepts must be
// writable, read back equal and be written the same way again; whatever it
// refuses must come with a reason the window can show. The same bytes, taken as
// UTF-8, exercise the Windows-1252 conversion.

#include "files/format/cp1252.h"
#include "files/format/datafile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_datafile: %s\n", what);
        std::abort();
    }
}

void checkDataFile(std::string_view bytes) {
    using namespace fileformat;
    const DataFileReadResult read = readDataFile(bytes);
    if (!read.content) {
        require(!read.error.empty(), "refused without a reason");
        require(utf8ToCp1252(read.error).has_value(), "reason is not text the window can show");
        return;
    }
    require(read.content->periods.size() <= 200, "more than 200 periods accepted");
    require(read.content->type >= 1 && read.content->type <= 3, "type outside 1..3 accepted");

    const DataFileWriteResult written = writeDataFile(*read.content);
    require(written.bytes.has_value(), "content that was read cannot be written");
    const DataFileReadResult again = readDataFile(*written.bytes);
    require(again.content.has_value(), "written file cannot be read");
    require(*again.content == *read.content, "round trip changed the content");
    const DataFileWriteResult rewritten = writeDataFile(*again.content);
    require(rewritten.bytes == written.bytes, "writing the same content gave other bytes");
}

void checkConversion(std::string_view text) {
    using namespace fileformat;
    if (const auto bytes = utf8ToCp1252(text)) {
        require(bytes->size() <= text.size(), "conversion grew the text");
        require(cp1252ToUtf8(*bytes) == text, "Windows-1252 round trip changed the text");
        require(!firstUnencodableCharacter(text).has_value(), "a convertible text has a misfit");
    } else if (const auto misfit = firstUnencodableCharacter(text)) {
        require(text.find(misfit->utf8) != std::string_view::npos,
                "misfit is not part of the text");
        require(!utf8ToCp1252(misfit->utf8).has_value(), "misfit fits after all");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkDataFile(bytes);
    checkConversion(bytes);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the rate-table reader. Whatever it accepts must be
// writable, read back equal and be written the same way again; whatever it
// refuses must come with a reason the window can show.

#include "files/format/cp1252.h"
#include "files/format/ratetablefile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_ratetablefile: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fileformat;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RateTableReadResult read = readRateTableFile(bytes);
    if (!read.rows) {
        require(!read.error.empty(), "refused without a reason");
        require(utf8ToCp1252(read.error).has_value(), "reason is not text the window can show");
        return 0;
    }
    require(read.rows->size() <= 200, "more than 200 rows accepted");

    const RateTableWriteResult written = writeRateTableFile(*read.rows);
    require(written.bytes.has_value(), "rows that were read cannot be written");
    const RateTableReadResult again = readRateTableFile(*written.bytes);
    require(again.rows.has_value(), "written file cannot be read");
    require(*again.rows == *read.rows, "round trip changed the rows");
    const RateTableWriteResult rewritten = writeRateTableFile(*again.rows);
    require(rewritten.bytes == written.bytes, "writing the same rows gave other bytes");
    return 0;
}

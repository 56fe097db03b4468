// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing rate-table files on disk, as the data files are
// (datafileio.h): all or nothing, with an Italian sentence naming the file.

#include "files/format/ratetablefile.h"

#include <QString>
#include <optional>

namespace RateTableFileIO {

struct ReadResult {
    std::optional<fileformat::RateTableRows> rows;
    QString error;
};

ReadResult read(const QString& path);

// Writes the whole file or nothing; returns the error, empty on success.
QString write(const QString& path, const fileformat::RateTableRows& rows);

} // namespace RateTableFileIO

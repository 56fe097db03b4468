// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing data files on disk. Every failure comes back as an
// Italian sentence naming the file and the reason, ready for a message box.

#include "files/format/datafile.h"

#include <QString>
#include <optional>

namespace DataFileIO {

struct ReadResult {
    std::optional<fileformat::DataFileContent> content;
    QString error;
};

ReadResult read(const QString& path);

// Writes the whole file or nothing: a file that was there before is replaced
// only once the new one is complete. Returns the error, empty on success.
QString write(const QString& path, const fileformat::DataFileContent& content);

} // namespace DataFileIO

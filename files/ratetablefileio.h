// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing rate-table files on disk, as the data files are
// (datafileio.h): all or nothing, with an Italian sentence naming the file.

#include "files/format/ratetablefile.h"
#include "platform/filefolders.h"

#include <QString>
#include <optional>

namespace RateTableFileIO {

struct ReadResult {
    std::optional<fileformat::RateTableRows> content;
    QString error;
};

ReadResult read(const QString& path);

// Writes the whole file or nothing; returns the error, empty on success.
QString write(const QString& path, const fileformat::RateTableRows& rows);

} // namespace RateTableFileIO

// The rate-table files as FileCommands opens, saves and deletes them.
struct RateTableFiles {
    using Content = fileformat::RateTableRows;
    static constexpr FileFolders::Kind folder = FileFolders::Kind::Table;
    static constexpr const char* prefix = "Fenoverra-tab-";
    // The open dialog's filter of every file.
    static constexpr const char* everyFile = "Tutti i file (*.*)|*.*";
    // What a file that cannot be opened leaves.
    static constexpr const char* emptied = "La tabella è stata svuotata.";
    static RateTableFileIO::ReadResult read(const QString& path) {
        return RateTableFileIO::read(path);
    }
    static QString write(const QString& path, const Content& rows) {
        return RateTableFileIO::write(path, rows);
    }
};

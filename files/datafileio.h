// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing data files on disk. Every failure comes back as an
// Italian sentence naming the file and the reason, ready for a message box.

#include "files/format/datafile.h"
#include "platform/filefolders.h"

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

// The data files as FileCommands opens, saves and deletes them.
struct DataFiles {
    using Content = fileformat::DataFileContent;
    static constexpr FileFolders::Kind folder = FileFolders::Kind::Data;
    static constexpr const char* prefix = "Fenoverra-dati-";
    // The open dialog's filter of every file, with blanks around its bar.
    static constexpr const char* everyFile = "Tutti i file (*.*) | *.*";
    // What a file that cannot be opened leaves.
    static constexpr const char* emptied = "La finestra è stata svuotata.";
    static DataFileIO::ReadResult read(const QString& path) { return DataFileIO::read(path); }
    static QString write(const QString& path, const Content& content) {
        return DataFileIO::write(path, content);
    }
};

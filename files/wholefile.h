// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A program file read or written as a whole: reading refuses what cannot be
// one of its files; writing replaces a file only once the new one is
// complete, so a failed save leaves the old file intact. Every failure comes
// back as an Italian sentence naming the file, ready for a message box.

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace WholeFile {

// Larger files are not files of this program (200 rows fit in a few KiB).
inline constexpr qint64 kMaxFileSize = 1024 * 1024;

struct ReadResult {
    std::optional<QByteArray> bytes;
    QString error;
};

// `kind` completes "è troppo grande per essere <kind>", e.g. "un file di dati di Fenoverra".
ReadResult read(const QString& path, const QString& kind);

// Returns the error, empty on success.
QString write(const QString& path, const std::string& bytes);

// The file's name as messages show it: between double quotes.
QString quoted(const QString& path);

} // namespace WholeFile

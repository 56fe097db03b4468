// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filefolders.h"

#include "platform/programfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace FileFolders {

namespace {

std::optional<QString>& testFile() {
    static std::optional<QString> file;
    return file;
}

std::unique_ptr<QSettings> settings() {
    if (testFile()) return std::make_unique<QSettings>(*testFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Fenoverra"), QStringLiteral("Fenoverra"));
}

QString key(Kind kind) {
    return kind == Kind::Data ? QStringLiteral("cartelle/dati")
                              : QStringLiteral("cartelle/tabelle");
}

QString documents() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

// A folder since removed is forgotten rather than opened.
QString remembered(Kind kind) {
    const QString folder = settings()->value(key(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

QString toRead(Kind kind) {
    if (const QString folder = remembered(kind); !folder.isEmpty()) return folder;
    return kind == Kind::Table ? ProgramFiles::directory() : documents();
}

QString toWrite(Kind kind) {
    const QString folder = remembered(kind);
    return !folder.isEmpty() && QFileInfo(folder).isWritable() ? folder : documents();
}

void remember(Kind kind, const QString& file) {
    // Written only when it changes: a file opened or saved again in the same
    // folder costs no write to disk.
    const auto kept = settings();
    const QString folder = QFileInfo(file).absolutePath();
    if (kept->value(key(kind)).toString() != folder) kept->setValue(key(kind), folder);
}

void setSettingsFileForTesting(std::optional<QString> file) {
    testFile() = std::move(file);
    if (testFile()) settings()->clear();
}

} // namespace FileFolders

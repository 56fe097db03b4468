// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

namespace {

std::optional<QString>& testProgramDirectory() {
    static std::optional<QString> folder;
    return folder;
}

QString installedDirectory() {
    return QDir(programDirectory() + QStringLiteral("/../share/fenoverra")).absolutePath();
}

} // namespace

QString programDirectory() {
    return testProgramDirectory().value_or(QCoreApplication::applicationDirPath());
}

bool installed() {
    return QFileInfo(installedDirectory()).isDir();
}

QString directory() {
    return installed() ? installedDirectory() : programDirectory();
}

QString path(const QString& name) {
    const QString beside = QDir(programDirectory()).filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir(installedDirectory()).filePath(name);
    if (QFileInfo::exists(installed)) return installed;
    return beside;
}

void setProgramDirectoryForTesting(std::optional<QString> folder) {
    testProgramDirectory() = std::move(folder);
}

} // namespace ProgramFiles

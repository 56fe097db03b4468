// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProgramFiles {

namespace {

QString installedDirectory() {
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/fenoverra"))
        .absolutePath();
}

} // namespace

QString directory() {
    const QString installed = installedDirectory();
    if (QFileInfo(installed).isDir()) return installed;
    return QCoreApplication::applicationDirPath();
}

QString path(const QString& name) {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir(installedDirectory()).filePath(name);
    if (QFileInfo::exists(installed)) return installed;
    return beside;
}

} // namespace ProgramFiles

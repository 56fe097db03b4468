// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documentopener.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QQueue>
#include <QStandardPaths>
#include <QUrl>

namespace DocumentOpener {

namespace {

bool doubleOn = false;
QQueue<bool> scriptedResults;
QStringList openedFiles;

// The .desktop entry that handles the file's type, asked of xdg-mime.
bool handlerInstalled(const QString& file) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return true; // cannot tell: let the opener try
    const QString type = QMimeDatabase().mimeTypeForFile(file).name();
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(5000)) return true;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool openForReal(const QString& file) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    if (!handlerInstalled(file)) return false;
    return QProcess::startDetached(xdgOpen, {file});
}

} // namespace

bool open(const QString& file) {
    if (!doubleOn) return openForReal(file);
    openedFiles.append(file);
    return scriptedResults.isEmpty() ? true : scriptedResults.dequeue();
}

void useDouble(bool on) {
    doubleOn = on;
    scriptedResults.clear();
    openedFiles.clear();
}

void setNextResult(bool opened) {
    scriptedResults.enqueue(opened);
}

QStringList opened() {
    return openedFiles;
}

} // namespace DocumentOpener

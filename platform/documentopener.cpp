// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documentopener.h"

#include <QCoreApplication>
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
std::optional<QString> testProgram;

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

// Runs the opener and reports its failure once it is known. Its output goes
// nowhere: a handler left running in the foreground must not fill a pipe
// nobody reads.
void run(const QString& program, const QString& file, const std::function<void()>& failed) {
    auto* process = new QProcess(QCoreApplication::instance());
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if ((status != QProcess::NormalExit || code != 0) && failed) failed();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return; // finished tells
                         process->deleteLater();
                         if (failed) failed();
                     });
    process->start(program, {file});
}

void openForReal(const QString& file, const std::function<void()>& failed) {
    if (testProgram) {
        run(*testProgram, file, failed);
        return;
    }
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)) && failed) failed();
        return;
    }
    if (!handlerInstalled(file)) {
        if (failed) failed();
        return;
    }
    run(xdgOpen, file, failed);
}

} // namespace

void open(const QString& file, std::function<void()> failed) {
    if (!doubleOn) {
        openForReal(file, failed);
        return;
    }
    openedFiles.append(file);
    const bool opened = scriptedResults.isEmpty() ? true : scriptedResults.dequeue();
    if (!opened && failed) failed();
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

void setProgramForTesting(std::optional<QString> program) {
    testProgram = std::move(program);
}

} // namespace DocumentOpener

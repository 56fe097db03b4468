// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace WholeFile {

namespace {

QString reasonOf(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return "accesso negato";
    case QFileDevice::ResourceError:
        return "spazio su disco esaurito o risorse insufficienti";
    case QFileDevice::OpenError:
        return "impossibile aprirlo";
    case QFileDevice::ReadError:
        return "errore di lettura";
    case QFileDevice::WriteError:
        return "errore di scrittura (disco pieno o protetto?)";
    default:
        return "errore del sistema";
    }
}

QString readFailure(const QString& path, const QString& reason) {
    return "Il file " + quoted(path) + " non può essere aperto: " + reason + ".";
}

QString writeFailure(const QString& path, const QString& reason) {
    return "Il file " + quoted(path) + " non può essere salvato: " + reason + ".";
}

// Writes every byte and flushes. A short write the device gave no reason
// for counts as a write error.
QFileDevice::FileError writeAll(QFileDevice& file, const std::string& bytes) {
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) == size && file.flush()) return QFileDevice::NoError;
    return file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
}

// Writes straight into something that is not a regular file (a device such
// as /dev/full): there is nothing to replace, and renaming over it would
// destroy it.
QString writeDirectly(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return writeFailure(path, reasonOf(file.error()));
    const QFileDevice::FileError error = writeAll(file, bytes);
    return error == QFileDevice::NoError ? QString() : writeFailure(path, reasonOf(error));
}

} // namespace

QString quoted(const QString& path) {
    return "\"" + path + "\"";
}

ReadResult read(const QString& path, const QString& kind) {
    const QFileInfo info(path);
    if (!info.exists()) return {std::nullopt, readFailure(path, "il file non esiste")};
    if (info.isDir()) return {std::nullopt, readFailure(path, "è una cartella")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, readFailure(path, reasonOf(file.error()))};
    // Read at most one byte past the limit: that is enough to know it is too big.
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, readFailure(path, reasonOf(file.error()))};
    if (bytes.size() > kMaxFileSize)
        return {std::nullopt, readFailure(path, "è troppo grande per essere " + kind)};
    return {std::move(bytes), {}};
}

QString write(const QString& path, const std::string& bytes) {
    const QFileInfo info(path);
    if (info.isDir()) return writeFailure(path, "è una cartella");
    if (info.exists() && !info.isFile()) return writeDirectly(path, bytes);

    const QString kept = info.exists() ? " Il file precedente è rimasto invariato." : "";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // The new text goes to a temporary file beside the old one first:
        // in a folder the user may not write to, Qt only says it could not open.
        const bool folderLocked = !QFileInfo(info.absolutePath()).isWritable();
        return writeFailure(path, folderLocked ? reasonOf(QFileDevice::PermissionsError)
                                               : reasonOf(file.error())) +
               kept;
    }
    // commit() does not notice a flush that fails while closing (a full disk
    // after a short write) and would rename the truncated file over the old
    // one: flush first and give up on any failure.
    const QFileDevice::FileError error = writeAll(file, bytes);
    if (error != QFileDevice::NoError) {
        file.cancelWriting();
        return writeFailure(path, reasonOf(error)) + kept;
    }
    if (!file.commit()) return writeFailure(path, reasonOf(file.error())) + kept;
    return {};
}

} // namespace WholeFile

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace WholeFile {

namespace {

const QString kDenied = "accesso negato";
const QString kNoFolder = "la cartella che lo contiene non esiste";
const QString kKept = " Il file precedente è rimasto invariato.";

QString reasonOf(QFileDevice::FileError error) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return kDenied;
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

QByteArray nameOf(const QString& path) {
    return QFile::encodeName(path);
}

// 0, or why stat(2) failed; links are followed.
int statOf(const QString& path, struct stat& info) {
    return ::stat(nameOf(path).constData(), &info) == 0 ? 0 : errno;
}

bool isFolder(const QString& path) {
    struct stat info {};
    return statOf(path, info) == 0 && S_ISDIR(info.st_mode);
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// Why a system call failed on `path`.
QString reasonOf(int error, const QString& path) {
    switch (error) {
    case EACCES:
    case EPERM:
        return kDenied;
    case ENOENT:
        return isFolder(folderOf(path)) ? "il file non esiste" : kNoFolder;
    case ENOTDIR:
        return kNoFolder;
    default:
        return "errore del sistema";
    }
}

// Why a file command leaves alone what stands at a path; empty for a plain
// file. A pipe blocks whoever opens it until the other end does.
QString notAFile(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "è una cartella";
    if (S_ISFIFO(mode)) return "è una pipe (FIFO), non un file normale";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "è un dispositivo, non un file normale";
    return "non è un file normale";
}

QString readFailure(const QString& path, const QString& reason) {
    return "Il file " + quoted(path) + " non può essere aperto: " + reason + ".";
}

QString writeFailure(const QString& path, const QString& reason) {
    return "Il file " + quoted(path) + " non può essere salvato: " + reason + ".";
}

QString removeFailure(const QString& path, const QString& reason) {
    return "Il file " + quoted(path) + " non può essere eliminato: " + reason + ".";
}

// With SIGXFSZ ignored, a write past the limit only fails; Qt does not say why.
bool pastSizeLimit(std::size_t size) {
    rlimit limit{};
    return getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
           size > limit.rlim_cur;
}

// QSaveFile only says it could not start the file: a temporary file beside
// the old one (resolved through links), which the old file's rights also
// govern.
QString whyNotStarted(const QString& path, bool exists, QFileDevice::FileError error) {
    const QString target = exists ? QFileInfo(path).canonicalFilePath() : path;
    const QString folder = folderOf(target);
    if (!isFolder(folder)) return kNoFolder;
    if (::access(nameOf(folder).constData(), W_OK | X_OK) != 0 ||
        (exists && ::access(nameOf(target).constData(), W_OK) != 0))
        return kDenied;
    return reasonOf(error);
}

// Writes every byte and flushes. A short write the device gave no reason
// for counts as a write error.
QFileDevice::FileError writeAll(QFileDevice& file, const std::string& bytes) {
    const qint64 size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) == size && file.flush()) return QFileDevice::NoError;
    return file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

QString quoted(const QString& path) {
    return "\"" + path + "\"";
}

ReadResult read(const QString& path, const QString& kind) {
    const auto failed = [&](const QString& reason) {
        return ReadResult{std::nullopt, readFailure(path, reason)};
    };
    struct stat info {};
    if (const int error = statOf(path, info)) return failed(reasonOf(error, path));
    if (const QString why = notAFile(info.st_mode); !why.isEmpty()) return failed(why);
    // Non-blocking, and checked again once open: a pipe put in its place
    // meanwhile must not hang the program.
    const Descriptor file(::open(nameOf(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) return failed(reasonOf(errno, path));
    if (::fstat(file.get(), &info) != 0) return failed(reasonOf(errno, path));
    if (const QString why = notAFile(info.st_mode); !why.isEmpty()) return failed(why);

    // Read at most one chunk past the limit: that is enough to know it is too big.
    QByteArray bytes;
    char chunk[64 * 1024];
    while (bytes.size() <= kMaxFileSize) {
        const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got == 0) break;
        if (got > 0) {
            bytes.append(chunk, got);
        } else if (errno != EINTR) {
            return failed("errore di lettura");
        }
    }
    if (bytes.size() > kMaxFileSize) return failed("è troppo grande per essere " + kind);
    return {std::move(bytes), {}};
}

QString write(const QString& path, const std::string& bytes) {
    struct stat info {};
    const int statError = statOf(path, info);
    const bool exists = statError == 0;
    if (exists) {
        if (const QString why = notAFile(info.st_mode); !why.isEmpty())
            return writeFailure(path, why);
    } else if (statError != ENOENT || !isFolder(folderOf(path))) {
        return writeFailure(path, reasonOf(statError, path));
    }
    const QString kept = exists ? kKept : QString();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(path, whyNotStarted(path, exists, file.error())) + kept;
    // commit() does not notice a flush that fails while closing (a full disk
    // after a short write) and would rename the truncated file over the old
    // one: flush first and give up on any failure.
    const QFileDevice::FileError error = writeAll(file, bytes);
    if (error != QFileDevice::NoError) {
        file.cancelWriting();
        return writeFailure(path, pastSizeLimit(bytes.size())
                                      ? "è troppo grande per il limite di dimensione dei file "
                                        "impostato nel sistema"
                                      : reasonOf(error)) +
               kept;
    }
    if (!file.commit()) return writeFailure(path, reasonOf(file.error())) + kept;
    return {};
}

QString remove(const QString& path) {
    struct stat info {};
    if (const int error = statOf(path, info)) return removeFailure(path, reasonOf(error, path));
    if (const QString why = notAFile(info.st_mode); !why.isEmpty()) return removeFailure(path, why);
    if (::unlink(nameOf(path).constData()) != 0) return removeFailure(path, reasonOf(errno, path));
    return {};
}

} // namespace WholeFile

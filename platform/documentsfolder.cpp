// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/documentsfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace DocumentsFolder {

namespace {

std::optional<QString>& testFolder() {
    static std::optional<QString> folder;
    return folder;
}

QString safeForFileName(QString text) {
    static const QRegularExpression unsafe(QStringLiteral(R"([/\\:*?"<>|\x00-\x1f])"));
    text.replace(unsafe, QStringLiteral("_"));
    text = text.simplified();
    text.replace(u' ', u'-');
    return text.left(60);
}

} // namespace

QString path() {
    QString base = testFolder().value_or(QString());
    if (base.isEmpty()) {
        base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (base.isEmpty()) base = QDir::homePath();
        base += QStringLiteral("/Fenoverra");
    }
    return QDir().mkpath(base) ? QDir(base).absolutePath() : QString();
}

QString newFileName(const QString& what, const QDateTime& when) {
    const QString folder = path();
    if (folder.isEmpty()) return {};
    QString stem = QStringLiteral("Fenoverra");
    if (const QString part = safeForFileName(what); !part.isEmpty()) stem += u'-' + part;
    stem += u'-' + when.toString(QStringLiteral("yyyy-MM-dd-HHmm"));
    QString name = folder + u'/' + stem + QStringLiteral(".odt");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = folder + u'/' + stem + u'-' + QString::number(n) + QStringLiteral(".odt");
    return name;
}

void setPathForTesting(std::optional<QString> folder) {
    testFolder() = std::move(folder);
}

} // namespace DocumentsFolder

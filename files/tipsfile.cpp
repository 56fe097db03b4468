// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/tipsfile.h"

#include "files/format/cp1252.h"

#include <QFile>
#include <QFileInfo>

namespace TipsFile {

std::optional<QStringList> read(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;

    const QString text = QString::fromStdString(fileformat::cp1252ToUtf8(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            line.append(c);
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
        lines.append(line);
        line.clear();
    }
    if (!line.isEmpty()) lines.append(line);
    return lines;
}

} // namespace TipsFile

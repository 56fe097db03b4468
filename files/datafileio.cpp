// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/datafileio.h"

#include "files/wholefile.h"

namespace DataFileIO {

ReadResult read(const QString& path) {
    const WholeFile::ReadResult file = WholeFile::read(path, "un file di dati di Fenoverra");
    if (!file.bytes) return {std::nullopt, file.error};
    const QByteArray& bytes = *file.bytes;
    const fileformat::DataFileReadResult result = fileformat::readDataFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!result.content)
        return {std::nullopt,
                "Il file " + WholeFile::quoted(path) +
                    " non è un file di dati valido: " + QString::fromStdString(result.error) + "."};
    return {result.content, {}};
}

QString write(const QString& path, const fileformat::DataFileContent& content) {
    const fileformat::DataFileWriteResult encoded = fileformat::writeDataFile(content);
    if (!encoded.bytes)
        return "Il file non è stato salvato: " + QString::fromStdString(encoded.error) + ".";
    return WholeFile::write(path, *encoded.bytes);
}

} // namespace DataFileIO

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ratetablefileio.h"

#include "files/wholefile.h"

namespace RateTableFileIO {

ReadResult read(const QString& path) {
    const WholeFile::ReadResult file =
        WholeFile::read(path, "un file di tabella dei tassi di Fenoverra");
    if (!file.bytes) return {std::nullopt, file.error};
    const QByteArray& bytes = *file.bytes;
    const fileformat::RateTableReadResult result = fileformat::readRateTableFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!result.rows)
        return {std::nullopt, "Il file " + WholeFile::quoted(path) +
                                  " non è un file di tabella dei tassi valido: " +
                                  QString::fromStdString(result.error) + "."};
    return {result.rows, {}};
}

QString write(const QString& path, const fileformat::RateTableRows& rows) {
    const fileformat::RateTableWriteResult encoded = fileformat::writeRateTableFile(rows);
    if (!encoded.bytes)
        return "Il file non è stato salvato: " + QString::fromStdString(encoded.error) + ".";
    return WholeFile::write(path, *encoded.bytes);
}

} // namespace RateTableFileIO

// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filekind.h"

#include "files/format/datafile.h"
#include "files/format/ratetablefile.h"
#include "files/wholefile.h"

#include <QFileInfo>

namespace FileKind {

Kind of(const QString& path) {
    const WholeFile::ReadResult file = WholeFile::read(path, "un file di Fenoverra");
    if (file.bytes) {
        const std::string_view bytes(file.bytes->constData(),
                                     static_cast<std::size_t>(file.bytes->size()));
        if (fileformat::readDataFile(bytes).content) return Kind::Data;
        if (fileformat::readRateTableFile(bytes).rows) return Kind::RateTable;
    }
    return QFileInfo(path).fileName().startsWith("Fenoverra-tab-", Qt::CaseInsensitive)
               ? Kind::RateTable
               : Kind::Data;
}

} // namespace FileKind

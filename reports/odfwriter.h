// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a document as OpenDocument Text, the word processors' own format:
// every look (fonts, sizes of blank lines, shading, grid, alignment, page
// breaks) lives in styles, so the text of every paragraph and cell is
// exactly what the document holds, blanks written as the format writes them.
// The table is as wide as the page's text and repeats its heading rows at
// the top of every page.

#include "reports/reportmodel.h"

#include <QString>

namespace OdfWriter {

// Replaces the file, or leaves it as it was and returns false.
bool write(const Report::Document& document, const QString& fileName);

} // namespace OdfWriter

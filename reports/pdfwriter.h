// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a document as PDF on the same page as its OpenDocument copy: the
// same margins, fonts, column widths, shading and grid, the table's heading
// rows again at the top of every page it runs onto.

#include "reports/reportmodel.h"

#include <QString>

namespace PdfWriter {

// Replaces the file, or leaves it as it was and returns false.
bool write(const Report::Document& document, const QString& fileName);

} // namespace PdfWriter

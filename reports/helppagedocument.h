// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A help page written into a new document.

#include "reports/reportmodel.h"

namespace ModFenoverra {

// The program's name (20 points), its description (16), "Guida: " and the
// title (16), the text (12), every paragraph justified.
Report::Document helpPage(const QString& title, const QString& text);

// Writes the help page of that title and text and opens it.
void stampaguida(const QString& titologuida, const QString& testoguida);

} // namespace ModFenoverra

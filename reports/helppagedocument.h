// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A help page written into a new document.

#include "reports/reportmodel.h"

#include <QPointer>

class QLabel;

namespace ModFenoverra {

// Set by a help page's print command before it calls stampaguida.
extern QPointer<QLabel> titologuida;
extern QPointer<QLabel> testoguida;

// The program's name (20 points), its description (16), "Guida: " and the
// title (16), the text (12), every paragraph justified.
Report::Document helpPage(const QString& title, const QString& text);

// Writes the page named by titologuida / testoguida and opens it.
void stampaguida();

} // namespace ModFenoverra

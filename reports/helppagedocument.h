// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A help page written into a new word-processor document.

#include <QPointer>

class QLabel;

namespace ModFenoverra {

// Set by a help page's print command before it calls stampaguida.
extern QPointer<QLabel> titologuida;
extern QPointer<QLabel> testoguida;

// Writes the page named by titologuida / testoguida into a new document:
// the program's name, its description, "Guida: " and the title, the text.
void stampaguida();

} // namespace ModFenoverra

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures compiled into the program (resources/resources.qrc). They
// live in a static library, whose registration the linker drops unless
// something asks for it: call init() before the first ":/..." path is used.
// Calling it again does nothing.

#include <QIcon>
#include <QString>

namespace ProgramResources {

void init();

// A picture of the program by name ("apri", "elimina-riga"), drawn
// beforehand at the sizes it is shown (scripts/render-icons.sh): reading a
// small bitmap costs far less at start-up than rendering its drawing.
QIcon icon(const QString& name);

} // namespace ProgramResources

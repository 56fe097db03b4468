// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of the six help pages, one file each.

#include <QString>

namespace PageTexts {

QString manuale();
QString guidafunzionamento();
QString guidaarchivio();
QString guidastampa();
QString guidadati();
QString guidatabella();

} // namespace PageTexts

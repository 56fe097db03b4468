// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts of the help windows: the faces the windows were drawn with, then
// the nearest ones a Linux desktop has.

#include <QFont>
#include <QStringList>

namespace HelpFonts {

inline QFont sansSerif(double points, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont arialBlack(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setWeight(QFont::Black);
    return font;
}

} // namespace HelpFonts

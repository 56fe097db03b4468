// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Building a window's controls at their designed places in twips, with the
// program's colours and font.

#include <QColor>
#include <QString>

class QWidget;

namespace FormControls {

inline const QColor kWhite(255, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kBlack(0, 0, 0);

// The small sans-serif font of the working windows, for the window and all it holds.
void useWindowFont(QWidget* form);
// The control at its designed place and size, in twips.
void place(QWidget* w, int left, int top, int width, int height);
// An opaque background and a text colour. Disabled, the text is greyed,
// still readable on that background (a contrast of at least 4.5 to 1).
void paint(QWidget* w, const QColor& background, const QColor& text);
// The contrast ratio of two colours, 1 to 21, as accessibility guidelines
// measure it.
double contrast(const QColor& a, const QColor& b);
void makeBold(QWidget* w);
// Setting a tooltip always sends an event, and rows are drawn very often:
// only a real change is set.
void setToolTipIfChanged(QWidget* w, const QString& tip);
// The name of element i of a control array: "period(3)".
QString indexed(const char* name, int i);

} // namespace FormControls

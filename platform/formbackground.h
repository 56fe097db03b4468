// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The background colour of a working window: its form alone, never its
// labels, boxes, buttons or bars, which keep their own colours.
//
// The colour is painted under the window's children rather than put into
// its palette, which every child would inherit. A window loaded anew has
// its design colour; the colour last taken from a colour dialog is kept
// program-wide for the run only.

#include <QColor>

class CommonDialog;
class QWidget;

namespace FormBackground {

// The grey both windows can be given together: C0C0C0.
inline const QColor kGrigio(192, 192, 192);

QColor colour(const QWidget* form);
void setColour(QWidget* form, const QColor& colour);

// The window's colour dialog, opened on the colour last chosen in it: a
// colour chosen there becomes the program's chosen colour and the window's
// background. False, and nothing changed, when the dialog is cancelled.
bool chooseWithDialog(QWidget* form, CommonDialog& dialog);

// The colour last taken from a colour dialog by either window in this run;
// invalid until one is.
QColor chosen();
// Back to the state at start-up (tests).
void forgetChosen();

} // namespace FormBackground

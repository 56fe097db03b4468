// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry is designed in twips (1/1440 inch) and converted with the
// screen's logical DPI (15 twips per pixel at 96 DPI).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace Twips {

double twipsPerPixelX();
double twipsPerPixelY();
int toPixelsX(double twips);
int toPixelsY(double twips);
double fromPixelsX(double pixels);
double fromPixelsY(double pixels);
// A rectangle designed in twips, in pixels.
QRect toPixels(double left, double top, double width, double height);

// The available screen size, in twips.
QSize screenSize();
// Top-left corner of the available screen area, in pixels.
QPoint screenOriginPixels();

// Tests: pretend the screen is this many twips at this many twips per pixel.
void setScreenForTesting(std::optional<QSize> screenTwips, double twipsPerPixel = 15.0);

// A window's own size and place, in twips. Width and height are the client
// area; left and top are the outer corner on the screen.
void resizeWindow(QWidget* window, double width, double height);
void setFixedWindowSize(QWidget* window, double width, double height);
void setWindowLeft(QWidget* window, double left);
void setWindowTop(QWidget* window, double top);
QSize clientSize(const QWidget* window);

} // namespace Twips

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

struct ScreenOverride {
    QSize twips;
    double twipsPerPixel = 15.0;
};
std::optional<ScreenOverride> screenOverride;

constexpr double twipsPerInch = 1440.0;

QScreen* primaryScreen() {
    return QGuiApplication::primaryScreen();
}

double twipsPerPixel(double logicalDpi) {
    return logicalDpi > 0 ? twipsPerInch / logicalDpi : 15.0;
}

} // namespace

namespace Twips {

double twipsPerPixelX() {
    if (screenOverride) return screenOverride->twipsPerPixel;
    QScreen* screen = primaryScreen();
    return screen ? twipsPerPixel(screen->logicalDotsPerInchX()) : 15.0;
}

double twipsPerPixelY() {
    if (screenOverride) return screenOverride->twipsPerPixel;
    QScreen* screen = primaryScreen();
    return screen ? twipsPerPixel(screen->logicalDotsPerInchY()) : 15.0;
}

int toPixelsX(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixelX()));
}
int toPixelsY(double twips) {
    return static_cast<int>(std::lround(twips / twipsPerPixelY()));
}
double fromPixelsX(double pixels) {
    return pixels * twipsPerPixelX();
}
double fromPixelsY(double pixels) {
    return pixels * twipsPerPixelY();
}

QRect toPixels(double left, double top, double width, double height) {
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

QSize screenSize() {
    if (screenOverride) return screenOverride->twips;
    QScreen* screen = primaryScreen();
    if (!screen) return QSize(0, 0);
    const QRect area = screen->availableGeometry();
    return QSize(static_cast<int>(std::lround(fromPixelsX(area.width()))),
                 static_cast<int>(std::lround(fromPixelsY(area.height()))));
}

QPoint screenOriginPixels() {
    if (screenOverride) return QPoint(0, 0);
    QScreen* screen = primaryScreen();
    return screen ? screen->availableGeometry().topLeft() : QPoint(0, 0);
}

void setScreenForTesting(std::optional<QSize> screenTwips, double twipsPerPixel) {
    if (screenTwips)
        screenOverride = ScreenOverride{*screenTwips, twipsPerPixel};
    else
        screenOverride.reset();
}

void resizeWindow(QWidget* window, double width, double height) {
    window->resize(toPixelsX(width), toPixelsY(height));
}

void setFixedWindowSize(QWidget* window, double width, double height) {
    window->setFixedSize(toPixelsX(width), toPixelsY(height));
}

void setWindowLeft(QWidget* window, double left) {
    window->move(screenOriginPixels().x() + toPixelsX(left), window->pos().y());
}

void setWindowTop(QWidget* window, double top) {
    window->move(window->pos().x(), screenOriginPixels().y() + toPixelsY(top));
}

QSize clientSize(const QWidget* window) {
    return QSize(static_cast<int>(std::lround(fromPixelsX(window->width()))),
                 static_cast<int>(std::lround(fromPixelsY(window->height()))));
}

} // namespace Twips

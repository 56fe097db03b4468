// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/formcontrols.h"

#include "platform/twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace FormControls {

void useWindowFont(QWidget* form) {
    QFont small = form->font();
    small.setFamilies({"MS Sans Serif", "Arial", "Liberation Sans", "DejaVu Sans"});
    small.setPointSize(8);
    form->setFont(small);
}

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Twips::toPixels(left, top, width, height));
}

namespace {

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// A dark grey where it reads well, otherwise black or white: out-of-date
// results stay apart from current ones and readable on every cell colour.
QColor greyedTextOn(const QColor& background) {
    for (const QColor& candidate : {QColor(96, 96, 96), QColor(Qt::black), QColor(Qt::white)})
        if (contrast(candidate, background) >= 4.5) return candidate;
    return Qt::black;
}

} // namespace

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void paint(QWidget* w, const QColor& background, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Disabled, QPalette::WindowText, greyedTextOn(background));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void makeBold(QWidget* w) {
    QFont bold = w->font();
    bold.setBold(true);
    w->setFont(bold);
}

QString indexed(const char* name, int i) {
    return QString("%1(%2)").arg(name).arg(i);
}

void setToolTipIfChanged(QWidget* w, const QString& tip) {
    if (w->toolTip() != tip) w->setToolTip(tip);
}

} // namespace FormControls

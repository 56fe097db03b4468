// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbars.h"

#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>

namespace ScrollBars {

namespace {

// The row bars are short: a small handle leaves room for track clicks on
// both sides of it.
class SmallHandleStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_ScrollBarSliderMin) return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* smallHandleStyle() {
    static QStyle* style = new SmallHandleStyle; // lives as long as the program
    return style;
}

} // namespace

void setUpDateBar(QScrollBar* bar, core::DateBarRange range) {
    // Mirroring the bar puts the highest value (the oldest date) at the left
    // and keeps arrows and track clicks moving towards the side they are on.
    bar->setOrientation(Qt::Horizontal);
    bar->setStyle(smallHandleStyle());
    bar->setLayoutDirection(Qt::RightToLeft);
    bar->setRange(range.newest, range.oldest);
    bar->setSingleStep(core::kDateBarSmallStep);
    bar->setPageStep(core::kDateBarLargeStep);
    bar->setValue(range.newest);
}

void setUpRateBar(QScrollBar* bar) {
    bar->setOrientation(Qt::Horizontal);
    bar->setStyle(smallHandleStyle());
    bar->setRange(core::kRateBarLowest, core::kRateBarHighest);
    bar->setSingleStep(core::kRateBarSmallStep);
    bar->setPageStep(core::kRateBarLargeStep);
    bar->setValue(core::kRateBarLowest);
}

void show(QScrollBar* bar, int value) {
    if (bar->value() == value) return;
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

} // namespace ScrollBars

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/scrollbars.h"

#include "core/numbertext.h"

#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace {

constexpr int kRateMin = 1;
constexpr int kRateMax = 10000;

} // namespace

RateBarPosition rateBarPosition(const std::string& rateText) {
    const auto value = core::rateBarValue(rateText);
    if (!value) return {};
    const int held = std::clamp(*value, kRateMin, kRateMax);
    const bool exact =
        held == *value && core::parseNumber(core::rateBarText(held)) == core::parseNumber(rateText);
    return {held, exact};
}

namespace ScrollBars {

namespace {

// The row bars are short: a small handle leaves room for track clicks on
// both sides of it, as on the original bars.
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

void holdQuietly(QScrollBar* bar, int value) {
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
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
    bar->setRange(kRateMin, kRateMax);
    bar->setSingleStep(1);
    bar->setPageStep(100);
    bar->setValue(kRateMin);
}

void showDate(QScrollBar* bar, const std::optional<core::Date>& date, core::Date today,
              core::DateBarRange range) {
    if (!date) return;
    if (const auto value = core::barValueOfDate(*date, today, range)) {
        bar->setValue(*value);
        return;
    }
    holdQuietly(bar, core::difference(*date, today) > range.oldest ? range.oldest : range.newest);
}

void showRate(QScrollBar* bar, const RateBarPosition& position) {
    if (!position.value) return;
    // Only a rate the bar shows exactly may be rewritten by the bar's reaction.
    if (position.exact)
        bar->setValue(*position.value);
    else
        holdQuietly(bar, *position.value);
}

} // namespace ScrollBars

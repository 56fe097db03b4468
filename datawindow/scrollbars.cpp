#include "datawindow/scrollbars.h"

#include "core/numbertext.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace ScrollBars {

namespace {

constexpr int kRateMin = 1;
constexpr int kRateMax = 10000;

void holdQuietly(QScrollBar* bar, int value) {
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

} // namespace

void setUpDateBar(QScrollBar* bar, core::DateBarRange range) {
    // Mirroring the bar puts the highest value (the oldest date) at the left
    // and keeps arrows and track clicks moving towards the side they are on.
    bar->setOrientation(Qt::Horizontal);
    bar->setLayoutDirection(Qt::RightToLeft);
    bar->setRange(range.newest, range.oldest);
    bar->setSingleStep(core::kDateBarSmallStep);
    bar->setPageStep(core::kDateBarLargeStep);
    bar->setValue(range.newest);
}

void setUpRateBar(QScrollBar* bar) {
    bar->setOrientation(Qt::Horizontal);
    bar->setRange(kRateMin, kRateMax);
    bar->setSingleStep(1);
    bar->setPageStep(100);
    bar->setValue(kRateMin);
}

void showDate(QScrollBar* bar, const QString& dateText, core::Date today, core::DateBarRange range) {
    const auto date = core::parseDate(dateText.toStdString());
    if (!date) return;
    if (const auto value = core::barValueOfDate(*date, today, range)) {
        bar->setValue(*value);
        return;
    }
    holdQuietly(bar, core::difference(*date, today) > range.oldest ? range.oldest : range.newest);
}

void showRate(QScrollBar* bar, const QString& rateText) {
    const std::string text = rateText.toStdString();
    const auto value = core::rateBarValue(text);
    if (!value) return;
    const int held = std::clamp(*value, kRateMin, kRateMax);
    // Only a rate the bar shows exactly may be rewritten by the bar's reaction.
    const bool exact = held == *value &&
                       core::parseNumber(core::rateBarText(held)) == core::parseNumber(text);
    if (exact)
        bar->setValue(held);
    else
        holdQuietly(bar, held);
}

} // namespace ScrollBars

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/pagelayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>
#include <array>

namespace {

// Measured large, where hinting cannot round the advances, and scaled.
constexpr int kMeasuringPixels = 1000;
// For the word processor's own measuring, which may differ by a hair.
constexpr double kAllowance = 0.5;

QFont measuringFont(const QString& family, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kMeasuringPixels);
    font.setBold(bold);
    return font;
}

// Widths in points at one font. A table's texts are numbers, dates and short
// words in Latin letters: each character is measured once and the advances
// added up, which kerning could only make narrower. Anything else is
// measured whole.
class Measure {
public:
    Measure(const QString& family, double size, bool bold)
        : metrics_(measuringFont(family, bold)), scale_(size / kMeasuringPixels) {
        advances_.fill(-1);
    }

    double width(const QString& text) {
        double width = 0;
        for (const QChar c : text) {
            if (c.unicode() >= advances_.size()) return metrics_.horizontalAdvance(text) * scale_;
            double& advance = advances_[c.unicode()];
            if (advance < 0) advance = metrics_.horizontalAdvance(c) * scale_;
            width += advance;
        }
        return width;
    }

private:
    QFontMetricsF metrics_;
    double scale_;
    std::array<double, 0x250> advances_; // up to the end of Latin Extended-B
};

} // namespace

namespace PageLayout {

TableGeometry geometry(const Report::Table& table) {
    const qsizetype n = table.columns.size();
    TableGeometry result;
    if (n == 0) return result;
    Measure regular(table.font, table.size, false);
    Measure bold(table.font, table.size, true);

    QList<double> texts(n, 0.0);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        Measure& measure = r == 0 ? bold : regular;
        const QStringList& row = table.rows.at(r);
        for (qsizetype c = 0; c < n && c < row.size(); ++c)
            texts[c] = std::max(texts[c], measure.width(row.at(c)));
    }
    double textsTotal = 0;
    for (double& width : texts) {
        width += kAllowance;
        textsTotal += width;
    }

    const double room = kTextWidth - textsTotal - 2 * kGridWidth * double(n);
    if (room < 0) { // it cannot fit: every column gives up the same share
        for (double width : texts)
            result.columns.append((width + 2 * kGridWidth) * kTextWidth /
                                  (textsTotal + 2 * kGridWidth * double(n)));
        return result;
    }
    const double blank = regular.width(QStringLiteral(" "));
    result.padding = std::min(blank, room / (2 * double(n)));
    const double left = room - 2 * result.padding * double(n);
    for (double width : texts)
        result.columns.append(width + 2 * (kGridWidth + result.padding) +
                              left * width / textsTotal);
    return result;
}

} // namespace PageLayout

#include "reports/pagelayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>

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

} // namespace

namespace PageLayout {

double textWidth(const QString& text, const QString& family, double size, bool bold) {
    return QFontMetricsF(measuringFont(family, bold)).horizontalAdvance(text) * size /
           kMeasuringPixels;
}

TableGeometry geometry(const Report::Table& table) {
    const qsizetype n = table.columns.size();
    TableGeometry result;
    if (n == 0) return result;
    const QFontMetricsF regular(measuringFont(table.font, false));
    const QFontMetricsF bold(measuringFont(table.font, true));
    const double scale = table.size / kMeasuringPixels;

    QList<double> texts(n, 0.0);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QFontMetricsF& metrics = r == 0 ? bold : regular;
        const QStringList& row = table.rows.at(r);
        for (qsizetype c = 0; c < n && c < row.size(); ++c)
            if (!row.at(c).isEmpty())
                texts[c] = std::max(texts[c], metrics.horizontalAdvance(row.at(c)) * scale);
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
    const double blank = regular.horizontalAdvance(QLatin1Char(' ')) * scale;
    result.padding = std::min(blank, room / (2 * double(n)));
    const double left = room - 2 * result.padding * double(n);
    for (double width : texts)
        result.columns.append(width + 2 * (kGridWidth + result.padding) +
                              left * width / textsTotal);
    return result;
}

} // namespace PageLayout

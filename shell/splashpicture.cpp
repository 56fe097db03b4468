// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splashpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace SplashPicture {

QPixmap draw(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    // Rounded tile.
    QLinearGradient tile(0, 0, 0, h);
    tile.setColorAt(0, QColor(0xFF, 0xF4, 0xD6));
    tile.setColorAt(1, QColor(0xF2, 0xD9, 0x8C));
    p.setPen(QPen(QColor(0x8B, 0x1E, 0x2D), w / 40));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(w * 0.03, h * 0.03, w * 0.94, h * 0.94), w * 0.12, h * 0.12);

    // Stacks of coins, higher each year.
    const int stacks = 4;
    const qreal coinW = w * 0.16;
    const qreal coinH = h * 0.05;
    for (int s = 0; s < stacks; ++s) {
        const qreal x = w * 0.12 + s * w * 0.2;
        const int coins = 2 + s * 2;
        for (int c = 0; c < coins; ++c) {
            const qreal y = h * 0.84 - (c + 1) * coinH;
            p.setPen(QPen(QColor(0x7A, 0x5A, 0x0B), w / 120));
            p.setBrush(QColor(0xE0, 0xB0, 0x30));
            p.drawRoundedRect(QRectF(x, y, coinW, coinH * 0.95), coinH * 0.4, coinH * 0.4);
        }
    }

    // The rising curve of compound interest.
    QPainterPath curve;
    curve.moveTo(w * 0.12, h * 0.66);
    curve.cubicTo(w * 0.45, h * 0.62, w * 0.65, h * 0.45, w * 0.84, h * 0.18);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8B, 0x1E, 0x2D), w / 28, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curve);
    QPainterPath head;
    head.moveTo(w * 0.88, h * 0.12);
    head.lineTo(w * 0.74, h * 0.17);
    head.lineTo(w * 0.85, h * 0.28);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8B, 0x1E, 0x2D));
    p.drawPath(head);

    // Percent sign.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPixelSize(int(h * 0.26));
    p.setFont(font);
    p.setPen(QColor(0x1F, 0x5F, 0x3A));
    p.drawText(QRectF(w * 0.1, h * 0.08, w * 0.4, h * 0.32), Qt::AlignCenter, QStringLiteral("%"));
    return picture;
}

} // namespace SplashPicture

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/titlelabel.h"

#include <QPainter>
#include <QStyle>

TitleLabel::TitleLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void TitleLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event); // the frame alone
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QStringList lines = text().split('\n');
    const int lineHeight = fontMetrics().height();
    int top = area.top() + (area.height() - lineHeight * int(lines.size())) / 2;
    for (const QString& line : lines) {
        const QString shown = fontMetrics().elidedText(line, Qt::ElideMiddle, area.width());
        style()->drawItemText(&painter, QRect(area.left(), top, area.width(), lineHeight),
                              int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter,
                              palette(), isEnabled(), shown, foregroundRole());
        top += lineHeight;
    }
}

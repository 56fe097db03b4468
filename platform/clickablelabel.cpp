// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clickablelabel.h"

#include <QMouseEvent>
#include <utility>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText); // texts come from files: never read them as markup
    setMouseTracking(true);
}

void ClickableLabel::setTextIfChanged(const QString& text) {
    if (text != this->text()) setText(text);
}

// The label takes its own mouse events: a move over it must not also reach
// the window, whose free-area move would undo the highlight.
void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (std::exchange(inDoubleClick_, false)) return;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!reportsDoubleClicks_ || event->button() != Qt::LeftButton) {
        QLabel::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    inDoubleClick_ = true;
    emit doubleClicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

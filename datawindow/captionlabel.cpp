#include "datawindow/captionlabel.h"

#include <QMouseEvent>

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText); // texts come from files: never read them as markup
    setMouseTracking(true);
}

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == text()) return;
    setText(caption);
    emit captionChanged(caption);
}

// The label takes its own mouse events: a move over it must not also reach
// the window, whose free-area move would undo the highlight.
void CaptionLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/captionlabel.h"

#include <QMouseEvent>

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText); // texts come from files: never read them as markup
    setMouseTracking(true);
}

int CaptionLabel::batchDepth_ = 0;
std::vector<CaptionLabel*> CaptionLabel::behind_;

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == caption_) return;
    // A copy: the reaction may change whatever `caption` refers to.
    const QString shown = caption;
    caption_ = shown;
    if (batchDepth_ == 0) {
        setText(shown);
    } else if (!displayBehind_) {
        displayBehind_ = true;
        behind_.push_back(this);
    }
    emit captionChanged(shown);
}

CaptionLabel::Batch::Batch() {
    ++batchDepth_;
}

CaptionLabel::Batch::~Batch() {
    if (--batchDepth_ > 0) return;
    // Labels are owned by their window, which outlives any batch it opens.
    for (CaptionLabel* label : behind_) {
        label->displayBehind_ = false;
        label->setText(label->caption_);
    }
    behind_.clear();
}

// The label takes its own mouse events: a move over it must not also reach
// the window, whose free-area move would undo the highlight.
void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

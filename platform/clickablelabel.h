// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label of the working windows' rows that reports a click and the mouse
// passing over it (row numbers, start dates).

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // Only a real change is set: the rows are drawn after every change.
    void setTextIfChanged(const QString& text);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

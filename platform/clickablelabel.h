// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label of the working windows' rows that reports a click and the mouse
// passing over it (row numbers, start dates), and, when asked to, a
// double-click (the cells a value can be typed into).

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // Only a real change is set: the rows are drawn after every change.
    void setTextIfChanged(const QString& text);
    // A double-click is reported as one, after the click of its first
    // press; otherwise its second press counts as a second click.
    void reportDoubleClicks() { reportsDoubleClicks_ = true; }

signals:
    void clicked();
    void doubleClicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool reportsDoubleClicks_ = false;
    // The release that ends a reported double-click is not a click.
    bool inDoubleClick_ = false;
};

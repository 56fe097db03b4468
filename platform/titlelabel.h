// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A title of one or two lines (a new line in its text breaks it) that keeps
// its text whole: a line too long for the label, such as a file's path, is
// shown shortened in the middle, while text() still gives all of it.

#include <QLabel>

class TitleLabel : public QLabel {
    Q_OBJECT
public:
    explicit TitleLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

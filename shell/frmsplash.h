// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The closing screen `frmSplash`: shown by a confirmed exit, with music.
// A click anywhere on it pauses the music and opens the Data window again;
// a key press closes the music and the window.

#include <QMap>
#include <QWidget>

class QLabel;
class MMControl;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    MMControl* MMControl1() const { return music_; }
    QLabel* label(int index) const { return labels_.value(index); }
    void setLabelCaption(int index, const QString& caption);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Click();
    void closeMusic();

    QMap<int, QLabel*> labels_;
    MMControl* music_;
    bool pressed_ = false;
    bool musicClosed_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label whose caption change is an event: captionChanged fires only when
// setCaption really changes the text, so chains of reactions come to an end.

#include <QLabel>
#include <vector>

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    // While a batch is open, captions (and their reactions) change at once
    // but reach the screen when the outermost batch closes: a calculation
    // redraws the rows once per period and only the last drawing is seen.
    class Batch {
    public:
        Batch();
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
    };

signals:
    void captionChanged(const QString& caption);
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString caption_;
    bool displayBehind_ = false;

    static int batchDepth_;
    static std::vector<CaptionLabel*> behind_;
};

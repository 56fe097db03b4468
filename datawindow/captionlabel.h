#pragma once
// A label whose caption change is an event: captionChanged fires only when
// setCaption really changes the text, so chains of reactions come to an end.

#include <QLabel>

class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

signals:
    void captionChanged(const QString& caption);
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

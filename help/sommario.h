// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contents of the built-in help, `sommario`: seven topic links, each
// with an arrow button, in three groups (general topics, the two working
// windows, the tips). It writes the whole guide, hides itself and offers
// the exit.
//
// The link under the pointer is bold, and only that one (azzeragrassetto
// clears the others). Pressing a link takes its border away and opens the
// topic at once; releasing gives the border back.

#include "platform/clsresize.h"

#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

class Sommario : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTopics = 7;

    explicit Sommario(QWidget* parent = nullptr);

    // The window a topic opens; any index outside the list opens the quick manual.
    static QString topicWindow(int index);

    // puls_Click and the links: opens the topic, modeless.
    void apriArgomento(int index);
    // Sets every link back to normal weight.
    void azzeragrassetto();
    // cmdstampa: writes the whole guide and saves it in the guide's folder.
    void scriviguida();
    // Where the guide is saved: the program's own folder (tests: another).
    void setGuideDirectory(const QString& directory) { guideDirectory_ = directory; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void costruisci();

    clsResize resize_;
    QString guideDirectory_;
    std::array<QLabel*, kTopics + 1> lbl_{};
};

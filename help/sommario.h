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
struct ProgramContext;

class Sommario : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTopics = 7;

    explicit Sommario(ProgramContext& context, QWidget* parent = nullptr);

    // The window a topic opens; any index outside the list opens the quick manual.
    static QString topicWindow(int index);

    // puls_Click and the links: opens the topic, modeless.
    void apriArgomento(int index);
    // Sets every link back to normal weight.
    void azzeragrassetto();
    // cmdstampa: writes the whole guide, saves and opens it (GuideDocument).
    void scriviguida();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void costruisci();

    ProgramContext& context_;
    clsResize resize_;
    std::array<QLabel*, kTopics + 1> lbl_{};
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Data window and the rate-table window are both built on: the
// designed size and its scaling, the menu bar and the toolbar and the
// commands they give, the row numbers lit under the mouse, the common
// dialog, and the messages both windows give alike.
//
// A window derived from it makes its controls from its own tables
// (makeControls); connects them in one function; draws its model in one
// function, with the controls in `inputs_` quiet meanwhile; then takes its
// designed size (fitDesignedSize).

#include "platform/clsresize.h"
#include "platform/commandbars.h"
#include "platform/commondialog.h"
#include "platform/formcontrols.h"

#include <QWidget>
#include <functional>
#include <span>
#include <vector>

class ClickableLabel;
struct ProgramContext;

// What tells one working window from the other, its controls apart.
struct WindowDesign {
    const char* name; // in the window registry
    QString title;
    const char* helpPage; // its page of the guide
    // The question of its own "Finestra" entry, and that box's title.
    QString helpQuestion;
    QString helpQuestionTitle;
    // What "&AIUTO" tells.
    QString usage;
    CommandBars::Spelling menus;
};

class WorkingWindow : public QWidget {
    Q_OBJECT
public:
    // The designed client size of both windows, in twips, and the band at
    // its top left to the menu bar and the toolbar.
    static constexpr int kFormWidth = 9600;
    static constexpr int kFormHeight = 6825;
    static constexpr int kBarsBand = 760;

    // The window's one common dialog.
    CommonDialog& dialogo() { return dialogo_; }

public slots:
    // The commands of the menus and the toolbar that each window gives its own way.
    virtual void apri() = 0;
    virtual void salva() = 0;
    virtual void salvanome() = 0;
    virtual void elimina() = 0;
    virtual void stampa() = 0;
    virtual void esportapdf() = 0;
    virtual void colorare() = 0;
    virtual void controlla() = 0;
    virtual void cancella() = 0;
    // The window's own "Finestra" entry: asks whether to show its help page.
    void domandaguida();
    // The "&AIUTO" button: how to use the window.
    void aiuto();

protected:
    using Command = CommandBars::Command;

    WorkingWindow(ProgramContext& context, const WindowDesign& design, QWidget* parent);

    // Makes the controls above the rows, the rows, the controls below them
    // and beside them, in that order (the order Tab goes through them);
    // then the bars, every control moved below them. The colour dialog
    // opens on the window's own colour until one is chosen.
    void makeControls(std::span<const FormControls::Control> above,
                      const std::function<void()>& makeRows,
                      std::span<const FormControls::Control> below);
    // The window at its designed size, at 75 % of the screen first: the
    // same layout object throughout, so that the controls come back to
    // their designed places however often it is done.
    void fitDesignedSize();

    void run(Command command);
    // A click on the button of that name runs the command.
    void runOnClick(const char* button, Command command);
    // The row number is lit yellow while the mouse is over it.
    void lightUnderMouse(ClickableLabel* number);
    // Every row number cyan again.
    void highlightNumbers();

    // An insertion refused: 200 periods or rows already.
    void tellListFull();

    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    ProgramContext& context_;
    CommonDialog dialogo_;
    // The controls whose change is a gesture: quiet while the window draws.
    std::vector<QObject*> inputs_;

private:
    // "Finestra Dati", "Finestra Tabella tassi": the other window, or the
    // help question of this one.
    void showOrAsk(const char* window);

    const WindowDesign design_;
    clsResize resize_;
    std::vector<ClickableLabel*> numbers_;
};

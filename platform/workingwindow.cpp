// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/workingwindow.h"

#include "platform/clickablelabel.h"
#include "platform/formbackground.h"
#include "platform/formcontrols.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programcontext.h"
#include "platform/twips.h"
#include "platform/windownames.h"
#include "platform/windowregistry.h"

#include <QPushButton>

using namespace FormControls;

WorkingWindow::WorkingWindow(ProgramContext& context, const WindowDesign& design, QWidget* parent)
    : QWidget(parent), context_(context), design_(design) {
    setObjectName(design.name);
    setWindowTitle(design.title);
    setAttribute(Qt::WA_DeleteOnClose);
    useWindowFont(this);
    setMouseTracking(true);
}

void WorkingWindow::makeControls(std::span<const Control> above,
                                 const std::function<void()>& makeRows,
                                 std::span<const Control> below) {
    for (const Control& control : above)
        make(this, control);
    makeRows();
    for (const Control& control : below)
        make(this, control);
    CommandBars::build(this, design_.menus, [this](Command command) { run(command); });
    CommandBars::fitBelowBars(this, {kFormWidth, kFormHeight}, kBarsBand);
    dialogo_.Color = FormBackground::colour(this);
}

void WorkingWindow::fitDesignedSize() {
    resize_.setSourceForm(this);
    resize_.SizeFormToScreen(75);
    Twips::resizeWindow(this, kFormWidth, kFormHeight);
    // Shrunk further, the controls would crowd into each other.
    setMinimumSize(size() / 2);
    resize_.ResizeControls();
}

void WorkingWindow::run(Command command) {
    switch (command) {
    case Command::Apri:
        apri();
        break;
    case Command::Salva:
        salva();
        break;
    case Command::SalvaNome:
        salvanome();
        break;
    case Command::Elimina:
        elimina();
        break;
    case Command::Stampa:
        stampa();
        break;
    case Command::EsportaPdf:
        esportapdf();
        break;
    case Command::Esci:
        context_.confermauscita();
        break;
    case Command::Colorare:
        colorare();
        break;
    case Command::Controlla:
        controlla();
        break;
    case Command::Cancella:
        cancella();
        break;
    case Command::FinestraDati:
        showOrAsk(WindowName::dati);
        break;
    case Command::FinestraTabella:
        showOrAsk(WindowName::tabella);
        break;
    case Command::MostraTabella:
        WindowRegistry::show(WindowName::tabella);
        break;
    case Command::Guida:
        WindowRegistry::show(WindowName::sommario);
        break;
    case Command::Suggerimenti:
        WindowRegistry::show(WindowName::frmTip);
        break;
    case Command::Informazioni:
        WindowRegistry::show(WindowName::informa);
        break;
    case Command::Finestra:
        WindowRegistry::show(design_.helpPage);
        break;
    case Command::Aiuto:
        aiuto();
        break;
    }
}

void WorkingWindow::showOrAsk(const char* window) {
    if (objectName() == QLatin1String(window))
        domandaguida();
    else
        WindowRegistry::show(window);
}

void WorkingWindow::runOnClick(const char* button, Command command) {
    connect(findChild<QPushButton*>(button), &QPushButton::clicked, this,
            [this, command] { run(command); });
}

void WorkingWindow::lightUnderMouse(ClickableLabel* number) {
    numbers_.push_back(number);
    connect(number, &ClickableLabel::mouseMoved, this, [this, number] {
        highlightNumbers();
        paint(number, kYellow, kBlack);
    });
}

// The row number under the mouse is yellow, the others cyan.
void WorkingWindow::highlightNumbers() {
    for (ClickableLabel* number : numbers_)
        if (number->palette().color(QPalette::Window) != kCyan) paint(number, kCyan, kBlack);
}

void WorkingWindow::domandaguida() {
    const MsgAnswer answer =
        MessageBox::show(this, design_.helpQuestion, MsgStyle::YesNo | MsgStyle::Question,
                         design_.helpQuestionTitle);
    if (answer == MsgAnswer::Yes) WindowRegistry::show(design_.helpPage);
}

void WorkingWindow::aiuto() {
    MessageBox::show(this, design_.usage, MsgStyle::OkOnly | MsgStyle::Information,
                     ModFenoverra::titoloaiuto);
}

void WorkingWindow::tellListFull() {
    MessageBox::show(this, "Siamo già a 200 periodi: non è possibile aggiungerne degli altri.",
                     MsgStyle::OkOnly | MsgStyle::Information, ModFenoverra::titolocontrollo);
}

void WorkingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resize_.ResizeControls();
}

void WorkingWindow::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    highlightNumbers();
}

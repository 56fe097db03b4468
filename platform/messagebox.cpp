// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.h"

#include "platform/modfenoverra.h"

#include <QMessageBox>
#include <QQueue>

namespace {

bool doubleOn = false;
QQueue<MsgAnswer> scriptedAnswers;
QList<MessageBox::Shown> shownBoxes;
QStringList unscriptedBoxes;

// The buttons of a style, in the order the style's default-button bits count them.
QList<MsgAnswer> buttonsOf(int style) {
    switch (style & 0x0F) {
    case MsgStyle::OkCancel:
        return {MsgAnswer::Ok, MsgAnswer::Cancel};
    case MsgStyle::YesNoCancel:
        return {MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::Cancel};
    case MsgStyle::YesNo:
        return {MsgAnswer::Yes, MsgAnswer::No};
    default:
        return {MsgAnswer::Ok};
    }
}

MsgAnswer defaultAnswer(int style) {
    const QList<MsgAnswer> buttons = buttonsOf(style);
    const int index = (style >> 8) & 0x03;
    return buttons.value(index, buttons.first());
}

// What closing the box without choosing a button means: cancel where there
// is one, otherwise the harmless answer.
MsgAnswer escapeAnswer(int style) {
    const QList<MsgAnswer> buttons = buttonsOf(style);
    if (buttons.contains(MsgAnswer::Cancel)) return MsgAnswer::Cancel;
    if (buttons.contains(MsgAnswer::No)) return MsgAnswer::No;
    return MsgAnswer::Ok;
}

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case MsgStyle::Critical:
        return QMessageBox::Critical;
    case MsgStyle::Question:
        return QMessageBox::Question;
    case MsgStyle::Exclamation:
        return QMessageBox::Warning;
    case MsgStyle::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton standardButtonOf(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QString titleOrProgramName(const QString& title) {
    if (!title.isEmpty()) return title;
    return ModFenoverra::programTitle();
}

// Prompts end their lines with a carriage return alone, which a Qt label does not break on.
QString displayedLines(QString prompt) {
    prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    prompt.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return prompt;
}

MsgAnswer showReal(QWidget* parent, const QString& prompt, int style, const QString& title) {
    QMessageBox box(iconOf(style), titleOrProgramName(title), displayedLines(prompt),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    const QList<MsgAnswer> buttons = buttonsOf(style);
    for (MsgAnswer answer : buttons)
        box.addButton(standardButtonOf(answer));
    box.setDefaultButton(standardButtonOf(defaultAnswer(style)));
    box.setEscapeButton(box.button(standardButtonOf(escapeAnswer(style))));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (MsgAnswer answer : buttons) {
        if (clicked == box.button(standardButtonOf(answer))) return answer;
    }
    return escapeAnswer(style);
}

} // namespace

MsgAnswer MessageBox::show(QWidget* parent, const QString& prompt, int style,
                           const QString& title) {
    if (!doubleOn) return showReal(parent, prompt, style, title);
    shownBoxes.append(Shown{prompt, style, titleOrProgramName(title)});
    if (!scriptedAnswers.isEmpty()) return scriptedAnswers.dequeue();
    unscriptedBoxes.append(prompt);
    return escapeAnswer(style);
}

void MessageBox::useDouble(bool on) {
    doubleOn = on;
    scriptedAnswers.clear();
    shownBoxes.clear();
    unscriptedBoxes.clear();
}

void MessageBox::setNextAnswer(MsgAnswer a) {
    scriptedAnswers.enqueue(a);
}

QList<MessageBox::Shown> MessageBox::shown() {
    return shownBoxes;
}

void MessageBox::clearShown() {
    shownBoxes.clear();
}

QStringList MessageBox::unscripted() {
    return unscriptedBoxes;
}

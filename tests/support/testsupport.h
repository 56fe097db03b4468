// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers every window test shares: controls found and driven by object
// name, the message boxes shown, files in a temporary folder, and the last
// document written.

#include "platform/messagebox.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QScrollBar;
class QTemporaryDir;

// The styles of the program's message boxes, by what each box is for.
namespace BoxStyle {
inline constexpr int kInformation = MsgStyle::OkOnly | MsgStyle::Information;
inline constexpr int kWarning = MsgStyle::OkOnly | MsgStyle::Exclamation;
inline constexpr int kStop = MsgStyle::OkOnly | MsgStyle::Critical;
inline constexpr int kQuestion = MsgStyle::YesNo | MsgStyle::Question;
// The exit's: No is the button Enter presses.
inline constexpr int kQuestionNoByDefault = kQuestion | MsgStyle::DefaultButton2;
// Yes and No with no icon, as the colour command asks.
inline constexpr int kYesNo = MsgStyle::YesNo;
} // namespace BoxStyle

// The titles of the program's message boxes, written out as the user reads
// them, so a title changed in the program is a title the tests notice.
namespace BoxTitle {
inline const QString kProgram = QStringLiteral("Fenoverra");
inline const QString kCheck =
    QStringLiteral("Fenoverra: controllo dati immessi nella finestra attiva");
inline const QString kHelp = QStringLiteral("Fenoverra: aiuto in linea");
} // namespace BoxTitle

// The title of the dialog that picks a file to delete.
inline const QString kDeleteDialogTitle =
    QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");

template <typename T = QWidget> T* findControl(QWidget* form, const QString& name) {
    if (form->objectName() == name) return qobject_cast<T*>(form);
    return form->findChild<T*>(name);
}

QString row(const char* name, int i);             // "data1(3)"
QString text(QWidget& form, const QString& name); // caption or field text
QScrollBar* bar(QWidget& form, const QString& name);
void click(QWidget& form, const QString& name); // a button or a clickable label

// The prompts of the message boxes shown since the last clear.
QStringList prompts();
// The last box shown since the last clear (empty when none).
MessageBox::Shown lastBox();

QByteArray contentsOf(const QString& path);
// A file in `dir`, written when there are bytes.
QString tempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes = {});

// The last document the commands wrote and asked to open (empty: none).
QString lastDocument();

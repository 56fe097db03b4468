// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers every window test shares: controls found and driven by object
// name, the message boxes and dialogs shown, files in a temporary folder,
// and a document read back paragraph by paragraph.

#include <QString>
#include <QStringList>
#include <QWidget>

class QScrollBar;
class QTemporaryDir;
class WordDocument;
class WordTable;

template <typename T = QWidget> T* findControl(QWidget* form, const QString& name) {
    if (form->objectName() == name) return qobject_cast<T*>(form);
    return form->findChild<T*>(name);
}

QString row(const char* name, int i);             // "data1(3)"
QString text(QWidget& form, const QString& name); // caption or field text
QScrollBar* bar(QWidget& form, const QString& name);
void click(QWidget& form, const QString& name); // a button or a clickable label

// The message boxes shown since the last clear, as "style|title|prompt".
QStringList boxes();
// The one box shown since the last clear, or how many there were.
QString box();
// The file dialogs shown since the last call, as "title|filter|index|name field".
QStringList dialogs();

QByteArray contentsOf(const QString& path);
// A file in `dir`, written when there are bytes.
QString tempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes = {});

// Each paragraph outside tables as "text|size", led by "\f" when it starts a
// page and followed by "|family" when not in Century Gothic; an empty
// paragraph's size is its mark's.
QStringList paragraphsOf(const WordDocument* document);
QString tableRow(const WordTable* table, int row); // the cells joined by "|"

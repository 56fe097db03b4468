// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common dialog of a working window: Open, Save and Colour, with the
// properties the window sets before showing it. One object per window; the
// file name is kept from one use to the next.
//
// Filter syntax: "descrizione|modello|descrizione|modello", blanks around each
// part trimmed; FilterIndex is 1-based. The real dialogs are Qt's own
// (non-native) ones. Tests switch to the double and script the answers.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

class CommonDialog {
public:
    QString DialogTitle;
    QString Filter;
    int FilterIndex = 1;
    QString FileName;
    // The folder a file dialog opens in; FileName then gives only the name.
    QString InitDir;
    QColor Color = Qt::white;

    // false when cancelled; on success FileName (or Color) holds the choice.
    bool ShowOpen(QWidget* parent);
    bool ShowSave(QWidget* parent);
    bool ShowColor(QWidget* parent);

    // The filter list as Qt name filters, "descrizione (modelli)".
    static QStringList qtNameFilters(const QString& filter);

    // --- test double ---
    enum class Kind { Open, Save, Color };
    struct Shown {
        Kind kind;
        QString title;
        QString filter;
        int filterIndex;
        QString fileName; // the name field as the dialog opened
        QColor color;     // the colour it opened on
        QString folder;   // the folder it opened in
    };
    static void useDouble(bool on);
    static void setNextFileName(const QString& name); // queued answer
    static void setNextColor(const QColor& c);        // queued answer
    static void setNextCancel();                      // queued answer
    static QList<Shown> shown();
    static void clearShown();
    // Titles of dialogs shown with no answer queued: answered as cancelled,
    // and a failure for the test fixture.
    static QStringList unscripted();
};

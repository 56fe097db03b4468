// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about window, `informa`: the program's name, description and version.
// OK hides it; showing it again shows the same window and texts.

#include <QString>
#include <QWidget>

class informa : public QWidget {
    Q_OBJECT
public:
    explicit informa(QWidget* parent = nullptr);

    // "edizione professionale - versione ", the version, two blanks, the
    // release year with a blank for its sign, "- 20" and the last two
    // characters of the build code: "... 1.0   2004- 2009".
    static QString versionLine(const QString& versione, const QString& datarilascio,
                               const QString& datacompilazione);

    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* event) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tip of the day, `frmTip`: tips read from the tips file beside the
// program, one a line, shown one at a time. "Successivo" goes on from the
// last tip to the first, "Precedente" stops at the first. Hidden by
// "Chiudi", it keeps its tips and the one on show.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

class frmTip : public QWidget {
    Q_OBJECT
public:
    // The tips file shipped with the program.
    static QString defaultTipsPath();
    // The missing-file explanation shown in place of a tip.
    static QString missingFileText();

    // Loading the window reads the tips file at `tipsPath`.
    explicit frmTip(const QString& tipsPath = defaultTipsPath(), QWidget* parent = nullptr);

    // Reads every line of the file into TipList and shows the first tip;
    // false when there is no file to read.
    bool LoadTips(const QString& path);
    void AdvanceTip();
    void DisplayCurrentTip();

    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

    int tipIndex() const { return TipIndex; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void costruisci();

    QStringList TipList;
    int TipIndex = 0;
    QLabel* lblTipText_ = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The six help pages: a title, the page text and three buttons to close the
// page, go back to the contents and write the page into a document. One
// class; each page is a row of the designs below.

#include "platform/clsresize.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

struct HelpPageDesign {
    QString form;  // the window's name
    QString title; // caption of Label1
    int width;     // twips; every page is 6825 high
    std::optional<int> left;
    // Button names, as each page spells them.
    QString closeName;
    QString printName;
    QString contentsName;
    bool toolTips;     // only the quick manual explains its buttons
    double textPoints; // the whole text fits at the designed size
    QString (*text)();
};

namespace HelpPages {

inline constexpr int kHeight = 6825;

// The six pages, in the order of the guide.
const QList<HelpPageDesign>& all();

} // namespace HelpPages

class HelpPage : public QWidget {
    Q_OBJECT
public:
    explicit HelpPage(const HelpPageDesign& design, QWidget* parent = nullptr);

    QString title() const;
    QString text() const;

    // Close: the page is unloaded.
    void chiudi();
    // Back to the contents, which comes forward; the page stays open.
    void sommario();
    // Writes this page into a new document.
    void stampa();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void costruisci(const HelpPageDesign& design);

    clsResize resize_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
};

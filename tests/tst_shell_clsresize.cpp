// SPDX-License-Identifier: GPL-3.0-or-later
// Proportional layout: scaling from the record, tags, special controls.

#include "platform/clsresize.h"
#include "platform/twips.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

template <typename T> static T* add(T* control, const char* name, QRect geometry = {}) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void init() { Twips::setScreenForTesting(QSize(15360, 11520), 15.0); }
    void cleanup() { Twips::setScreenForTesting(std::nullopt); }

    // A window designed at 600 x 400 pixels (9000 x 6000 twips at 96 DPI),
    // doubled and back: a plain control scales, "@" pins, "@LT" only moves, a
    // combo keeps its height, a line its thickness, a nested control scales.
    void scalesFromTheRecord() {
        QWidget form;
        form.resize(600, 400);
        add(new QLabel(&form), "etichetta", {30, 45, 120, 30});
        add(new QPushButton(&form), "pulsante", {300, 300, 90, 40});
        add(new QLabel(&form), "fisso", {10, 350, 80, 20})->setProperty("Tag", "@");
        add(new QLabel(&form), "spostato", {400, 20, 60, 20})->setProperty("Tag", "@LT");
        add(new QComboBox(&form), "moneta", {200, 60, 150, 26});
        add(new QFrame(&form), "linea", {20, 200, 500, 3})->setFrameShape(QFrame::HLine);
        add(new QLabel(add(new QFrame(&form), "cornice", {60, 220, 240, 120})), "interno",
            {12, 18, 90, 24});
        const auto layout = [&] { // a failure names the index in this order
            QList<QRect> all;
            for (const char* name :
                 {"etichetta", "fisso", "spostato", "moneta", "linea", "interno"})
                all << findControl(&form, name)->geometry();
            return all;
        };
        const QList<QRect> designed = layout();
        clsResize resize;
        resize.setSourceForm(&form);
        const auto resizeTo = [&](QSize size) { form.resize(size), resize.ResizeControls(); };
        resizeTo({600, 400}); // records only
        QCOMPARE(layout(), designed);
        delete findControl(&form, "pulsante"); // a control gone since: skipped
        form.setWindowState(Qt::WindowMinimized);
        resizeTo({1200, 800}); // minimised: left alone
        QCOMPARE(layout(), designed);
        form.setWindowState(Qt::WindowNoState);
        resize.ResizeControls();
        QCOMPARE(layout(), (QList<QRect>{{60, 90, 240, 60},
                                         {10, 350, 80, 20},
                                         {800, 40, 60, 20},
                                         {400, 120, 300, 26},
                                         {40, 400, 1000, 3},
                                         {24, 36, 180, 48}}));
        for (const QSize size : {QSize(777, 333), QSize(1001, 999), QSize(600, 400)})
            resizeTo(size); // odd sizes on the way must leave no drift behind
        QCOMPARE(layout(), designed);
    }

    // Menu bar, toolbar and status bar keep their height along the edges,
    // docked by clsResize, and are no controls; the controls scale between.
    void barsAreNeverScaled() {
        QWidget form;
        auto* status = new QStatusBar(&form); // made first, still at the bottom
        auto* menu = new QMenuBar(&form);
        auto* tools = new QToolBar(&form);
        for (QWidget* bar : std::initializer_list<QWidget*>{menu, tools, status})
            bar->setObjectName(bar->metaObject()->className()); // named, yet no control
        menu->addMenu("&File");
        tools->addAction("apri");
        form.resize(600, 400);
        form.show();
        QLabel* label = add(new QLabel(&form), "etichetta");
        clsResize resize;
        resize.setSourceForm(&form);
        resize.ResizeControls(); // records
        const int top = menu->height() + tools->height(), inner = 400 - top - status->height();
        const int menuHeight = menu->height(), toolsHeight = tools->height();
        const int statusHeight = status->height();
        label->setGeometry(30, top + 45, 120, 30);
        resize.ReInitialise();
        form.resize(1200, 400 + inner); // twice the inner area
        QApplication::processEvents();
        resize.ResizeControls();
        QCOMPARE(menu->height(), menuHeight);
        QCOMPARE(tools->height(), toolsHeight);
        QCOMPARE(status->height(), statusHeight);
        QCOMPARE(menu->width(), 1200);
        QCOMPARE(status->geometry().bottom(), 399 + inner);
        QCOMPARE(label->geometry(), QRect(60, top + 90, 240, 60));
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_shell_clsresize.moc"

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
#include <memory>

namespace {

// A window designed at 600 x 400 pixels (9000 x 6000 twips at 96 DPI), its layout recorded.
struct TestForm {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QMap<QString, QRect> designed;
    clsResize resize;

    TestForm() {
        form->resize(600, 400);
        add<QLabel>("etichetta", QRect(30, 45, 120, 30));
        add<QPushButton>("pulsante", QRect(300, 300, 90, 40));
        add<QComboBox>("moneta", QRect(200, 60, 150, 26));
        add<QLabel>("fisso", QRect(10, 350, 80, 20))->setProperty("Tag", "@");
        add<QLabel>("spostato", QRect(400, 20, 60, 20))->setProperty("Tag", "@LT");
        add<QFrame>("linea", QRect(20, 200, 500, 3))->setFrameShape(QFrame::HLine);
        add<QLabel>("interno", QRect(12, 18, 90, 24), add<QFrame>("cornice", {60, 220, 240, 120}));
        resize.setSourceForm(form.get());
    }

    template <typename T> T* add(const QString& name, QRect geometry, QWidget* in = nullptr) {
        auto* w = new T(in ? in : form.get());
        w->setObjectName(name);
        w->setGeometry(designed[name] = geometry);
        return w;
    }

    QRect at(const QString& name) const { return findControl(form.get(), name)->geometry(); }
    void resizeTo(QSize size) {
        form->resize(size);
        resize.ResizeControls();
    }
};

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void init() { Twips::setScreenForTesting(QSize(15360, 11520), 15.0); }
    void cleanup() { Twips::setScreenForTesting(std::nullopt); }

    // Twice the designed size, and back.
    void scalesFromTheRecord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("doubled");
        QTest::newRow("plain label") << "etichetta" << QRect(60, 90, 240, 60);
        QTest::newRow("@ pins") << "fisso" << QRect(10, 350, 80, 20);
        QTest::newRow("@LT moves only") << "spostato" << QRect(800, 40, 60, 20);
        QTest::newRow("combo keeps its height") << "moneta" << QRect(400, 120, 300, 26);
        QTest::newRow("line keeps its thickness") << "linea" << QRect(40, 400, 1000, 3);
        QTest::newRow("nested control") << "interno" << QRect(24, 36, 180, 48);
    }
    void scalesFromTheRecord() {
        QFETCH(QString, name);
        QFETCH(QRect, doubled);
        TestForm t;
        t.resizeTo(QSize(600, 400)); // records only
        QCOMPARE(t.at(name), t.designed[name]);
        delete findControl(t.form.get(), "pulsante"); // a control gone since: skipped
        t.form->setWindowState(Qt::WindowMinimized);
        t.resizeTo(QSize(1200, 800)); // minimised: left alone
        QCOMPARE(t.at(name), t.designed[name]);
        t.form->setWindowState(Qt::WindowNoState);
        t.resize.ResizeControls();
        QCOMPARE(t.at(name), doubled);
        // Odd sizes on the way must not leave any drift behind.
        for (const QSize size : {QSize(777, 333), QSize(1001, 999), QSize(600, 400)})
            t.resizeTo(size);
        QCOMPARE(t.at(name), t.designed[name]);
    }

    // Menu bar, toolbar and status bar keep their height along the edges,
    // docked by clsResize; the controls scale in the area between.
    void barsAreNeverScaled() {
        QWidget form;
        auto* status = new QStatusBar(&form); // made first, still at the bottom
        auto* menu = new QMenuBar(&form);
        auto* tools = new QToolBar(&form);
        for (QWidget* bar : std::initializer_list<QWidget*>{menu, tools, status})
            bar->setObjectName(bar->metaObject()->className()); // named, yet no control
        menu->addMenu("&File");
        tools->addAction("apri");
        status->showMessage("pronto");
        form.resize(600, 400);
        form.show();
        auto* label = new QLabel("etichetta", &form);
        label->setObjectName("etichetta");
        clsResize resize;
        resize.setSourceForm(&form);
        resize.ResizeControls(); // records
        const QList<int> bars{menu->height(), tools->height(), status->height(), 1200};
        const int top = bars[0] + bars[1];
        label->setGeometry(30, top + 45, 120, 30);
        resize.ReInitialise();
        const int inner = resize.recordedClientSize().height();
        QCOMPARE(inner, (400 - top - bars[2]) * 15);
        QCOMPARE(clsResize::controlsOf(&form), QList<QWidget*>{label});

        // Twice the inner area: the bars keep their height, the label doubles.
        form.resize(1200, 400 + inner / 15);
        QApplication::processEvents();
        resize.ResizeControls();
        QCOMPARE((QList<int>{menu->height(), tools->height(), status->height(), menu->width()}),
                 bars);
        QCOMPARE(status->geometry().bottom(), form.height() - 1);
        QCOMPARE(label->geometry(), QRect(60, top + 90, 240, 60));
    }

    // 75 % of a 15360 x 11520 twips screen, centred: 11520 x 8640 at 1920, 1440.
    void sizeFormToScreen() {
        TestForm t;
        t.resize.SizeFormToScreen(75);
        QCOMPARE(Twips::clientSize(t.form.get()), QSize(11520, 8640));
        QCOMPARE(t.form->pos(), QPoint(1920 / 15, 1440 / 15));
        // Recorded at the designed size, then rearranged for the new one.
        QCOMPARE(t.resize.recordedClientSize(), QSize(9000, 6000));
        QCOMPARE(t.at("pulsante"), QRect(384, 432, 115, 58)); // 300, 300, 90, 40 designed
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_shell_clsresize.moc"

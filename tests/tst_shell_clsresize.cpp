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
        auto* inner = new QLabel(add<QFrame>("cornice", QRect(60, 220, 240, 120)));
        inner->setObjectName("interno");
        inner->setGeometry(designed["interno"] = QRect(12, 18, 90, 24));
        resize.setSourceForm(form.get());
    }

    template <typename T> T* add(const QString& name, QRect geometry) {
        auto* w = new T(form.get());
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

QRect scaled(QRect r, double sx, double sy, bool position, bool width, bool height) {
    return QRect(position ? qRound(r.x() * sx) : r.x(), position ? qRound(r.y() * sy) : r.y(),
                 width ? qRound(r.width() * sx) : r.width(),
                 height ? qRound(r.height() * sy) : r.height());
}

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void init() { Twips::setScreenForTesting(QSize(15360, 11520), 15.0); }
    void cleanup() { Twips::setScreenForTesting(std::nullopt); }

    void scalesFromTheRecord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("position");
        QTest::addColumn<bool>("width");
        QTest::addColumn<bool>("height");
        QTest::newRow("plain label") << "etichetta" << true << true << true;
        QTest::newRow("@ pins") << "fisso" << false << false << false;
        QTest::newRow("@LT moves only") << "spostato" << true << false << false;
        QTest::newRow("combo keeps its height") << "moneta" << true << true << false;
        QTest::newRow("line keeps its thickness") << "linea" << true << true << false;
        QTest::newRow("nested control") << "interno" << true << true << true;
    }
    void scalesFromTheRecord() {
        QFETCH(QString, name);
        QFETCH(bool, position);
        QFETCH(bool, width);
        QFETCH(bool, height);
        TestForm t;
        t.resizeTo(QSize(600, 400)); // records only
        QCOMPARE(t.at(name), t.designed[name]);
        delete findControl(t.form.get(), "pulsante"); // a control gone since: skipped
        t.form->setWindowState(Qt::WindowMinimized);
        t.resizeTo(QSize(1200, 800)); // minimised: left alone
        QCOMPARE(t.at(name), t.designed[name]);
        t.form->setWindowState(Qt::WindowNoState);
        t.resize.ResizeControls();
        QCOMPARE(t.at(name), scaled(t.designed[name], 2, 2, position, width, height));
        // Odd sizes on the way must not leave any drift behind.
        for (const QSize size : {QSize(777, 333), QSize(1001, 999), QSize(600, 400)})
            t.resizeTo(size);
        QCOMPARE(t.at(name), t.designed[name]);
    }

    // Menu bar, toolbar and status bar keep their height along the edges,
    // docked by clsResize; the controls scale in the area between.
    void barsAreNeverScaled() {
        auto form = std::make_unique<QWidget>();
        auto* status = new QStatusBar(form.get()); // made first, still at the bottom
        auto* menu = new QMenuBar(form.get());
        auto* tools = new QToolBar(form.get());
        for (QWidget* bar : std::initializer_list<QWidget*>{menu, tools, status})
            bar->setObjectName(bar->metaObject()->className()); // named, yet no control
        menu->addMenu("&File");
        tools->addAction("apri");
        status->showMessage("pronto");
        form->resize(600, 400);
        form->show();
        auto* label = new QLabel("etichetta", form.get());
        label->setObjectName("etichetta");

        clsResize resize;
        resize.setSourceForm(form.get());
        resize.ResizeControls(); // records
        const int barHeights[] = {menu->height(), tools->height(), status->height()};
        const int top = barHeights[0] + barHeights[1];
        label->setGeometry(30, top + 45, 120, 30);
        resize.ReInitialise();
        const QSize inner = resize.recordedClientSize();
        QCOMPARE(inner.height(), (400 - barHeights[0] - barHeights[1] - barHeights[2]) * 15);
        QCOMPARE(clsResize::controlsOf(form.get()), QList<QWidget*>{label});

        // Twice the inner area: the bars keep their height, the label doubles.
        form->resize(1200, 400 + inner.height() / 15);
        QApplication::processEvents();
        resize.ResizeControls();
        QCOMPARE((QList<int>{menu->height(), tools->height(), status->height()}),
                 (QList<int>{barHeights[0], barHeights[1], barHeights[2]}));
        QCOMPARE(menu->width(), 1200);
        QCOMPARE(status->geometry().bottom(), form->height() - 1);
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
        QCOMPARE(t.at("pulsante"), scaled(t.designed["pulsante"], 1.28, 1.44, true, true, true));
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_shell_clsresize.moc"

// Proportional layout: recording, scaling from the record, tags, special controls.

#include "shell/clsresize.h"
#include "shell/twips.h"
#include "support/testsupport.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace {

// A window designed at 600 x 400 pixels (9000 x 6000 twips at 96 DPI).
struct TestForm {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    QMap<QString, QRect> designed;

    TestForm() {
        form->setObjectName("prova");
        form->resize(600, 400);
        add<QLabel>("etichetta", QRect(30, 45, 120, 30));
        add<QPushButton>("pulsante", QRect(300, 300, 90, 40));
        add<QComboBox>("moneta", QRect(200, 60, 150, 0))->setGeometry(200, 60, 150, 26);
        designed["moneta"] = QRect(200, 60, 150, 26);
        add<QLabel>("fisso", QRect(10, 350, 80, 20))->setProperty("Tag", "@");
        add<QLabel>("spostato", QRect(400, 20, 60, 20))->setProperty("Tag", "@lt");
        add<QLabel>("allargato", QRect(420, 100, 60, 20))->setProperty("Tag", "@WH");
        add<QLabel>("altro", QRect(420, 140, 60, 20))->setProperty("Tag", "nota");
        auto* line = add<QFrame>("linea", QRect(20, 200, 500, 3));
        line->setFrameShape(QFrame::HLine);
        auto* frame = add<QFrame>("cornice", QRect(60, 220, 240, 120));
        auto* inner = new QLabel(frame);
        inner->setObjectName("interno");
        inner->setGeometry(12, 18, 90, 24);
        designed["interno"] = inner->geometry();
        // Not controls: no name, and a widget placed by a layout.
        auto* anonymous = new QLabel(form.get());
        anonymous->setGeometry(5, 5, 10, 10);
        auto* boxed = new QWidget(form.get());
        boxed->setObjectName("contenitore");
        boxed->setGeometry(450, 300, 100, 60);
        designed["contenitore"] = boxed->geometry();
        auto* layout = new QVBoxLayout(boxed);
        auto* laidOut = new QLabel("x", boxed);
        laidOut->setObjectName("inlayout");
        layout->addWidget(laidOut);
    }

    template <typename T>
    T* add(const QString& name, QRect geometry) {
        auto* w = new T(form.get());
        w->setObjectName(name);
        w->setGeometry(geometry);
        designed[name] = geometry;
        return w;
    }

    QWidget* control(const QString& name) const { return findControl(form.get(), name); }
};

QRect scaled(QRect r, double sx, double sy, bool l, bool t, bool w, bool h) {
    return QRect(l ? qRound(r.x() * sx) : r.x(), t ? qRound(r.y() * sy) : r.y(), w ? qRound(r.width() * sx) : r.width(),
                 h ? qRound(r.height() * sy) : r.height());
}

} // namespace

class TestClsResize : public QObject {
    Q_OBJECT
private slots:
    void init() { Twips::setScreenForTesting(QSize(15360, 11520), 15.0); }
    void cleanup() { Twips::setScreenForTesting(std::nullopt); }

    void controlCollectionIsTheNamedFreelyPlacedWidgets() {
        TestForm t;
        QStringList names;
        for (QWidget* w : clsResize::controlsOf(t.form.get())) names << w->objectName();
        QCOMPARE(names, (QStringList{"etichetta", "pulsante", "moneta", "fisso", "spostato", "allargato", "altro",
                                     "linea", "cornice", "interno", "contenitore"}));
    }

    void firstResizeOnlyRecords() {
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        t.form->resize(900, 500);
        resize.ResizeControls();
        QVERIFY(resize.isRecorded());
        QCOMPARE(resize.recordedClientSize(), QSize(13500, 7500));
        for (auto it = t.designed.cbegin(); it != t.designed.cend(); ++it)
            QCOMPARE(t.control(it.key())->geometry(), it.value());
        const auto recorded = resize.recordedLayout();
        QCOMPARE(recorded.first().left, 30 * 15);
        QCOMPARE(recorded.first().height, 30 * 15);
    }

    void scalesFromTheRecord_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("top");
        QTest::addColumn<bool>("width");
        QTest::addColumn<bool>("height");
        QTest::newRow("plain label") << "etichetta" << true << true << true << true;
        QTest::newRow("button") << "pulsante" << true << true << true << true;
        QTest::newRow("tag not starting with @") << "altro" << true << true << true << true;
        QTest::newRow("@ pins") << "fisso" << false << false << false << false;
        QTest::newRow("@lt moves only") << "spostato" << true << true << false << false;
        QTest::newRow("@WH sizes only") << "allargato" << false << false << true << true;
        QTest::newRow("combo keeps its height") << "moneta" << true << true << true << false;
        QTest::newRow("line keeps its thickness") << "linea" << true << true << true << false;
        QTest::newRow("container") << "cornice" << true << true << true << true;
        QTest::newRow("nested control") << "interno" << true << true << true << true;
    }

    void scalesFromTheRecord() {
        QFETCH(QString, name);
        QFETCH(bool, left);
        QFETCH(bool, top);
        QFETCH(bool, width);
        QFETCH(bool, height);
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.ResizeControls();
        const QRect original = t.designed[name];

        t.form->resize(1200, 800);
        resize.ResizeControls();
        QCOMPARE(t.control(name)->geometry(), scaled(original, 2, 2, left, top, width, height));

        // Odd sizes on the way must not leave any drift behind.
        for (const QSize size : {QSize(777, 333), QSize(613, 419), QSize(1001, 999), QSize(600, 400)}) {
            t.form->resize(size);
            resize.ResizeControls();
        }
        QCOMPARE(t.control(name)->geometry(), original);
    }

    void fontSizesNeverChange() {
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.ResizeControls();
        const QFont before = t.control("etichetta")->font();
        t.form->resize(1800, 1200);
        resize.ResizeControls();
        QCOMPARE(t.control("etichetta")->font(), before);
    }

    void widgetsOutsideTheCollectionStayPut() {
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.ResizeControls();
        QWidget* laidOut = t.control("inlayout");
        const QRect before = laidOut->geometry();
        t.form->resize(1200, 800);
        resize.ResizeControls();
        // The layout of the (scaled) container places it, not clsResize.
        QCOMPARE(t.control("contenitore")->geometry(), QRect(900, 600, 200, 120));
        QCOMPARE(laidOut->geometry(), before);
    }

    void minimisedWindowIsLeftAlone() {
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.ResizeControls();
        t.form->setWindowState(Qt::WindowMinimized);
        t.form->resize(1200, 800);
        resize.ResizeControls();
        QCOMPARE(t.control("pulsante")->geometry(), t.designed["pulsante"]);
        t.form->setWindowState(Qt::WindowNoState);
        resize.ResizeControls();
        QCOMPARE(t.control("pulsante")->geometry(), QRect(600, 600, 180, 80));
    }

    void paintingIsReleasedAfterThePass() {
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.ResizeControls();
        t.form->resize(1200, 800);
        resize.ResizeControls();
        QVERIFY(t.form->updatesEnabled());
        t.form->setUpdatesEnabled(false);
        resize.ResizeControls();
        QVERIFY(!t.form->updatesEnabled()); // a freeze of the caller's own is kept
    }

    void sizeFormToScreen_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QRect>("window"); // twips: left, top, width, height
        QTest::newRow("1024 x 768, 75 %") << QSize(15360, 11520) << 75 << QRect(1920, 1440, 11520, 8640);
        QTest::newRow("1280 x 1024, 75 %") << QSize(19200, 15360) << 75 << QRect(2400, 1920, 14400, 11520);
        QTest::newRow("1024 x 768, 50 %") << QSize(15360, 11520) << 50 << QRect(3840, 2880, 7680, 5760);
    }

    void sizeFormToScreen() {
        QFETCH(QSize, screen);
        QFETCH(int, percent);
        QFETCH(QRect, window);
        Twips::setScreenForTesting(screen, 15.0);
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.SizeFormToScreen(static_cast<unsigned char>(percent));
        QCOMPARE(Twips::clientSize(t.form.get()), window.size());
        QCOMPARE(t.form->pos(), QPoint(window.left() / 15, window.top() / 15));
        // Recorded at the designed size, then rearranged for the new one.
        QCOMPARE(resize.recordedClientSize(), QSize(9000, 6000));
        const double sx = window.width() / 9000.0;
        const double sy = window.height() / 6000.0;
        QCOMPARE(t.control("pulsante")->geometry(), scaled(t.designed["pulsante"], sx, sy, true, true, true, true));
    }

    void windowWithoutClientAreaRecordsAgainLater() {
        QWidget form;
        form.setObjectName("vuota");
        auto* label = new QLabel(&form);
        label->setObjectName("etichetta");
        label->setGeometry(10, 10, 50, 20);
        form.setFixedSize(0, 0);
        clsResize resize;
        resize.setSourceForm(&form);
        resize.ResizeControls();
        QVERIFY(!resize.isRecorded());
        form.setFixedSize(200, 100);
        resize.ResizeControls();
        QVERIFY(resize.isRecorded());
        QCOMPARE(label->geometry(), QRect(10, 10, 50, 20));
    }

    void destroyedControlIsSkipped() {
        TestForm t;
        clsResize resize;
        resize.setSourceForm(t.form.get());
        resize.ResizeControls();
        delete t.control("etichetta");
        t.form->resize(1200, 800);
        resize.ResizeControls();
        QCOMPARE(t.control("pulsante")->geometry(), QRect(600, 600, 180, 80));
    }
};

QTEST_MAIN(TestClsResize)
#include "tst_shell_clsresize.moc"

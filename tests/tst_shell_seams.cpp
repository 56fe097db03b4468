// Message boxes, common dialogs and twips: the doubles and the real widgets.

#include "shell/commondialog.h"
#include "shell/messagebox.h"
#include "shell/modfenoverra.h"
#include "shell/startup.h"
#include "shell/twips.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs check on the first modal dialog of type T once it is up, then lets
// finish close it.
template <typename T>
void whenDialogOpens(std::function<void(T*)> check) {
    QTimer::singleShot(0, [check] {
        for (int attempt = 0; attempt < 200; ++attempt) {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                check(dialog);
                return;
            }
            QTest::qWait(10);
        }
    });
}

} // namespace

class TestSeams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ModFenoverra::impostatesti();
        QVERIFY(Startup::loadItalianTranslations(*qApp));
    }
    void init() {
        MessageBox::useDouble(true);
        CommonDialog::useDouble(true);
    }
    void cleanup() {
        MessageBox::useDouble(false);
        CommonDialog::useDouble(false);
        Twips::setScreenForTesting(std::nullopt);
    }

    void messageBoxDefaultAnswer_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << 0 << int(MsgAnswer::Ok);
        QTest::newRow("information") << 64 << int(MsgAnswer::Ok);
        QTest::newRow("OK Cancel") << 1 << int(MsgAnswer::Ok);
        QTest::newRow("OK Cancel, second default") << 1 + 256 << int(MsgAnswer::Cancel);
        QTest::newRow("Yes No question") << 4 + 32 << int(MsgAnswer::Yes);
        QTest::newRow("exit question 292") << 292 << int(MsgAnswer::No);
        QTest::newRow("Yes No Cancel, third default") << 3 + 512 << int(MsgAnswer::Cancel);
        QTest::newRow("Yes No Cancel, second default") << 3 + 256 << int(MsgAnswer::No);
    }
    void messageBoxDefaultAnswer() {
        QFETCH(int, style);
        QFETCH(int, answer);
        QCOMPARE(int(MessageBox::show(nullptr, "domanda", style, "titolo")), answer);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().style, style);
    }

    void messageBoxScriptedAnswersInOrder() {
        MessageBox::setNextAnswer(MsgAnswer::Yes);
        MessageBox::setNextAnswer(MsgAnswer::Cancel);
        QCOMPARE(MessageBox::show(nullptr, "uno", 292, "t"), MsgAnswer::Yes);
        QCOMPARE(MessageBox::show(nullptr, "due", 292, "t"), MsgAnswer::Cancel);
        QCOMPARE(MessageBox::show(nullptr, "tre", 292, "t"), MsgAnswer::No);
        QCOMPARE(MessageBox::shown().at(1).prompt, QString("due"));
    }

    void messageBoxWithoutTitleShowsTheProgramName() {
        MessageBox::show(nullptr, "avviso", MsgStyle::Information, QString());
        QCOMPARE(MessageBox::shown().first().title, QString("Fenoverra"));
    }

    void realExitQuestionSpeaksItalianAndDefaultsToNo() {
        MessageBox::useDouble(false);
        QString texts;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString defaultText;
        whenDialogOpens<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons()) texts += b->text() + ";";
            icon = box->icon();
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            box->defaultButton()->click();
        });
        const MsgAnswer answer = MessageBox::show(nullptr, "Vuoi uscire da Fenoverra?", 292, "Attenzione");
        QCOMPARE(answer, MsgAnswer::No);
        QCOMPARE(icon, QMessageBox::Question);
        QVERIFY2(texts.contains("&Sì") || texts.contains("Sì"), qPrintable(texts));
        QVERIFY(defaultText.remove('&') == "No");
    }

    void realBoxEscapeMeansCancel() {
        MessageBox::useDouble(false);
        whenDialogOpens<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(MessageBox::show(nullptr, "procedere?", MsgStyle::YesNoCancel, "t"), MsgAnswer::Cancel);
    }

    void filterList_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qtFilters");
        QTest::newRow("open dialog, blanks around the bars")
            << "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*"
            << QStringList{"Tutti i file (*)", "File Fenoverra-dati- (Fenoverra-dati-*)"};
        QTest::newRow("delete dialog")
            << "Tutti i file (*.*)|*.*|File Fenoverra-dati- | Fenoverra-dati-*"
            << QStringList{"Tutti i file (*)", "File Fenoverra-dati- (Fenoverra-dati-*)"};
        QTest::newRow("several patterns") << "Testi|*.txt;*.csv" << QStringList{"Testi (*.txt *.csv)"};
        QTest::newRow("single entry") << "File Fenoverra-tab- | Fenoverra-tab-*"
                                      << QStringList{"File Fenoverra-tab- (Fenoverra-tab-*)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void filterList() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qtFilters);
        QCOMPARE(CommonDialog::qtNameFilters(filter), qtFilters);
    }

    void doubleRecordsAndKeepsTheFileName() {
        CommonDialog dialog;
        dialog.DialogTitle = "Apri file";
        dialog.Filter = "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*";
        dialog.FilterIndex = 2;
        CommonDialog::setNextFileName("/tmp/Fenoverra-dati-prova");
        CommonDialog::setNextCancel();
        QVERIFY(dialog.ShowOpen(nullptr));
        QCOMPARE(dialog.FileName, QString("/tmp/Fenoverra-dati-prova"));
        dialog.DialogTitle = "Salva file";
        QVERIFY(!dialog.ShowSave(nullptr));
        QCOMPARE(dialog.FileName, QString("/tmp/Fenoverra-dati-prova")); // kept after a cancel
        QVERIFY(!dialog.ShowOpen(nullptr));                               // nothing scripted: cancel
        const auto shown = CommonDialog::shown();
        QCOMPARE(shown.size(), 3);
        QCOMPARE(shown[0].kind, CommonDialog::Kind::Open);
        QCOMPARE(shown[0].filterIndex, 2);
        QCOMPARE(shown[0].fileName, QString());
        QCOMPARE(shown[1].kind, CommonDialog::Kind::Save);
        QCOMPARE(shown[1].title, QString("Salva file"));
        QCOMPARE(shown[1].fileName, QString("/tmp/Fenoverra-dati-prova"));
    }

    void doubleColour() {
        CommonDialog dialog;
        dialog.Color = QColor(10, 20, 30);
        CommonDialog::setNextColor(QColor(200, 100, 50));
        QVERIFY(dialog.ShowColor(nullptr));
        QCOMPARE(dialog.Color, QColor(200, 100, 50));
        CommonDialog::setNextCancel();
        QVERIFY(!dialog.ShowColor(nullptr));
        QCOMPARE(dialog.Color, QColor(200, 100, 50));
    }

    void realOpenDialogStartsAsSet() {
        CommonDialog::useDouble(false);
        CommonDialog dialog;
        dialog.DialogTitle = "Apri file";
        dialog.Filter = "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*";
        dialog.FilterIndex = 2;
        dialog.FileName = "/tmp/prova-nome";
        QString title, nameFilter;
        bool native = true;
        whenDialogOpens<QFileDialog>([&](QFileDialog* box) {
            title = box->windowTitle();
            nameFilter = box->selectedNameFilter();
            native = !box->testOption(QFileDialog::DontUseNativeDialog);
            box->reject();
        });
        QVERIFY(!dialog.ShowOpen(nullptr));
        QCOMPARE(title, QString("Apri file"));
        QCOMPARE(nameFilter, QString("File Fenoverra-dati- (Fenoverra-dati-*)"));
        QVERIFY(!native);
        QCOMPARE(dialog.FileName, QString("/tmp/prova-nome"));
    }

    void realColourDialogStartsOnTheCurrentColour() {
        CommonDialog::useDouble(false);
        CommonDialog dialog;
        dialog.Color = QColor(12, 34, 56);
        QColor initial;
        whenDialogOpens<QColorDialog>([&](QColorDialog* box) {
            initial = box->currentColor();
            box->accept();
        });
        QVERIFY(dialog.ShowColor(nullptr));
        QCOMPARE(initial, QColor(12, 34, 56));
        QCOMPARE(dialog.Color, QColor(12, 34, 56));
    }

    void twipsConversion_data() {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 DPI") << 15.0 << 9600.0 << 640;
        QTest::newRow("96 DPI, rounds") << 15.0 << 6825.0 << 455;
        QTest::newRow("120 DPI") << 12.0 << 9600.0 << 800;
        QTest::newRow("144 DPI") << 10.0 << 5415.0 << 542;
    }
    void twipsConversion() {
        QFETCH(double, twipsPerPixel);
        QFETCH(double, twips);
        QFETCH(int, pixels);
        Twips::setScreenForTesting(QSize(15360, 11520), twipsPerPixel);
        QCOMPARE(Twips::toPixelsX(twips), pixels);
        QCOMPARE(Twips::toPixelsY(twips), pixels);
        QCOMPARE(Twips::fromPixelsX(pixels), pixels * twipsPerPixel);
        QCOMPARE(Twips::screenSize(), QSize(15360, 11520));
    }

    void windowGeometryInTwips() {
        Twips::setScreenForTesting(QSize(15360, 11520), 15.0);
        QWidget w;
        Twips::resizeWindow(&w, 9600, 6825);
        Twips::setWindowLeft(&w, 5467);
        Twips::setWindowTop(&w, 1440);
        QCOMPARE(w.size(), QSize(640, 455));
        QCOMPARE(w.pos(), QPoint(364, 96));
        QCOMPARE(Twips::clientSize(&w), QSize(9600, 6825));
    }
};

QTEST_MAIN(TestSeams)
#include "tst_shell_seams.moc"

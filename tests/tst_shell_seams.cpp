// Message boxes and common dialogs: the doubles and the real widgets.

#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "shell/startup.h"
#include "support/testfixture.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestSeams : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
private slots:
    void initTestCase() { QVERIFY(Startup::loadItalianTranslations(*qApp)); }
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // The double answers what the test scripted; a box nobody scripted is
    // answered as if closed and listed for the fixture to fail the test.
    void messageBoxAnswer_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("scripted"); // -1: none
        QTest::addColumn<int>("answer");
        QTest::newRow("unscripted question") << 292 << -1 << int(MsgAnswer::No);
        QTest::newRow("scripted Yes") << 292 << int(MsgAnswer::Yes) << int(MsgAnswer::Yes);
    }
    void messageBoxAnswer() {
        QFETCH(int, style);
        QFETCH(int, scripted);
        QFETCH(int, answer);
        if (scripted >= 0) MessageBox::setNextAnswer(MsgAnswer(scripted));
        QCOMPARE(int(MessageBox::show(nullptr, "domanda", style, QString())), answer);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().title, QString("Fenoverra")); // the default title
        QCOMPARE(MessageBox::unscripted(), scripted >= 0 ? QStringList() : QStringList("domanda"));
        MessageBox::useDouble(true); // the unscripted box was the point here
    }

    void realExitQuestionSpeaksItalianAndDefaultsToNo() {
        MessageBox::useDouble(false);
        QString texts, defaultText;
        // Read and answered once it is up; gives up after two seconds.
        QTimer::singleShot(0, [&] {
            for (int attempt = 0; attempt < 200; ++attempt) {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    for (QAbstractButton* b : box->buttons())
                        texts += b->text() + ";";
                    defaultText = box->defaultButton()->text().remove('&');
                    return box->defaultButton()->click();
                }
                QTest::qWait(10);
            }
        });
        QCOMPARE(MessageBox::show(nullptr, "Vuoi uscire da Fenoverra?", 292, "Attenzione"),
                 MsgAnswer::No);
        QVERIFY2(texts.contains("Sì"), qPrintable(texts));
        QCOMPARE(defaultText, QString("No"));
    }

    void filterList_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qtFilters");
        QTest::newRow("blanks around the bars")
            << "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*"
            << QStringList{"Tutti i file (*)", "File Fenoverra-dati- (Fenoverra-dati-*)"};
        QTest::newRow("several patterns")
            << "Testi|*.txt;*.csv" << QStringList{"Testi (*.txt *.csv)"};
    }
    void filterList() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qtFilters);
        QCOMPARE(CommonDialog::qtNameFilters(filter), qtFilters);
    }
};

QTEST_MAIN(TestSeams)
#include "tst_shell_seams.moc"

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

    // A box nobody scripted is answered as if closed, titled with the
    // program's name, and listed for the fixture to fail the test.
    void unscriptedBoxIsListed() {
        QCOMPARE(MessageBox::show(nullptr, "domanda", 292, QString()), MsgAnswer::No);
        QCOMPARE(MessageBox::shown().first().title, QString("Fenoverra"));
        QCOMPARE(MessageBox::unscripted(), QStringList("domanda"));
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

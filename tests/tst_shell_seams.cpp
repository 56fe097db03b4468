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
        QString texts; // every button's, the default one last
        // Read and answered once it is up; gives up after two seconds.
        QTimer::singleShot(0, [&] {
            QMessageBox* box = nullptr;
            for (int attempt = 0; attempt < 200; ++attempt, QTest::qWait(10))
                if ((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))) break;
            if (!box) return;
            const QList<QAbstractButton*> buttons = box->buttons() << box->defaultButton();
            for (QAbstractButton* b : buttons)
                texts += b->text().remove('&') + ";";
            box->defaultButton()->click();
        });
        QCOMPARE(MessageBox::show(nullptr, "Vuoi uscire da Fenoverra?", 292, "Attenzione"),
                 MsgAnswer::No);
        QVERIFY2(texts.contains("Sì;") && texts.endsWith(";No;"), qPrintable(texts));
    }

    // The filters as typed for the Windows dialog, blanks around the bars and all.
    void filterList() {
        QCOMPARE(CommonDialog::qtNameFilters(
                     "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*"),
                 (QStringList{"Tutti i file (*)", "File Fenoverra-dati- (Fenoverra-dati-*)"}));
        QCOMPARE(CommonDialog::qtNameFilters("Testi|*.txt;*.csv"),
                 QStringList("Testi (*.txt *.csv)"));
    }
};

QTEST_MAIN(TestSeams)
#include "tst_shell_seams.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes and common dialogs: the doubles and the real widgets.
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "shell/startup.h"
#include "support/testfixture.h"

#include <QtTest>
#include <QtWidgets>

class TestSeams : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
private slots:
    void initTestCase() { QVERIFY(Startup::loadItalianTranslations(*qApp)); }
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // A box nobody scripted is answered as closed, titled and listed to fail
    // the test; the real exit question has Italian buttons and No as default.
    void unscriptedAndRealBoxes() {
        QCOMPARE(MessageBox::show(nullptr, "domanda", 292, QString()), MsgAnswer::No);
        QCOMPARE(MessageBox::shown().first().title, QString("Fenoverra"));
        QCOMPARE(MessageBox::unscripted(), QStringList("domanda"));
        MessageBox::useDouble(false); // forgets the unscripted box, the point here
        QString texts;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            texts = box->button(QMessageBox::Yes)->text() + ";" + box->defaultButton()->text();
            box->defaultButton()->click();
        });
        QCOMPARE(MessageBox::show(nullptr, "Vuoi uscire da Fenoverra?", 292, "Attenzione"),
                 MsgAnswer::No);
        QCOMPARE(texts.remove('&'), QString("Sì;No"));
    }

    void filtersAsTypedForWindowsBlanksAndAll() {
        const QString typed = "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*";
        QCOMPARE(CommonDialog::qtNameFilters(typed).join('|'),
                 QString("Tutti i file (*)|File Fenoverra-dati- (Fenoverra-dati-*)"));
    }
};

QTEST_MAIN(TestSeams)
#include "tst_shell_seams.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Open, Save, Save as and Delete of the Data window, through its dialogs.
// Failed opens and saves: tst_release_badinputs.
#include "support/datisupport.h"

#include "platform/commondialog.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace DatiTest;

namespace {

const QString kDataFilter = "File Fenoverra-dati- | Fenoverra-dati-*";

} // namespace

class TestDatiFiles : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Saved with its texts and type, checked silently, read back whole. Save
    // then writes back without a dialog; a cancelled Save as writes nothing;
    // the file is deleted while the window keeps its calculation.
    void roundTrip() {
        auto w = newWindow();
        enter(*w, {"1.000,50", "31/12/20", "Prestito, per è €"},
              {{"01/01/00", "3"}, {"01/07/00", "2,5"}, {"01/01/01", "3"}});
        chooseType(*w, core::CalculationType::Both);
        const QString file = tempFile(dir_, "Fenoverra-dati-prova");
        Held before = held(*w);
        before.file = file;
        const QByteArray periods = "\"01/01/00\",\"30/06/00\",\"3\"\r\n"
                                   "\"01/07/00\",\"31/12/00\",\"2,5\"\r\n"
                                   "\"01/01/01\",\"31/12/20\",\"3\"\r\n";
        CommonDialog::setNextFileName(file);
        w->salva();
        QCOMPARE(contentsOf(file), "3,\"1.000,50\",3,\"Prestito, per \xE8 \x80\"\r\n" + periods);
        w->cancella();
        CommonDialog::setNextFileName(file);
        w->apri();
        compareHeld(held(*w), before);
        if (QTest::currentTestFailed()) return;
        QVERIFY(w->risultaticorrenti());
        QVERIFY(MessageBox::shown().isEmpty());
        type(*w, "riferimento", "nuovo");
        w->salva();
        type(*w, "riferimento", "altro");
        CommonDialog::setNextCancel();
        w->salvanome();
        QCOMPARE(contentsOf(file), "3,\"1.000,50\",3,\"nuovo\"\r\n" + periods);
        const Held kept = held(*w);
        CommonDialog::setNextFileName(file);
        w->elimina();
        QVERIFY(!QFile::exists(file));
        QVERIFY(MessageBox::shown().isEmpty());
        compareHeld(held(*w), kept);
        if (QTest::currentTestFailed()) return;

        // The dialogs as each opened: Save, Open, Save as, Delete.
        const QList<CommonDialog::Shown> shown = CommonDialog::shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].title, QString("Salva file"));
        QCOMPARE(shown[0].filter, kDataFilter);
        QCOMPARE(shown[0].filterIndex, 1);
        QCOMPARE(shown[0].fileName, QString("Fenoverra-dati-"));
        QCOMPARE(shown[1].title, QString("Apri file"));
        QCOMPARE(shown[1].filter, "Tutti i file (*.*) | *.*|" + kDataFilter);
        QCOMPARE(shown[1].filterIndex, 2);
        QCOMPARE(shown[1].fileName, QString());
        QCOMPARE(shown[2].title, QString("Salva file con nome"));
        QCOMPARE(shown[2].filter, kDataFilter);
        QCOMPARE(shown[2].filterIndex, 1);
        QCOMPARE(shown[2].fileName, file);
        QCOMPARE(shown[3].title, kDeleteDialogTitle);
        QCOMPARE(shown[3].filter, "Tutti i file (*.*)|*.*|" + kDataFilter);
        QCOMPARE(shown[3].filterIndex, 2);
        QCOMPARE(shown[3].fileName, file);
    }

    // After a long file the rows show its last periods; their bars edit those.
    void rowsEditWhatTheyShowAfterOpen() {
        auto w = newWindow();
        QByteArray bytes = "12,\"1000\",1,\"lungo\"\r\n";
        for (int k = 1; k <= 12; ++k)
            bytes +=
                QString("\"01/%1/05\",\"\",\"%2\"\r\n").arg(k, 2, 10, QChar('0')).arg(k).toLatin1();
        bytes.replace("\"\",\"12\"", "\"31/12/05\",\"12\"");
        CommonDialog::setNextFileName(tempFile(dir_, "Fenoverra-dati-lungo", bytes));
        w->apri();
        QCOMPARE(text(*w, "num(1)"), QString("3"));
        bar(*w, "scrollatassi(1)")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(DatiTest::periods().slot(3).rate, std::string("3,01"));
        QCOMPARE(DatiTest::periods().slot(1).rate, std::string("1"));
    }
};

QTEST_MAIN(TestDatiFiles)
#include "tst_dati_files.moc"

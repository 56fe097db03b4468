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

// What the window holds: capital, reference, final date, sums, type, periods, file.
QString state(Dati& w) {
    QString s;
    for (const char* name : {"capiniz", "riferimento", "datfin", "capitales", "capitalec"})
        s += text(w, name) + "|";
    return s + QString("%1|%2|%3")
                   .arg(int(w.tipocalcolo()))
                   .arg(DatiTest::periods().numperiodi)
                   .arg(w.nomefile);
}

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
        enter(*w, "1.000,50|31/12/20|Prestito, per è €", "01/01/00=3 01/07/00=2,5 01/01/01=3");
        chooseType(*w, 3);
        const QString file = tempFile(dir_, "Fenoverra-dati-prova");
        const QString before = state(*w) + file;
        const QByteArray periods = "\"01/01/00\",\"30/06/00\",\"3\"\r\n"
                                   "\"01/07/00\",\"31/12/00\",\"2,5\"\r\n"
                                   "\"01/01/01\",\"31/12/20\",\"3\"\r\n";
        CommonDialog::setNextFileName(file);
        w->salva();
        QCOMPARE(contentsOf(file), "3,\"1.000,50\",3,\"Prestito, per \xE8 \x80\"\r\n" + periods);
        w->cancella();
        CommonDialog::setNextFileName(file);
        w->apri();
        QCOMPARE(state(*w), before);
        QVERIFY(w->risultaticorrenti() && boxes().isEmpty());
        type(*w, "riferimento", "nuovo");
        w->salva();
        type(*w, "riferimento", "altro");
        CommonDialog::setNextCancel();
        w->salvanome();
        QCOMPARE(contentsOf(file), "3,\"1.000,50\",3,\"nuovo\"\r\n" + periods);
        const QString kept = state(*w);
        CommonDialog::setNextFileName(file);
        w->elimina();
        QCOMPARE(dialogs(),
                 QStringList({"Salva file|" + kDataFilter + "|1|Fenoverra-dati-",
                              "Apri file|Tutti i file (*.*) | *.*|" + kDataFilter + "|2|",
                              "Salva file con nome|" + kDataFilter + "|1|" + file,
                              "Elimina: seleziona il file desiderato e clicca su Apri "
                              "per cancellarlo|Tutti i file (*.*)|*.*|" +
                                  kDataFilter + "|2|" + file}));
        QVERIFY(!QFile::exists(file) && boxes().isEmpty());
        QCOMPARE(state(*w), kept);
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
        QCOMPARE(DatiTest::periods().slot(3).rate + " " + DatiTest::periods().slot(1).rate,
                 std::string("3,01 1"));
    }
};

QTEST_MAIN(TestDatiFiles)
#include "tst_dati_files.moc"

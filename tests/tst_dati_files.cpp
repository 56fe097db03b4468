// Open, Save, Save as and Delete of the Data window, through its dialogs.
#include "support/datisupport.h"

#include "core/sharedcalculation.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace DatiTest;

namespace {

const QString kDataFilter = "File Fenoverra-dati- | Fenoverra-dati-*";

// What the window holds: capital, reference, final date, sums, type, periods, file.
QString state(Dati& w) {
    QStringList parts;
    for (const char* name : {"capiniz", "riferimento", "datfin", "capitales", "capitalec"})
        parts << text(w, name);
    return parts.join('|') + QString("|%1|%2|%3")
                                 .arg(w.tipocalcolo())
                                 .arg(core::periodi().numperiodi)
                                 .arg(w.nomefile);
}

// A calculation a user could have entered.
const QString kFields = "1.000,50|31/12/20|Prestito, per è €";
const QString kPeriods = "01/01/00=3 01/07/00=2,5 01/01/01=3";

} // namespace

class TestDatiFiles : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

    // Opens the file in the window; no name cancels the dialog.
    QString open(Dati& w, const QString& name, const QByteArray& bytes) {
        const QString path = tempFile(dir_, name, bytes);
        name.isEmpty() ? CommonDialog::setNextCancel() : CommonDialog::setNextFileName(path);
        w.apri();
        return path;
    }

private slots:
    void init() { fixture.emplace(); }
    void cleanup() { fixture.reset(); }

    // Saved with its texts and type, checked silently, read back whole, deleted.
    void roundTripKeepsTextsAndType() {
        auto w = newWindow();
        enter(*w, kFields, kPeriods);
        chooseType(*w, 3);
        const QString file = tempFile(dir_, "Fenoverra-dati-prova");
        const QString before = state(*w) + file;
        CommonDialog::setNextFileName(file);
        w->findChild<QAction*>("salva")->trigger();
        QCOMPARE(dialogs(), QStringList("Salva file|" + kDataFilter + "|1|Fenoverra-dati-"));
        QCOMPARE(contentsOf(file), QByteArray("3,\"1.000,50\",3,\"Prestito, per \xE8 \x80\"\r\n"
                                              "\"01/01/00\",\"30/06/00\",\"3\"\r\n"
                                              "\"01/07/00\",\"31/12/00\",\"2,5\"\r\n"
                                              "\"01/01/01\",\"31/12/20\",\"3\"\r\n"));
        QVERIFY(boxes().isEmpty());
        w->cancella();
        CommonDialog::setNextFileName(file);
        w->findChild<QAction*>("apri")->trigger();
        QCOMPARE(dialogs(),
                 QStringList("Apri file|Tutti i file (*.*) | *.*|" + kDataFilter + "|2|"));
        QCOMPARE(state(*w), before);
        QCOMPARE(core::periodi().slot(2).rate, std::string("2,5"));
        QVERIFY(w->risultaticorrenti());
        QVERIFY(boxes().isEmpty());

        CommonDialog::setNextFileName(file);
        w->findChild<QAction*>("eliminare")->trigger();
        QCOMPARE(dialogs(),
                 QStringList("Elimina: seleziona il file desiderato e clicca su Apri per "
                             "cancellarlo|Tutti i file (*.*)|*.*|" +
                             kDataFilter + "|2|" + file));
        QVERIFY(!QFile::exists(file));
        QCOMPARE(state(*w), before); // the window keeps its calculation
    }

    // Save writes back to the file opened, without a dialog; Save as asks,
    // and a cancelled dialog writes nothing. A file of no periods opens too.
    void saveAfterOpenWritesBackWithoutDialog() {
        auto w = newWindow();
        const QString empty = open(*w, "Fenoverra-dati-zero", "0,\"1000\",2,\"niente\"\r\n");
        QCOMPARE(state(*w), "1000|niente||||2|0|" + empty);
        const QString file = open(*w, "Fenoverra-dati-aperto",
                                  "1,\"1000\",1,\"vecchio\"\n\"01/01/01\",\"31/12/01\",\"10\"\n");
        QCOMPARE(text(*w, "capitales"), QString("1099,73"));
        type(*w, "riferimento", "nuovo");
        dialogs();
        w->salva();
        QVERIFY(dialogs().isEmpty());
        QCOMPARE(contentsOf(file),
                 QByteArray("1,\"1000\",1,\"nuovo\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n"));
        type(*w, "riferimento", "altro");
        CommonDialog::setNextCancel();
        w->salvanome();
        QCOMPARE(dialogs(), QStringList("Salva file con nome|" + kDataFilter + "|1|" + file));
        QVERIFY(contentsOf(file).contains("nuovo"));
        QVERIFY(boxes().isEmpty());
    }

    // After a long file the rows show its last periods; a bar moved there
    // must change the period it shows, not one scrolled out of sight.
    void rowsEditWhatTheyShowAfterOpen() {
        auto w = newWindow();
        QByteArray bytes = "12,\"1000\",1,\"lungo\"\r\n";
        for (int k = 1; k <= 12; ++k)
            bytes +=
                QString("\"01/%1/05\",\"\",\"%2\"\r\n").arg(k, 2, 10, QChar('0')).arg(k).toLatin1();
        bytes.replace("\"\",\"12\"", "\"31/12/05\",\"12\"");
        open(*w, "Fenoverra-dati-lungo", bytes);
        QCOMPARE(text(*w, "num(1)"), QString("3"));
        bar(*w, "scrollatassi(1)")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(core::periodi().slot(3).rate, std::string("3,01"));
        QCOMPARE(core::periodi().slot(1).rate, std::string("1"));
    }

    // The codec's own tests cover every malformed class; here the window's
    // side: a message naming the file and why, and nothing of the old
    // calculation left, not even its name for Save.
    void failedOpenLeavesAnEmptyWindow_data() {
        QTest::addColumn<QString>("name"); // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("cancelled") << "" << QByteArray() << "";
        QTest::newRow("missing") << "Fenoverra-dati-assente" << QByteArray() << "non può essere aperto: il file non esiste.\rLa finestra è stata svuotata.";
        QTest::newRow("fewer periods than announced") << "Fenoverra-dati-corto" << QByteArray("3,\"1000\",1,\"x\"\r\n\"01/01/01\",\"31/12/01\",\"3\"\r\n") << "non è un file di dati valido: il file annuncia 3 periodi ma ne contiene solo 1.\rLa finestra è stata svuotata.";
        // clang-format on
    }
    void failedOpenLeavesAnEmptyWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        auto w = newWindow();
        enter(*w, kFields, kPeriods);
        w->nomefile = tempFile(dir_, "Fenoverra-dati-prima");
        if (!reason.isEmpty()) expectBox();
        const QString file = open(*w, name, bytes);
        QCOMPARE(boxes(), reason.isEmpty()
                              ? QStringList()
                              : QStringList("48|Fenoverra|Il file \"" + file + "\" " + reason));
        QCOMPARE(state(*w), QString("|||||1|0|"));
        // Saving now checks silently, finds nothing and asks nothing.
        dialogs();
        MessageBox::clearShown();
        expectBox();
        w->salva();
        QVERIFY(dialogs().isEmpty() && boxes().size() == 1);
    }

    // A save that cannot be made says why and leaves the file there before
    // whole: a text the format cannot hold (named), a device (written to,
    // never replaced), a write failing half-way (here: a file-size limit).
    void failedSaveKeepsWhatWasThere_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("target"); // empty: a file holding "vecchio"
        QTest::addColumn<QString>("said");
        // clang-format off
        QTest::newRow("quote in capital") << "capiniz" << "1000\"" << "" << "il capitale contiene virgolette";
        QTest::newRow("outside Windows-1252") << "riferimento" << "prestito ✓" << "" << "il riferimento contiene il carattere «✓»";
        QTest::newRow("device") << "" << "" << "/dev/full" << "\"/dev/full\" non può essere salvato";
        QTest::newRow("file-size limit") << "" << "" << "" << "rimasto invariato";
        // clang-format on
    }
    void failedSaveKeepsWhatWasThere() {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, target);
        QFETCH(QString, said);
        auto w = newWindow();
        enter(*w, kFields, kPeriods);
        if (!field.isEmpty()) type(*w, field, value);
        const QString file =
            target.isEmpty()
                ? tempFile(dir_, "Fenoverra-dati-" + QString(QTest::currentDataTag()), "vecchio")
                : target;
        CommonDialog::setNextFileName(file);
        const bool limit = said == "rimasto invariato";
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = limit ? 64 : old.rlim_cur;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        expectBox();
        w->salvanome();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY2(box().contains(said), qPrintable(box()));
        if (target.isEmpty()) {
            QCOMPARE(contentsOf(file), QByteArray("vecchio"));
            QCOMPARE(QDir(dir_.path())
                         .entryList(QDir::Files | QDir::Hidden)
                         .filter(QTest::currentDataTag())
                         .size(),
                     1);
        } else {
            QVERIFY(QFileInfo::exists(target) && !QFileInfo(target).isFile());
        }
    }
};

QTEST_MAIN(TestDatiFiles)
#include "tst_dati_files.moc"

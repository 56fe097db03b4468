// Open, Save, Save as and Delete of the Data window, through its dialogs.
#include "support/datisupport.h"
#include "support/testsupport.h"

#include "core/clock.h"
#include "datawindow/calculation.h"
#include "shell/commondialog.h"
#include "shell/messagebox.h"
#include "shell/modfenoverra.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace DatiTest;

namespace {

const QString kOpenFilter = "Tutti i file (*.*) | *.*|File Fenoverra-dati- | Fenoverra-dati-*";
const QString kSaveFilter = "File Fenoverra-dati- | Fenoverra-dati-*";
const QString kDeleteFilter = "Tutti i file (*.*)|*.*|File Fenoverra-dati- | Fenoverra-dati-*";

QByteArray contentsOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A calculation a user could have entered.
void enterCalculation(Dati& w, int periods = 3) {
    type(w, "datfin", "31/12/20");
    // Half-years from 2000: 01/01/00, 01/07/00, 01/01/01...
    QList<QPair<QString, QString>> list;
    for (int k = 0; k < periods; ++k)
        list.append({QString("01/%1/%2").arg(k % 2 ? "07" : "01").arg(k / 2, 2, 10, QChar('0')),
                     k % 2 ? "2,5" : "3"});
    fillPeriods(w, list);
    type(w, "capiniz", "1.000,50");
    type(w, "riferimento", "Prestito, per è €");
}

void expectEmptyWindow(Dati& w) {
    for (const char* field : {"capiniz", "datfin", "riferimento", "capitales", "capitalec",
                              "differ", "data1(1)", "tas(1)"})
        QCOMPARE(text(w, field), QString());
    QCOMPARE(periodi().numperiodi, 0);
    QVERIFY(periodi().slot(1).start.empty());
}

} // namespace

class TestDatiFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void cleanup() {
        core::setTodayForTesting(std::nullopt);
        CommonDialog::clearShown();
    }

    void roundTripKeepsTextsAndType() {
        auto w = newWindow();
        enterCalculation(*w);
        chooseType(*w, 3);
        const QString simple = text(*w, "capitales");
        const QString compound = text(*w, "capitalec");
        const QString file = path("Fenoverra-dati-prova");

        CommonDialog::setNextFileName(file);
        w->findChild<QAction*>("salva")->trigger();
        QCOMPARE(CommonDialog::shown().size(), 1);
        const auto save = CommonDialog::shown().constFirst();
        QCOMPARE(save.kind, CommonDialog::Kind::Save);
        QCOMPARE(save.title, QString("Salva file"));
        QCOMPARE(save.filter, kSaveFilter);
        QCOMPARE(save.filterIndex, 1);
        QCOMPARE(save.fileName, QString("Fenoverra-dati-"));
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(w->nomefile, file);

        const QByteArray bytes = contentsOf(file);
        QVERIFY(bytes.startsWith("3,\"1.000,50\",3,\"Prestito, per \xE8 \x80\"\r\n"));
        QCOMPARE(bytes.count("\r\n"), 4);
        QVERIFY(!bytes.contains("\n\n"));
        QVERIFY(bytes.contains("\"01/07/00\",\"31/12/00\",\"2,5\"\r\n"));
        QVERIFY(bytes.endsWith("\"01/01/01\",\"31/12/20\",\"3\"\r\n"));

        w->cancella();
        CommonDialog::clearShown();
        CommonDialog::setNextFileName(file);
        w->findChild<QAction*>("apri")->trigger();
        const auto open = CommonDialog::shown().constFirst();
        QCOMPARE(open.kind, CommonDialog::Kind::Open);
        QCOMPARE(open.title, QString("Apri file"));
        QCOMPARE(open.filter, kOpenFilter);
        QCOMPARE(open.filterIndex, 2);
        QCOMPARE(open.fileName, QString());

        QCOMPARE(text(*w, "capiniz"), QString("1.000,50"));
        QCOMPARE(text(*w, "riferimento"), QString("Prestito, per è €"));
        QCOMPARE(text(*w, "datfin"), QString("31/12/20"));
        QCOMPARE(periodi().numperiodi, 3);
        QCOMPARE(periodi().slot(2).rate, std::string("2,5"));
        QVERIFY(findControl<QRadioButton>(w.get(), "Option1(3)")->isChecked());
        QCOMPARE(w->tipocalcolo(), 3);
        QCOMPARE(text(*w, "capitales"), simple);
        QCOMPARE(text(*w, "capitalec"), compound);
        QVERIFY(w->risultaticorrenti());
        QCOMPARE(w->nomefile, file);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void onePeriodGivesTwoLines() {
        auto w = newWindow();
        enterCalculation(*w, 1);
        const QString file = path("Fenoverra-dati-uno");
        CommonDialog::setNextFileName(file);
        w->salva();
        QCOMPARE(contentsOf(file).count("\r\n"), 2);
    }

    void nothingIsWrittenWithoutPeriods() {
        auto w = newWindow();
        type(*w, "capiniz", "1000");
        type(*w, "riferimento", "x");
        w->salva();
        QVERIFY(CommonDialog::shown().isEmpty());
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().constFirst().prompt.startsWith("Non esistono dati riconosciuti:"));
        // The refusal was for that call only: the menu check confirms again.
        enterCalculation(*w);
        MessageBox::clearShown();
        w->controlla();
        QCOMPARE(MessageBox::shown().constFirst().prompt,
                 QString("I dati sono stati immessi correttamente (per numero  3 periodi)."));
    }

    void zeroPeriodFile() {
        auto w = newWindow();
        const QString file = path("Fenoverra-dati-vuoto");
        writeBytes(file, "0,\"1000\",2,\"niente\"\r\n");
        CommonDialog::setNextFileName(file);
        w->apri();
        QCOMPARE(periodi().numperiodi, 0);
        QCOMPARE(text(*w, "datfin"), QString());
        QCOMPARE(text(*w, "capiniz"), QString("1000"));
        QCOMPARE(w->tipocalcolo(), 2);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void saveAfterOpenWritesBackWithoutDialog() {
        auto w = newWindow();
        const QString file = path("Fenoverra-dati-aperto");
        writeBytes(file, "1,\"1000\",1,\"vecchio\"\n\"01/01/01\",\"31/12/01\",\"10\"\n");
        CommonDialog::setNextFileName(file);
        w->apri();
        QCOMPARE(text(*w, "capitales"), QString("1099,73"));
        type(*w, "riferimento", "nuovo");
        CommonDialog::clearShown();
        w->salva();
        QVERIFY(CommonDialog::shown().isEmpty());
        QCOMPARE(contentsOf(file),
                 QByteArray("1,\"1000\",1,\"nuovo\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n"));

        // Save as asks, and a cancelled dialog writes nothing.
        type(*w, "riferimento", "altro");
        CommonDialog::setNextCancel();
        w->salvanome();
        QCOMPARE(CommonDialog::shown().size(), 1);
        QCOMPARE(CommonDialog::shown().constFirst().title, QString("Salva file con nome"));
        QCOMPARE(CommonDialog::shown().constFirst().fileName, file);
        QVERIFY(contentsOf(file).contains("nuovo"));
        QVERIFY(QDir(dir_.path()).entryList(QDir::Files).filter("aperto").size() == 1);
    }

    void cancelledOpenLeavesAnEmptyWindow() {
        auto w = newWindow();
        enterCalculation(*w);
        w->nomefile = path("Fenoverra-dati-prima");
        CommonDialog::setNextCancel();
        w->apri();
        expectEmptyWindow(*w);
        QCOMPARE(w->nomefile, QString());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void badFilesLeaveACleanWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // empty name part: not created
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "Fenoverra-dati-assente" << QByteArray() << "non esiste";
        QTest::newRow("empty") << "Fenoverra-dati-vuoto0" << QByteArray("") << "vuoto";
        QTest::newRow("not a data file")
            << "Fenoverra-dati-testo" << QByteArray("Caro Mario,\r\nti scrivo") << "non è";
        QTest::newRow("count above 200")
            << "Fenoverra-dati-troppi" << QByteArray("201,\"1000\",1,\"x\"\r\n") << "200";
        QTest::newRow("type 4") << "Fenoverra-dati-tipo"
                                << QByteArray("1,\"1000\",4,\"x\"\r\n\"01/01/01\",\"31/12/01\",\"3\"\r\n")
                                << "tipo di calcolo";
        QTest::newRow("fewer periods than announced")
            << "Fenoverra-dati-corto"
            << QByteArray("3,\"1000\",1,\"x\"\r\n\"01/01/01\",\"31/12/01\",\"3\"\r\n") << "3 periodi";
        QTest::newRow("missing rate")
            << "Fenoverra-dati-senzatasso"
            << QByteArray("2,\"1000\",1,\"x\"\r\n\"01/01/01\",\"31/12/01\",\"3\"\r\n\"01/01/02\",\"31/12/02\"\r\n")
            << "tasso del periodo 2";
        QTest::newRow("rate table file")
            << "Fenoverra-tab-x" << QByteArray("1\r\n\"01/01/01\",\"3\"\r\n") << "tabella";
        QTest::newRow("too big") << "Fenoverra-dati-enorme" << QByteArray(1024 * 1024 + 10, 'x')
                                 << "troppo grande";
        QTest::newRow("a folder") << "" << QByteArray() << "cartella";
    }

    void badFilesLeaveACleanWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        auto w = newWindow();
        enterCalculation(*w);
        const QString file = name.isEmpty() ? dir_.path() : path(name);
        if (!name.isEmpty() && !name.endsWith("assente")) writeBytes(file, bytes);
        CommonDialog::setNextFileName(file);
        w->apri();
        QCOMPARE(MessageBox::shown().size(), 1);
        const auto box = MessageBox::shown().constFirst();
        QVERIFY2(box.prompt.contains(file), qPrintable(box.prompt));
        QVERIFY2(box.prompt.contains(reason), qPrintable(box.prompt));
        QCOMPARE(box.style, MsgStyle::OkOnly | MsgStyle::Exclamation);
        QCOMPARE(box.title, ModFenoverra::nomeprogramma);
        expectEmptyWindow(*w);
        QCOMPARE(w->nomefile, QString());
        // Nothing of the bad file is left to be saved over it by mistake.
        MessageBox::clearShown();
        w->salva();
        QVERIFY(CommonDialog::shown().size() == 1);
    }

    void fieldsTheFormatCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("capital");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("field");
        QTest::newRow("quote in reference") << "1000" << "il \"vecchio\" prestito" << "riferimento";
        QTest::newRow("quote in capital") << "1000\"" << "x" << "capitale";
        QTest::newRow("outside Windows-1252") << "1000" << "prestito ✓" << "riferimento";
    }

    void fieldsTheFormatCannotHoldAreRefused() {
        QFETCH(QString, capital);
        QFETCH(QString, reference);
        QFETCH(QString, field);
        auto w = newWindow();
        enterCalculation(*w);
        type(*w, "capiniz", capital);
        type(*w, "riferimento", reference);
        const QString file = path("Fenoverra-dati-rifiutato");
        writeBytes(file, "vecchio");
        CommonDialog::setNextFileName(file);
        MessageBox::clearShown();
        w->salvanome();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shown().constFirst().prompt.contains(field),
                 qPrintable(MessageBox::shown().constFirst().prompt));
        QCOMPARE(contentsOf(file), QByteArray("vecchio"));
    }

    void unwritableTargetIsReported() {
        auto w = newWindow();
        enterCalculation(*w);
        CommonDialog::setNextFileName("/dev/full");
        w->salvanome();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().constFirst().prompt.contains("/dev/full"));
        QVERIFY(MessageBox::shown().constFirst().prompt.contains("non può essere salvato"));
        // The device is still a device: nothing was renamed over it.
        QVERIFY(QFileInfo::exists("/dev/full"));
        QVERIFY(!QFileInfo("/dev/full").isFile());
        QVERIFY(QDir("/dev").entryList({"full.*"}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // A write that fails half-way (here: a file-size limit) keeps the file
    // that was there before, whole.
    void failedWriteKeepsThePreviousFile() {
        auto w = newWindow();
        enterCalculation(*w, 40);
        const QString file = path("Fenoverra-dati-limite");
        writeBytes(file, "il file di prima");
        w->nomefile = file;

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 512;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        w->salva();
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shown().constFirst().prompt.contains("rimasto invariato"),
                 qPrintable(MessageBox::shown().constFirst().prompt));
        QCOMPARE(contentsOf(file), QByteArray("il file di prima"));
        QCOMPARE(QDir(dir_.path()).entryList({"Fenoverra-dati-limite*"}, QDir::Files | QDir::Hidden)
                     .size(),
                 1);
    }

    void deleteRemovesTheChosenFileOnly() {
        auto w = newWindow();
        enterCalculation(*w);
        const QString file = path("Fenoverra-dati-da-eliminare");
        writeBytes(file, "x");
        w->nomefile = file;
        CommonDialog::setNextFileName(file);
        w->findChild<QAction*>("eliminare")->trigger();
        const auto shown = CommonDialog::shown().constFirst();
        QCOMPARE(shown.kind, CommonDialog::Kind::Open);
        QCOMPARE(shown.title,
                 QString("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo"));
        QCOMPARE(shown.filter, kDeleteFilter);
        QCOMPARE(shown.filterIndex, 2);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(w->nomefile, file);
        QCOMPARE(periodi().numperiodi, 3);
        // Save writes it again under the same name.
        w->salva();
        QVERIFY(QFile::exists(file));

        writeBytes(file, "x");
        CommonDialog::setNextCancel();
        w->eliminare();
        QVERIFY(QFile::exists(file));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void failedDeleteIsReported() {
        auto w = newWindow();
        CommonDialog::setNextFileName(path("Fenoverra-dati-mai-esistito"));
        w->eliminare();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().constFirst().prompt.contains("non può essere eliminato"));
    }
};

QTEST_MAIN(TestDatiFiles)
#include "tst_dati_files.moc"

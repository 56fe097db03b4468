// Bad inputs through the real windows, each with its message and the proof
// that nothing was lost. The codec's tests hold the malformed-file classes
// not repeated here; tst_dati_files and tst_tabella_files the rest.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/sharedcalculation.h"
#include "files/format/datafile.h"
#include "files/format/ratetablefile.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The working window of that name, made as the program makes it.
QWidget* show(const QString& name) {
    Startup::wireWindows();
    return WindowRegistry::show(name);
}

// The bytes the window would save, then its title or final date and result:
// all a refused save must leave as it was.
QByteArray snapshot(QWidget* window) {
    if (auto* t = qobject_cast<Tabella*>(window))
        return QByteArray::fromStdString(
                   *fileformat::writeRateTableFile(t->tabella().righe()).bytes) +
               t->titolo().toUtf8();
    auto* d = qobject_cast<Dati*>(window);
    return QByteArray::fromStdString(fileformat::writeDataFile(d->contenuto()).bytes.value_or("")) +
           (text(*d, "capiniz") + text(*d, "datfin") + text(*d, "capitales")).toUtf8();
}

QString currentFile(QWidget* window) {
    if (auto* t = qobject_cast<Tabella*>(window)) return t->nomefile;
    return qobject_cast<Dati*>(window)->nomefile;
}

// A data or table file that announces and holds n rows.
QByteArray fileOf(const QString& windowName, int n) {
    const bool data = windowName == "dati";
    QByteArray bytes = QByteArray::number(n) + (data ? ",\"1000\",1,\"lungo\"\r\n" : "\r\n");
    return bytes +
           QByteArray(data ? "\"01/01/01\",\"\",\"1\"\r\n" : "\"01/01/01\",\"1\"\r\n").repeated(n);
}

const QByteArray kTenMegabytes = "10 MB";

// The child process of the killed save: it fills the window, and saves over
// `path` with a file-size limit at half the new file; the kernel stops the
// write there with SIGXFSZ, whose handler says so and waits to be killed.
char halfwayMessage[64];

void stopHalfway(int) {
    if (::write(STDOUT_FILENO, halfwayMessage, strlen(halfwayMessage)) < 0) _exit(3);
    for (;;)
        pause();
}

int saveAndStopHalfway(const QString& windowName, const QString& path) {
    TestFixture fixture;
    QWidget* window = show(windowName);
    if (auto* d = qobject_cast<Dati*>(window)) {
        DatiTest::enterLong(*d, DatiTest::monthsFrom2008(200));
        d->nomefile = path;
    } else if (auto* t = qobject_cast<Tabella*>(window)) {
        TabellaTest::fill(*t, QString("01/01/01=1 ").repeated(200));
        t->nomefile = path;
    }
    const std::size_t size = snapshot(window).size(); // the file and a few bytes more
    snprintf(halfwayMessage, sizeof halfwayMessage, "a metà %zu\n", size / 2);
    std::signal(SIGXFSZ, stopHalfway);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = size / 2;
    setrlimit(RLIMIT_FSIZE, &limit);
    QMetaObject::invokeMethod(window, "salva");
    return 1; // the save went through: the limit did not stop it
}

} // namespace

class TestBadInputs : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // Opened with "Apri" over a file opened before: the message names the
    // file and why (a cancelled dialog says nothing); the window is left
    // empty with no current file, so the next Save cannot write over the
    // file of before; no file changes.
    void refusedFiles_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // %1: the file's path
        const QString data = "Il file \"%1\" non è un file di dati valido: ";
        const QString table = "Il file \"%1\" non è un file di tabella dei tassi valido: ";
        // clang-format off
        QTest::newRow("data: dialog cancelled") << "dati" << QByteArray() << "";
        QTest::newRow("data: missing file") << "dati" << QByteArray() << "Il file \"%1\" non può essere aperto: il file non esiste.";
        QTest::newRow("data: 10 MB of random bytes") << "dati" << kTenMegabytes << "Il file \"%1\" non può essere aperto: è troppo grande per essere un file di dati di Fenoverra.";
        QTest::newRow("data: 201 periods") << "dati" << fileOf("dati", 201) << data + "il numero dei periodi (201) non è compreso tra 0 e 200.";
        QTest::newRow("data: negative count") << "dati" << QByteArray("-1,\"1\",1,\"\"\r\n") << data + "il numero dei periodi (-1) non è compreso tra 0 e 200.";
        QTest::newRow("data: type missing") << "dati" << QByteArray("0,\"1000\"\r\n") << data + "manca il tipo di calcolo.";
        QTest::newRow("data: five header fields") << "dati" << QByteArray("0,\"1\",1,\"r\",\"x\"\r\n") << data + "la prima riga contiene più di quattro campi.";
        QTest::newRow("data: quote never closed") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\r\n") << data + "il tasso del periodo 1 non ha le virgolette di chiusura.";
        QTest::newRow("data: four period fields") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\",\"4\"\r\n") << data + "la riga del periodo 1 contiene più di tre campi.";
        QTest::newRow("data: 0 periods, then lines") << "dati" << QByteArray("0,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\"\r\n") << data + "il file annuncia 0 periodi ma contiene altre righe.";
        QTest::newRow("table: 10 MB of random bytes") << "tabella" << kTenMegabytes << "Il file \"%1\" non può essere aperto: è troppo grande per essere un file di tabella dei tassi di Fenoverra.";
        QTest::newRow("table: 201 rows") << "tabella" << fileOf("tabella", 201) << table + "il numero delle righe (201) non è compreso tra 0 e 200.";
        QTest::newRow("table: blank lines only") << "tabella" << QByteArray("\r\n  \r\n") << table + "il file è vuoto.";
        QTest::newRow("table: text after a quote") << "tabella" << QByteArray("1\r\n\"01/01/58\"x,\"4\"\r\n") << table + "dopo la data della riga 1 c'è altro testo prima della virgola.";
        QTest::newRow("table: 0 rows, then lines") << "tabella" << QByteArray("0\r\n\"01/01/58\",\"4\"\r\n") << table + "il file annuncia 0 righe ma contiene altre righe.";
        // clang-format on
    }
    void refusedFiles() {
        QFETCH(QString, windowName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QWidget* window = show(windowName);
        const QString before = dir_.filePath("prima-" + windowName);
        writeFile(before, fileOf(windowName, 1));
        CommonDialog::setNextFileName(before);
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(currentFile(window), before);

        if (bytes == kTenMegabytes) { // no file of the program, the same every run
            bytes = QByteArray(10 * 1024 * 1024, Qt::Uninitialized);
            QRandomGenerator(20261208).fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                                 bytes.size() / 4);
        }
        const QString file = dir_.filePath(QString::number(qHash(bytes)));
        if (!bytes.isEmpty()) writeFile(file, bytes);
        if (message.isEmpty()) {
            CommonDialog::setNextCancel();
        } else {
            CommonDialog::setNextFileName(file);
            expectBox();
            message = "48|Fenoverra|" + message.arg(file) +
                      (windowName == "dati" ? "\rLa finestra è stata svuotata."
                                            : "\rLa tabella è stata svuotata.");
        }
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(boxes().join('\n'), message);
        if (auto* t = qobject_cast<Tabella*>(window))
            QCOMPARE(t->tabella().ultimaRiga(), 0);
        else
            QVERIFY(text(*window, "capiniz").isEmpty() && core::periodi().numperiodi == 0);
        QVERIFY(currentFile(window).isEmpty());
        QCOMPARE(contentsOf(before), fileOf(windowName, 1));
        QCOMPARE(contentsOf(file), bytes);
    }

    // A save that cannot be made says where and why; the window keeps all it
    // held, and a file that was there keeps its bytes, with no half-written
    // file left beside it.
    void refusedSaves_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("target");  // in the temporary folder
        QTest::addColumn<QString>("message"); // %1: the file's path
        const QString unsaved = "Il file \"%1\" non può essere salvato: ";
        const QString kept = " Il file precedente è rimasto invariato.";
        // clang-format off
        QTest::newRow("data: read-only folder") << "dati" << "sola-lettura/archivio" << unsaved + "accesso negato." + kept;
        QTest::newRow("data: a folder that is a file") << "dati" << "un-file/archivio" << unsaved + "impossibile aprirlo.";
        QTest::newRow("data: write stopped at a file-size limit") << "dati" << "limite/archivio" << unsaved + "errore di scrittura (disco pieno o protetto?)." + kept;
        QTest::newRow("data: quote in the capital") << "dati" << "virgolette/archivio" << "Il file non è stato salvato: il capitale contiene virgolette (\"): il formato dei file non le può conservare.";
        QTest::newRow("table: a folder that is a file") << "tabella" << "un-file/archivio" << unsaved + "impossibile aprirlo.";
        QTest::newRow("table: /dev/full") << "tabella" << "/dev/full" << unsaved + "spazio su disco esaurito o risorse insufficienti.";
        // clang-format on
    }
    void refusedSaves() {
        QFETCH(QString, windowName);
        QFETCH(QString, target);
        QFETCH(QString, message);
        const bool readOnly = target.startsWith("sola-lettura");
        if (readOnly && geteuid() == 0)
            QSKIP("running as root: a read-only folder is writable (the folder-under-a-file rows "
                  "refuse a save as root too)");
        QWidget* window = show(windowName);
        if (auto* d = qobject_cast<Dati*>(window)) {
            DatiTest::enterLong(*d, DatiTest::monthsFrom2008(12));
            if (target.startsWith("virgolette")) DatiTest::type(*d, "capiniz", "1000\"");
        } else {
            TabellaTest::fill(*qobject_cast<Tabella*>(window), "01/01/01=1 01/07/01=2,5");
        }
        const QString path = QDir(dir_.filePath(windowName)).filePath(target);
        const QString folder = QFileInfo(path).path();
        const bool folderIsAFile = target.startsWith("un-file");
        const QString old = folderIsAFile ? folder : path; // holds the bytes of before
        QDir().mkpath(QFileInfo(old).path());
        if (path != "/dev/full") writeFile(old, "il file di prima");
        if (readOnly) QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit unlimited = limit;
        limit.rlim_cur = target.startsWith("limite") ? 64 : limit.rlim_cur;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);

        const QByteArray before = snapshot(window);
        CommonDialog::setNextFileName(path);
        expectBox();
        QMetaObject::invokeMethod(window, "salvanome");
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, handler);
        if (readOnly)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(box(), "48|Fenoverra|" + message.arg(path));
        QCOMPARE(snapshot(window), before);
        QCOMPARE(currentFile(window), path); // as after any save: the name chosen
        if (path == "/dev/full") return;
        QCOMPARE(contentsOf(old), QByteArray("il file di prima"));
        if (!folderIsAFile) QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // The program killed half-way through a save of 200 rows (stopped by the
    // kernel at a file-size limit set to half the new file, then killed with
    // SIGKILL): the file that was there keeps its bytes.
    void killedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("windowName");
        QTest::newRow("data file") << "dati";
        QTest::newRow("table file") << "tabella";
    }
    void killedSaveKeepsThePreviousFile() {
        QFETCH(QString, windowName);
        const QString path = dir_.filePath("archivio-" + windowName);
        writeFile(path, fileOf(windowName, 3));

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--salva-e-fermati", windowName, path});
        QVERIFY(child.waitForReadyRead(60000));
        const QString said = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(said.startsWith("a metà "), qPrintable(said));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QCOMPARE(contentsOf(path), fileOf(windowName, 3));
    }

    // Typed key by key. A capital that is no number keeps the results of the
    // last one read ("1,5" of "1,5,0"), greyed. A final date that is no date
    // leaves the last period without days, which the check reports.
    void lettersTyped_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>(
            "results"); // capitales|capitalec differ|days of period 2, current or not
        QTest::addColumn<QString>("check");
        const QString fine = "64|I dati sono stati immessi correttamente (per numero  2 periodi).";
        const QString noDays =
            "48|Periodo n. 2: i giorni di calcolo sono nulli;\r- la data iniziale "
            "del periodo deve essere almeno uguale a quella finale.";
        // clang-format off
        QTest::newRow("capital: letters") << "capiniz" << "mille" << "1199,73||365 scaduti" << fine;
        QTest::newRow("capital: two commas") << "capiniz" << "1,5,0" << "1,8||365 scaduti" << fine;
        QTest::newRow("capital: sign alone") << "capiniz" << "-" << "1199,73||365 scaduti" << fine;
        QTest::newRow("capital: thousands and letters") << "capiniz" << "1.000a" << "1199,73||365 scaduti" << fine;
        QTest::newRow("capital: symbols") << "capiniz" << "€ %&*" << "1199,73||365 scaduti" << fine;
        QTest::newRow("final date: letters") << "datfin" << "fine anno" << "1199,73|| scaduti" << noDays;
        QTest::newRow("final date: no such month") << "datfin" << "31/13/02" << "1199,73|| scaduti" << noDays;
        QTest::newRow("final date: slashes only") << "datfin" << "//" << "1199,73|| scaduti" << noDays;
        QTest::newRow("final date: symbols") << "datfin" << "#!/?$/%&" << "1199,73|| scaduti" << noDays;
        QTest::newRow("final date: 29/02 of no leap year") << "datfin" << "29/02/03" << "1199,73|| scaduti" << noDays;
        // clang-format on
    }
    void lettersTyped() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, results);
        QFETCH(QString, check);
        auto w = DatiTest::newWindow();
        DatiTest::enter(*w, "1000|31/12/02|Prestito", "01/01/01=10 01/01/02=10");
        DatiTest::type(*w, field, typed);
        QCOMPARE(text(*w, field), typed);
        const auto days = core::periodi().slot(2).days;
        QCOMPARE(text(*w, "capitales") + "|" + text(*w, "capitalec") + text(*w, "differ") + "|" +
                     (days ? QString::number(*days) : "") +
                     (w->risultaticorrenti() ? " attuali" : " scaduti"),
                 results);
        MessageBox::clearShown();
        expectBox();
        w->controlla();
        QCOMPARE(box(),
                 check.replace("|", "|Fenoverra: controllo dati immessi nella finestra attiva|"));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--salva-e-fermati") == 0)
        return saveAndStopHalfway(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestBadInputs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_release_badinputs.moc"

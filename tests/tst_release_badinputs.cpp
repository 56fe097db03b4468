// Bad inputs through the real windows, each with the message it gets and
// the proof that nothing was lost: damaged and oversized files, saves that
// cannot be made or are killed half-way, letters typed where numbers and
// dates go. The codec's own tests (tst_core_datafile, tst_core_ratetablefile)
// hold the malformed-file classes not repeated here; tst_dati_files and
// tst_tabella_files the window's side of the rest.
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

// Everything a working window shows, which a save must not change.
QString snapshot(QWidget* window) {
    if (auto* t = qobject_cast<Tabella*>(window))
        return TabellaTest::rows(*t, 1, 200) + "|" + t->titolo();
    auto* d = qobject_cast<Dati*>(window);
    QStringList parts;
    for (const char* name :
         {"capiniz", "riferimento", "datfin", "capitales", "capitalec", "differ"})
        parts << text(*d, name);
    for (int k = 1; k <= core::kMaxPeriods; ++k) {
        const core::PeriodSlot& s = core::periodi().slot(k);
        parts << QString::fromStdString(s.start + s.end + s.rate);
    }
    return parts.join('|');
}

QString currentFile(QWidget* window) {
    if (auto* t = qobject_cast<Tabella*>(window)) return t->nomefile;
    return qobject_cast<Dati*>(window)->nomefile;
}

// The window holds nothing: an empty table, or no capital and no period.
bool isEmpty(QWidget* window) {
    if (auto* t = qobject_cast<Tabella*>(window)) return t->tabella().ultimaRiga() == 0;
    auto* d = qobject_cast<Dati*>(window);
    return text(*d, "capiniz").isEmpty() && core::periodi().numperiodi == 0;
}

// n rows a data or table file announces and holds.
QByteArray dataFileOf(int n) {
    QByteArray bytes = QByteArray::number(n) + ",\"1000\",1,\"lungo\"\r\n";
    for (int k = 0; k < n; ++k)
        bytes += "\"01/01/01\",\"\",\"1\"\r\n";
    return bytes;
}
QByteArray tableFileOf(int n) {
    QByteArray bytes = QByteArray::number(n) + "\r\n";
    for (int k = 0; k < n; ++k)
        bytes += "\"01/01/01\",\"1\"\r\n";
    return bytes;
}

const QByteArray kTenMegabytes = "10 MB";
const QString kDataInvalid = "Il file \"%1\" non è un file di dati valido: ";
const QString kTableInvalid = "Il file \"%1\" non è un file di tabella dei tassi valido: ";

// ---------------------------------------------------------------------------
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
    int argc = 1;
    char name[] = "tst_release_badinputs";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    TestFixture fixture;
    QWidget* window = show(windowName);
    std::size_t size = 0;
    if (auto* d = qobject_cast<Dati*>(window)) {
        DatiTest::enterLong(*d, DatiTest::monthsFrom2008(200));
        d->nomefile = path;
        size = fileformat::writeDataFile(d->contenuto()).bytes->size();
    } else if (auto* t = qobject_cast<Tabella*>(window)) {
        TabellaTest::fill(*t, QString("01/01/01=1 ").repeated(200));
        t->nomefile = path;
        size = fileformat::writeRateTableFile(t->tabella().righe()).bytes->size();
    }
    const rlim_t half = size / 2;
    snprintf(halfwayMessage, sizeof halfwayMessage, "a metà %zu di %zu\n",
             static_cast<std::size_t>(half), size);
    std::signal(SIGXFSZ, stopHalfway);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = half;
    setrlimit(RLIMIT_FSIZE, &limit);
    QMetaObject::invokeMethod(window, "salva");
    return 1; // the save went through: the limit did not stop it
}

} // namespace

class TestBadInputs : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;
    QString bigFile_;

private slots:
    void initTestCase() {
        // Ten megabytes that are no file of the program, the same every run.
        bigFile_ = dir_.filePath("Fenoverra-dati-casuale");
        QByteArray bytes(10 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator random(20261208);
        random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        writeFile(bigFile_, bytes);
    }
    void init() { fixture.emplace(); }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // Opened with "Apri" over a file opened before: the message names the
    // file and why; the window is left empty with no current file, so the
    // next Save cannot write over the file of before; no file changes.
    void refusedFiles_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // %1: the file's path
        const QString bigData = "Il file \"%1\" non può essere aperto: è troppo grande per "
                                "essere un file di dati di Fenoverra.";
        // clang-format off
        QTest::newRow("data: 10 MB of random bytes") << "dati" << kTenMegabytes << bigData;
        QTest::newRow("data: 201 periods") << "dati" << dataFileOf(201) << kDataInvalid + "il numero dei periodi (201) non è compreso tra 0 e 200.";
        QTest::newRow("data: negative count") << "dati" << QByteArray("-1,\"1\",1,\"\"\r\n") << kDataInvalid + "il numero dei periodi (-1) non è compreso tra 0 e 200.";
        QTest::newRow("data: type missing") << "dati" << QByteArray("0,\"1000\"\r\n") << kDataInvalid + "manca il tipo di calcolo.";
        QTest::newRow("data: five header fields") << "dati" << QByteArray("0,\"1\",1,\"r\",\"x\"\r\n") << kDataInvalid + "la prima riga contiene più di quattro campi.";
        QTest::newRow("data: text after a quote") << "dati" << QByteArray("0,\"1000\"euro,1,\"r\"\r\n") << kDataInvalid + "dopo il capitale c'è altro testo prima della virgola.";
        QTest::newRow("data: quote never closed") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\r\n") << kDataInvalid + "il tasso del periodo 1 non ha le virgolette di chiusura.";
        QTest::newRow("data: date unquoted") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n01/01/01,\"\",\"3\"\r\n") << kDataInvalid + "la data di inizio del periodo 1 non è un testo tra virgolette.";
        QTest::newRow("data: four period fields") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\",\"4\"\r\n") << kDataInvalid + "la riga del periodo 1 contiene più di tre campi.";
        QTest::newRow("data: 0 periods, then lines") << "dati" << QByteArray("0,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\"\r\n") << kDataInvalid + "il file annuncia 0 periodi ma contiene altre righe.";
        QTest::newRow("table: 10 MB of random bytes") << "tabella" << kTenMegabytes << "Il file \"%1\" non può essere aperto: è troppo grande per essere un file di tabella dei tassi di Fenoverra.";
        QTest::newRow("table: 201 rows") << "tabella" << tableFileOf(201) << kTableInvalid + "il numero delle righe (201) non è compreso tra 0 e 200.";
        QTest::newRow("table: empty") << "tabella" << QByteArray("\r\n  \r\n") << kTableInvalid + "il file è vuoto.";
        QTest::newRow("table: count not a number") << "tabella" << QByteArray("due\r\n") << kTableInvalid + "non è un file di tabella dei tassi di Fenoverra.";
        QTest::newRow("table: negative count") << "tabella" << QByteArray("-3\r\n") << kTableInvalid + "il numero delle righe (-3) non è compreso tra 0 e 200.";
        QTest::newRow("table: text after a quote") << "tabella" << QByteArray("1\r\n\"01/01/58\"x,\"4\"\r\n") << kTableInvalid + "dopo la data della riga 1 c'è altro testo prima della virgola.";
        QTest::newRow("table: quote never closed") << "tabella" << QByteArray("1\r\n\"01/01/58\",\"4\r\n") << kTableInvalid + "il tasso della riga 1 non ha le virgolette di chiusura.";
        QTest::newRow("table: 0 rows, then lines") << "tabella" << QByteArray("0\r\n\"01/01/58\",\"4\"\r\n") << kTableInvalid + "il file annuncia 0 righe ma contiene altre righe.";
        // clang-format on
    }
    void refusedFiles() {
        QFETCH(QString, windowName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QWidget* window = show(windowName);
        const bool data = windowName == "dati";
        const QString before = dir_.filePath(data ? "Fenoverra-dati-prima" : "Fenoverra-tab-prima");
        writeFile(before, data ? dataFileOf(1) : tableFileOf(1));
        CommonDialog::setNextFileName(before);
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(currentFile(window), before);

        QString file = bigFile_;
        if (bytes != kTenMegabytes) {
            file = dir_.filePath(QString::number(qHash(bytes)));
            writeFile(file, bytes);
        }
        const QByteArray fileBytes = contentsOf(file);
        CommonDialog::setNextFileName(file);
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(boxes(), QStringList("48|Fenoverra|" + message.arg(file) +
                                      (data ? "\rLa finestra è stata svuotata."
                                            : "\rLa tabella è stata svuotata.")));
        QVERIFY(isEmpty(window));
        QVERIFY(currentFile(window).isEmpty());
        QCOMPARE(contentsOf(before), data ? dataFileOf(1) : tableFileOf(1));
        QCOMPARE(contentsOf(file), fileBytes);
    }

    // A save that cannot be made says where and why; the window keeps all it
    // held, and a file that was there keeps its bytes.
    void refusedSaves_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("target"); // in the temporary folder; %1: dati or tab
        QTest::addColumn<QString>("message");
        const QString inAFolder = "sola-lettura/Fenoverra-%1-archivio";
        const QString underAFile = "un-file/Fenoverra-%1-archivio";
        const QString refused = "Il file \"%1\" non può essere salvato: ";
        // clang-format off
        QTest::newRow("data: read-only folder") << "dati" << inAFolder << refused + "accesso negato. Il file precedente è rimasto invariato.";
        QTest::newRow("table: read-only folder") << "tabella" << inAFolder << refused + "accesso negato. Il file precedente è rimasto invariato.";
        QTest::newRow("data: a folder that is a file") << "dati" << underAFile << refused + "impossibile aprirlo.";
        QTest::newRow("table: a folder that is a file") << "tabella" << underAFile << refused + "impossibile aprirlo.";
        QTest::newRow("table: /dev/full") << "tabella" << "/dev/full" << refused + "spazio su disco esaurito o risorse insufficienti.";
        // clang-format on
    }
    void refusedSaves() {
        QFETCH(QString, windowName);
        QFETCH(QString, target);
        QFETCH(QString, message);
        const bool readOnlyFolder = target.contains("sola-lettura");
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("running as root: a read-only folder is writable (the folder-under-a-file rows "
                  "refuse a save as root too)");
        QWidget* window = show(windowName);
        const bool data = windowName == "dati";
        if (auto* d = qobject_cast<Dati*>(window))
            DatiTest::enterLong(*d, DatiTest::monthsFrom2008(12));

        const QString path =
            QDir(dir_.path()).filePath(QString(target).replace("%1", data ? "dati" : "tab"));
        const QByteArray old = "il file di prima";
        if (readOnlyFolder) {
            QDir().mkpath(QFileInfo(path).path());
            writeFile(path, old);
            QFile::setPermissions(QFileInfo(path).path(),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser);
        } else if (target.contains("un-file")) {
            writeFile(QFileInfo(path).path(), old); // a file where the folder should be
        }
        const QString before = snapshot(window);
        CommonDialog::setNextFileName(path);
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        QMetaObject::invokeMethod(window, "salvanome");
        if (readOnlyFolder)
            QFile::setPermissions(QFileInfo(path).path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(boxes(), QStringList("48|Fenoverra|" + message.arg(path)));
        QCOMPARE(snapshot(window), before);
        QCOMPARE(currentFile(window), path); // as after any save: the name chosen
        if (readOnlyFolder) QCOMPARE(contentsOf(path), old);
        if (target.contains("un-file")) QCOMPARE(contentsOf(QFileInfo(path).path()), old);
    }

    // The program killed half-way through a save (stopped by the kernel at a
    // file-size limit set to half the new file, then killed with SIGKILL):
    // the file that was there keeps its bytes.
    void killedSaveKeepsThePreviousFile_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QByteArray>("old");
        QTest::newRow("data file of 200 periods") << "dati" << dataFileOf(3);
        QTest::newRow("table file of 200 rows") << "tabella" << tableFileOf(3);
    }
    void killedSaveKeepsThePreviousFile() {
        QFETCH(QString, windowName);
        QFETCH(QByteArray, old);
        QTemporaryDir dir;
        const QString path = dir.filePath("Fenoverra-archivio");
        writeFile(path, old);

        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--salva-e-fermati", windowName, path});
        QVERIFY(child.waitForReadyRead(60000));
        const QString said = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(said.startsWith("a metà "), qPrintable(said));
        const qint64 half = said.section(' ', 2, 2).toLongLong();
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QCOMPARE(contentsOf(path), old);
        // The half written went into a temporary file: one without a name,
        // gone with the process, where the system has them; else one beside.
        const QFileInfoList files = QDir(dir.path()).entryInfoList(QDir::Files | QDir::Hidden);
        QVERIFY(files.size() <= 2);
        for (const QFileInfo& f : files) {
            if (f.filePath() != path) QCOMPARE(f.size(), half);
        }
        // The old file opens as before.
        QWidget* window = show(windowName);
        CommonDialog::setNextFileName(path);
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(currentFile(window), path);
        QVERIFY(!isEmpty(window));
    }

    // Typed key by key: every keystroke runs the field's reaction. A
    // capital that is no number computes nothing and greys the results of
    // the capital before it (the last one read, "1,5" of "1,5,0"); the check
    // asks only that it be there. A final date that is no date leaves the
    // last period without days, which the check reports; typing it
    // recomputes nothing, and the redrawn rows leave the results greyed.
    void lettersTyped_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        // capitales|capitalec|differ|days of period 2, and whether the sums are current
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("check");
        const QString fine = "64|I dati sono stati immessi correttamente (per numero  2 periodi).";
        const QString noDays =
            "48|Periodo n. 2: i giorni di calcolo sono nulli;\r- la data iniziale "
            "del periodo deve essere almeno uguale a quella finale.";
        // clang-format off
        QTest::newRow("capital: letters") << "capiniz" << "mille" << "1199,73|||365 scaduti" << fine;
        QTest::newRow("capital: symbols") << "capiniz" << "€ 1.000!" << "1199,73|||365 scaduti" << fine;
        QTest::newRow("capital: two commas") << "capiniz" << "1,5,0" << "1,8|||365 scaduti" << fine;
        QTest::newRow("capital: sign alone") << "capiniz" << "-" << "1199,73|||365 scaduti" << fine;
        QTest::newRow("capital: thousands and letters") << "capiniz" << "1.000a" << "1199,73|||365 scaduti" << fine;
        QTest::newRow("final date: letters") << "datfin" << "fine anno" << "1199,73||| scaduti" << noDays;
        QTest::newRow("final date: no such month") << "datfin" << "31/13/02" << "1199,73||| scaduti" << noDays;
        QTest::newRow("final date: symbols") << "datfin" << "%&/$/()" << "1199,73||| scaduti" << noDays;
        QTest::newRow("final date: slashes only") << "datfin" << "//" << "1199,73||| scaduti" << noDays;
        QTest::newRow("final date: 29/02 of no leap year") << "datfin" << "29/02/03" << "1199,73||| scaduti" << noDays;
        // clang-format on
    }
    void lettersTyped() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, results);
        QFETCH(QString, check);
        auto w = DatiTest::newWindow();
        DatiTest::enter(*w, "1000|31/12/02|Prestito", "01/01/01=10 01/01/02=10");
        QCOMPARE(text(*w, "capitales"), QString("1199,73"));
        DatiTest::type(*w, field, typed);
        QCOMPARE(text(*w, field), typed);
        const auto days = core::periodi().slot(2).days;
        QCOMPARE(QStringList({text(*w, "capitales"), text(*w, "capitalec"), text(*w, "differ"),
                              days ? QString::number(*days) : ""})
                         .join('|') +
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
    if (argc == 4 && qstrcmp(argv[1], "--salva-e-fermati") == 0)
        return saveAndStopHalfway(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QApplication app(argc, argv);
    TestBadInputs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_release_badinputs.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Bad inputs through the real windows, each with its message and the proof that
// nothing was lost. Other malformed files: the codec's tests.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "files/format/datafile.h"
#include "files/format/ratetablefile.h"
#include "platform/commondialog.h"
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
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The working window, made as the program makes it, holding n periods or rows.
QWidget* show(const QString& name, int n = 0) {
    Startup::wireWindows(TestFixture::context());
    QWidget* window = WindowRegistry::show(name);
    if (auto* d = qobject_cast<Dati*>(window); d && n)
        DatiTest::enterLong(*d, DatiTest::monthsFrom2008(n));
    else if (n)
        TabellaTest::fill(*qobject_cast<Tabella*>(window), Periods(n, {"01/01/01", "1"}));
    return window;
}

// The bytes the window would save, its title or final date and result.
QByteArray snapshot(QWidget* window) {
    if (auto* t = qobject_cast<Tabella*>(window))
        return QByteArray::fromStdString(*fileformat::writeRateTableFile(t->fileContent()).bytes) +
               t->titolo().toUtf8();
    auto* d = qobject_cast<Dati*>(window);
    return QByteArray::fromStdString(
               fileformat::writeDataFile(d->fileContent()).bytes.value_or("")) +
           (text(*d, "capiniz") + text(*d, "datfin") + text(*d, "capitales")).toUtf8();
}

QString& currentFile(QWidget* window) {
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

// Makes in `dir` what a row names and returns its path: "pipe" a FIFO,
// "collegamento" a link to one, "dispositivo" a device of the test's own (a
// node with the null device's numbers, or where nodes cannot be made a link
// to /dev/null, which a mistaken command without rights cannot harm),
// "collegamento-file" a link to a plain file, "mancante" and "sparita"
// nothing, the second in a folder that is not there. Empty when it cannot be
// made safely.
QString makeEntry(const QTemporaryDir& dir, const QString& kind) {
    const QString path = dir.filePath(kind);
    const QByteArray name = QFile::encodeName(path);
    if (kind == "pipe") return ::mkfifo(name, 0600) == 0 ? path : QString();
    if (kind == "collegamento") {
        const QString fifo = dir.filePath("pipe-collegata");
        return ::mkfifo(QFile::encodeName(fifo), 0600) == 0 && QFile::link(fifo, path) ? path
                                                                                       : QString();
    }
    if (kind == "dispositivo") {
        if (::mknod(name, S_IFCHR | 0600, makedev(1, 3)) == 0) return path;
        return geteuid() != 0 && QFile::link("/dev/null", path) ? path : QString();
    }
    if (kind == "collegamento-file")
        return QFile::link(tempFile(dir, "file-collegato", "dati"), path) ? path : QString();
    if (kind == "sparita") return dir.filePath("sparita/archivio");
    return path;
}

// Everything in the folder, pipes, devices and dangling links too.
QString entriesOf(const QTemporaryDir& dir) {
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                   QDir::Name)
        .join(' ');
}

void blocked(int) {
    const char message[] = "FAIL!  : the command blocked (on a pipe?)\n";
    if (::write(STDERR_FILENO, message, sizeof message - 1) < 0) _exit(3);
    _exit(2);
}

// Runs the window's command; one that blocks on a pipe ends the test here
// instead of at the time limit.
void runUnlessItHangs(QWidget* window, const char* command) {
    std::signal(SIGALRM, blocked);
    alarm(30);
    QMetaObject::invokeMethod(window, command);
    alarm(0);
}

// Sets this process's file-size limit; returns the limits before.
rlimit limitFileSize(rlim_t bytes) {
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const rlimit limit{bytes, before.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    return before;
}

// What a child process prints of the box it showed: its style, title and
// prompt, a line each.
void printBox() {
    const MessageBox::Shown box = lastBox();
    std::printf("%d\n%s\n%s\n", box.style, qPrintable(box.title), qPrintable(box.prompt));
}

// The child process of the killed save: the kernel stops its save at half the
// new file with SIGXFSZ, whose handler says so and waits to be killed.
char halfwayMessage[64];

void stopHalfway(int) {
    if (::write(STDOUT_FILENO, halfwayMessage, strlen(halfwayMessage)) < 0) _exit(3);
    for (;;)
        pause();
}

int saveAndStopHalfway(const QString& windowName, const QString& path) {
    TestFixture fixture;
    QWidget* window = show(windowName, 200);
    currentFile(window) = path;
    const std::size_t size = snapshot(window).size(); // the file and a few bytes more
    snprintf(halfwayMessage, sizeof halfwayMessage, "a metà %zu\n", size / 2);
    std::signal(SIGXFSZ, stopHalfway);
    limitFileSize(size / 2);
    QMetaObject::invokeMethod(window, "salva");
    return 1; // the save went through: the limit did not stop it
}

// The child of the save past a file-size limit: the program's own start-up
// handling, then a save of 200 periods over a file, with a limit at half of
// it. Prints the box shown.
int saveOverTheLimit(const QString& path) {
    TestFixture fixture;
    Startup::surviveFileSizeLimit();
    QWidget* window = show("dati", 200);
    currentFile(window) = path;
    limitFileSize(snapshot(window).size() / 2);
    expectBox();
    QMetaObject::invokeMethod(window, "salva");
    printBox();
    return 0;
}

// The child of the unreadable file: as anyone but root, who may read it all
// the same, opens it and prints the box shown.
int openAsAnotherUser(const QString& path) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 2;
    TestFixture fixture;
    QWidget* window = show("dati");
    CommonDialog::setNextFileName(path);
    expectBox();
    QMetaObject::invokeMethod(window, "apri");
    printBox();
    return 0;
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

    // Opened over a file opened before: the message names the file and why (a
    // cancelled dialog says nothing); the window is left empty with no current
    // file, so the next Save cannot write over the file of before.
    void refusedFiles_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QByteArray>("bytes"); // or what makeEntry makes, after "made:"
        QTest::addColumn<QString>("message");  // %1: the file's path
        const QString data = "Il file \"%1\" non è un file di dati valido: ";
        const QString table = "Il file \"%1\" non è un file di tabella dei tassi valido: ";
        const QString emptied = "\rLa finestra è stata svuotata.",
                      tEmptied = "\rLa tabella è stata svuotata.";
        QByteArray random(10 * 1024 * 1024, Qt::Uninitialized); // the same every run
        QRandomGenerator(20261208).fillRange(reinterpret_cast<quint32*>(random.data()),
                                             random.size() / 4);
        // clang-format off
        QTest::newRow("data: dialog cancelled") << "dati" << QByteArray() << "";
        QTest::newRow("data: missing file") << "dati" << QByteArray() << QString("Il file \"%1\" non può essere aperto: il file non esiste.") + emptied;
        QTest::newRow("data: 10 MB of random bytes") << "dati" << random << QString("Il file \"%1\" non può essere aperto: è troppo grande per essere un file di dati di Fenoverra.") + emptied;
        QTest::newRow("data: negative count") << "dati" << QByteArray("-1,\"1\",1,\"\"\r\n") << data + "il numero dei periodi (-1) non è compreso tra 0 e 200." + emptied;
        QTest::newRow("data: type missing") << "dati" << QByteArray("0,\"1000\"\r\n") << data + "manca il tipo di calcolo." + emptied;
        QTest::newRow("data: five header fields") << "dati" << QByteArray("0,\"1\",1,\"r\",\"x\"\r\n") << data + "la prima riga contiene più di quattro campi." + emptied;
        QTest::newRow("data: quote never closed") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\r\n") << data + "il tasso del periodo 1 non ha le virgolette di chiusura." + emptied;
        QTest::newRow("data: four period fields") << "dati" << QByteArray("1,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\",\"4\"\r\n") << data + "la riga del periodo 1 contiene più di tre campi." + emptied;
        QTest::newRow("data: 0 periods, then lines") << "dati" << QByteArray("0,\"1\",1,\"r\"\r\n\"01/01/01\",\"\",\"3\"\r\n") << data + "il file annuncia 0 periodi ma contiene altre righe." + emptied;
        QTest::newRow("table: 10 MB of random bytes") << "tabella" << random << QString("Il file \"%1\" non può essere aperto: è troppo grande per essere un file di tabella dei tassi di Fenoverra.") + tEmptied;
        QTest::newRow("table: blank lines only") << "tabella" << QByteArray("\r\n  \r\n") << table + "il file è vuoto." + tEmptied;
        QTest::newRow("table: text after a quote") << "tabella" << QByteArray("1\r\n\"01/01/58\"x,\"4\"\r\n") << table + "dopo la data della riga 1 c'è altro testo prima della virgola." + tEmptied;
        QTest::newRow("data: FIFO") << "dati" << QByteArray("made:pipe") << QString("Il file \"%1\" non può essere aperto: è una pipe (FIFO), non un file normale.") + emptied;
        QTest::newRow("table: link to a FIFO") << "tabella" << QByteArray("made:collegamento") << QString("Il file \"%1\" non può essere aperto: è una pipe (FIFO), non un file normale.") + tEmptied;
        QTest::newRow("data: device") << "dati" << QByteArray("made:dispositivo") << QString("Il file \"%1\" non può essere aperto: è un dispositivo, non un file normale.") + emptied;
        QTest::newRow("table: folder gone") << "tabella" << QByteArray("made:sparita") << QString("Il file \"%1\" non può essere aperto: la cartella che lo contiene non esiste.") + tEmptied;
        // clang-format on
    }
    void refusedFiles() {
        QFETCH(QString, windowName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QWidget* window = show(windowName);
        const QString before = tempFile(dir_, "prima-" + windowName, fileOf(windowName, 1));
        CommonDialog::setNextFileName(before);
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(currentFile(window), before);
        const bool made = bytes.startsWith("made:");
        QTemporaryDir here;
        const QString file = made ? makeEntry(here, bytes.mid(5))
                                  : tempFile(dir_, QString::number(qHash(bytes)), bytes);
        if (file.isEmpty()) QSKIP("no device can be made here without risk to the real one");
        const QString there = entriesOf(here);
        if (message.isEmpty())
            CommonDialog::setNextCancel();
        else
            CommonDialog::setNextFileName(file), expectBox();
        runUnlessItHangs(window, "apri");
        QCOMPARE(prompts(), message.isEmpty() ? QStringList() : QStringList(message.arg(file)));
        if (!message.isEmpty()) QCOMPARE(lastBox().style, BoxStyle::kWarning);
        if (!message.isEmpty()) QCOMPARE(lastBox().title, QString("Fenoverra"));
        if (auto* t = qobject_cast<Tabella*>(window))
            QCOMPARE(t->table().lastUsedRow(), 0);
        else
            QVERIFY(text(*window, "capiniz").isEmpty() && DatiTest::periods().numperiodi == 0);
        QVERIFY(currentFile(window).isEmpty());
        QCOMPARE(contentsOf(before), fileOf(windowName, 1));
        if (made)
            QCOMPARE(entriesOf(here), there);
        else
            QCOMPARE(contentsOf(file), bytes);
    }

    // A file the user may not read is refused as such, not as one that could
    // not be opened for no reason given. (Root reads anything: the child
    // opens it as another user.)
    void unreadableFile() {
        QTemporaryDir here;
        const QString file = tempFile(here, "illeggibile", fileOf("dati", 1));
        QFile::setPermissions(file, {});
        QFile::setPermissions(here.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ExeOther);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--apri-come-altri", file});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        const QStringList box = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
        QCOMPARE(box.value(0).toInt(), BoxStyle::kWarning);
        QCOMPARE(box.value(1), QString("Fenoverra"));
        QCOMPARE(box.value(2), "Il file \"" + file +
                                   "\" non può essere aperto: accesso negato.\rLa finestra è "
                                   "stata svuotata.");
    }

    // A refused save says where and why; the window keeps all it held, what
    // stood there before is still there (a file keeps its bytes), and no
    // half-written file is left beside it.
    void refusedSaves_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("target");  // in the temporary folder, or made:kind
        QTest::addColumn<QString>("message"); // %1: the file's path
        const QString unsaved = "Il file \"%1\" non può essere salvato: ";
        const QString kept = " Il file precedente è rimasto invariato.";
        // clang-format off
        QTest::newRow("data: read-only folder") << "dati" << "sola-lettura/archivio" << unsaved + "accesso negato." + kept;
        QTest::newRow("data: a folder that is a file") << "dati" << "un-file/archivio" << unsaved + "la cartella che lo contiene non esiste.";
        QTest::newRow("data: folder gone") << "dati" << "made:sparita" << unsaved + "la cartella che lo contiene non esiste.";
        QTest::newRow("data: quote in the capital") << "dati" << "virgolette/archivio" << "Il file non è stato salvato: il capitale contiene virgolette (\"): il formato dei file non le può conservare.";
        QTest::newRow("data: FIFO") << "dati" << "made:pipe" << unsaved + "è una pipe (FIFO), non un file normale.";
        QTest::newRow("table: link to a FIFO") << "tabella" << "made:collegamento" << unsaved + "è una pipe (FIFO), non un file normale.";
        QTest::newRow("table: device") << "tabella" << "made:dispositivo" << unsaved + "è un dispositivo, non un file normale.";
        // clang-format on
    }
    void refusedSaves() {
        QFETCH(QString, windowName);
        QFETCH(QString, target);
        QFETCH(QString, message);
        const bool readOnly = target.startsWith("sola-lettura");
        if (readOnly && geteuid() == 0) QSKIP("running as root: a read-only folder is writable");
        QWidget* window = show(windowName, 12);
        if (target.startsWith("virgolette"))
            DatiTest::type(*qobject_cast<Dati*>(window), "capiniz", "1000\"");
        QTemporaryDir here;
        const bool made = target.startsWith("made:");
        const QString path = made ? makeEntry(here, target.mid(5))
                                  : QDir(dir_.filePath(windowName)).filePath(target);
        if (path.isEmpty()) QSKIP("no device can be made here without risk to the real one");
        const QString folder = QFileInfo(path).path();
        const bool folderIsAFile = target.startsWith("un-file");
        const QString old = windowName + "/" + (folderIsAFile ? "un-file" : target); // in dir_
        if (!made) {
            QDir(dir_.path()).mkpath(QFileInfo(old).path());
            tempFile(dir_, old, "il file di prima");
        }
        const QString there = entriesOf(here);
        if (readOnly) QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);

        const QByteArray before = snapshot(window);
        CommonDialog::setNextFileName(path);
        expectBox();
        runUnlessItHangs(window, "salvanome");
        if (readOnly)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(prompts(), QStringList(message.arg(path)));
        QCOMPARE(lastBox().style, BoxStyle::kWarning);
        QCOMPARE(lastBox().title, QString("Fenoverra"));
        QCOMPARE(snapshot(window) + currentFile(window).toUtf8(), // the name chosen, as ever
                 before + path.toUtf8());
        if (made) {
            QCOMPARE(entriesOf(here), there);
            return;
        }
        QCOMPARE(contentsOf(dir_.filePath(old)), QByteArray("il file di prima"));
        if (!folderIsAFile) QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    // With a file-size limit the save that passes it fails, says so, and the
    // file that was there keeps its bytes: the program is not ended by it.
    void saveOverAFileSizeLimit() {
        const QString path = tempFile(dir_, "oltre-il-limite", fileOf("dati", 3));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--salva-oltre-il-limite", path});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        const QStringList box = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
        QCOMPARE(box.value(0).toInt(), BoxStyle::kWarning);
        QCOMPARE(box.value(1), QString("Fenoverra"));
        QCOMPARE(box.value(2), "Il file \"" + path +
                                   "\" non può essere salvato: è troppo grande per il limite di "
                                   "dimensione dei file impostato nel sistema. Il file precedente "
                                   "è rimasto invariato.");
        QCOMPARE(contentsOf(path), fileOf("dati", 3));
    }

    // Delete takes plain files only, a link but never what it points to;
    // anything else stays where it is, and the message names it.
    void deletes_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("target");  // what makeEntry makes
        QTest::addColumn<QString>("message"); // %1: the path; empty: deleted
        QTest::addColumn<QString>("left");    // what the folder holds afterwards
        const QString refused = "Il file \"%1\" non può essere eliminato: ";
        // clang-format off
        QTest::newRow("data: FIFO") << "dati" << "pipe" << refused + "è una pipe (FIFO), non un file normale." << "pipe";
        QTest::newRow("table: FIFO") << "tabella" << "pipe" << refused + "è una pipe (FIFO), non un file normale." << "pipe";
        QTest::newRow("data: device") << "dati" << "dispositivo" << refused + "è un dispositivo, non un file normale." << "dispositivo";
        QTest::newRow("table: link to a FIFO") << "tabella" << "collegamento" << refused + "è una pipe (FIFO), non un file normale." << "collegamento pipe-collegata";
        QTest::newRow("data: missing file") << "dati" << "mancante" << refused + "il file non esiste." << "";
        QTest::newRow("table: link to a file") << "tabella" << "collegamento-file" << "" << "file-collegato";
        // clang-format on
    }
    void deletes() {
        QFETCH(QString, windowName);
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, left);
        QWidget* window = show(windowName, 3);
        QTemporaryDir here;
        const QString path = makeEntry(here, target);
        if (path.isEmpty()) QSKIP("no device can be made here without risk to the real one");
        const QByteArray before = snapshot(window);
        CommonDialog::setNextFileName(path);
        if (!message.isEmpty()) expectBox();
        runUnlessItHangs(window, "elimina");
        QCOMPARE(prompts(), message.isEmpty() ? QStringList() : QStringList(message.arg(path)));
        if (!message.isEmpty()) QCOMPARE(lastBox().style, BoxStyle::kWarning);
        if (!message.isEmpty()) QCOMPARE(lastBox().title, QString("Fenoverra"));
        QCOMPARE(entriesOf(here), left);
        QCOMPARE(snapshot(window), before);
    }

    // Killed half-way through a save of 200 periods, the file that was there
    // keeps its bytes. (Tables are written the same way.)
    void killedSaveKeepsThePreviousFile() {
        const QString path = tempFile(dir_, "archivio", fileOf("dati", 3));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--salva-e-fermati", "dati", path});
        QVERIFY(child.waitForReadyRead(60000) &&
                child.readAllStandardOutput().startsWith("a metà "));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(10000) && child.exitStatus() == QProcess::CrashExit);
        QCOMPARE(contentsOf(path), fileOf("dati", 3));
    }

    // A capital that is no number keeps the results of the last one read ("1,5"
    // of "1,5,0"), greyed; a final date that is no date leaves no last days.
    void lettersTyped_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("simpleSum");
        QTest::addColumn<std::optional<int>>("lastDays");
        QTest::addColumn<QString>("checked"); // what the check then says
        const QString passes = "I dati sono stati immessi correttamente (per numero  2 periodi).";
        const QString noDays = "Periodo n. 2: i giorni di calcolo sono nulli;\r- la data iniziale "
                               "del periodo deve essere almeno uguale a quella finale.";
        const std::optional<int> none;
        // clang-format off
        QTest::newRow("capital: letters") << "capiniz" << "mille" << "1199,73" << std::optional(365) << passes;
        QTest::newRow("capital: two commas") << "capiniz" << "1,5,0" << "1,8" << std::optional(365) << passes;
        QTest::newRow("capital: sign alone") << "capiniz" << "-" << "1199,73" << std::optional(365) << passes;
        QTest::newRow("capital: thousands and letters") << "capiniz" << "1.000a" << "1199,73" << std::optional(365) << passes;
        QTest::newRow("capital: symbols") << "capiniz" << "€ %&*" << "1199,73" << std::optional(365) << passes;
        QTest::newRow("final date: letters") << "datfin" << "fine anno" << "1199,73" << none << noDays;
        QTest::newRow("final date: no such month") << "datfin" << "31/13/02" << "1199,73" << none << noDays;
        QTest::newRow("final date: slashes only") << "datfin" << "//" << "1199,73" << none << noDays;
        QTest::newRow("final date: symbols") << "datfin" << "#!/?$/%&" << "1199,73" << none << noDays;
        QTest::newRow("final date: 29/02 of no leap year") << "datfin" << "29/02/03" << "1199,73" << none << noDays;
        // clang-format on
    }
    void lettersTyped() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, simpleSum);
        QFETCH(std::optional<int>, lastDays);
        QFETCH(QString, checked);
        auto w = DatiTest::newWindow();
        DatiTest::enter(*w, {"1000", "31/12/02", "Prestito"},
                        {{"01/01/01", "10"}, {"01/01/02", "10"}});
        DatiTest::type(*w, field, typed);
        QCOMPARE(text(*w, field), typed);
        QCOMPARE(text(*w, "capitales"), simpleSum);
        QCOMPARE(DatiTest::periods().slot(2).days, lastDays);
        QVERIFY(!w->risultaticorrenti());
        expectBox();
        w->controlla();
        QCOMPARE(lastBox().prompt, checked);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--salva-e-fermati") == 0)
        return saveAndStopHalfway(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 3 && qstrcmp(argv[1], "--salva-oltre-il-limite") == 0)
        return saveOverTheLimit(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--apri-come-altri") == 0)
        return openAsAnotherUser(QString::fromLocal8Bit(argv[2]));
    TestBadInputs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_release_badinputs.moc"

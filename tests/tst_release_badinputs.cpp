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
#include <QDirIterator>
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

// Makes in `dir` the entry a row names (a FIFO, a link to one, a device of the
// null device's numbers or else a link to /dev/null, a link to a file, or
// nothing, "sparita" in a missing folder); empty when it cannot be made safely.
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

// Everything under the folder, pipes, devices and dangling links too.
QString entriesOf(const QTemporaryDir& dir) {
    QStringList entries;
    QDirIterator it(dir.path(),
                    QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(dir.path()).relativeFilePath(it.next());
    entries.sort();
    return entries.join(' ');
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

// The children print the style and prompt of the box shown, a line each.
void printBox() {
    std::printf("%d\n%s\n", lastBox().style, qPrintable(lastBox().prompt));
}

char halfwayMessage[64];

void stopHalfway(int) {
    if (::write(STDOUT_FILENO, halfwayMessage, strlen(halfwayMessage)) < 0) _exit(3);
    for (;;)
        pause();
}

// Child saving 200 periods over `path` with a file-size limit at half the
// file: with the program's own handling of the limit, or stopped there by
// SIGXFSZ, saying so and waiting to be killed.
int saveToHalfTheSize(bool survive, const QString& path) {
    TestFixture fixture;
    if (survive)
        Startup::surviveFileSizeLimit();
    else
        std::signal(SIGXFSZ, stopHalfway);
    QWidget* window = show("dati", 200);
    currentFile(window) = path;
    const std::size_t size = snapshot(window).size();
    snprintf(halfwayMessage, sizeof halfwayMessage, "a metà %zu\n", size / 2);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = size / 2;
    setrlimit(RLIMIT_FSIZE, &limit);
    expectBox();
    QMetaObject::invokeMethod(window, "salva");
    printBox();
    return 0;
}

// Child opening the unreadable file as anyone but root.
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

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // Opened over a file opened before: the message names the file and why;
    // the window is left empty with no current file, the files untouched.
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
        QTemporaryDir here;
        const QString before = tempFile(here, "prima", fileOf(windowName, 1));
        CommonDialog::setNextFileName(before);
        QMetaObject::invokeMethod(window, "apri");
        QCOMPARE(currentFile(window), before);
        const bool made = bytes.startsWith("made:");
        const QString file = made ? makeEntry(here, bytes.mid(5)) : tempFile(here, "file", bytes);
        if (file.isEmpty()) QSKIP("no device can be made here without risk to the real one");
        const QString there = entriesOf(here);
        if (message.isEmpty())
            CommonDialog::setNextCancel();
        else
            CommonDialog::setNextFileName(file), expectBox();
        runUnlessItHangs(window, "apri");
        QCOMPARE(prompts(), message.isEmpty() ? QStringList() : QStringList(message.arg(file)));
        if (!message.isEmpty()) QCOMPARE(lastBox().style, BoxStyle::kWarning);
        if (auto* t = qobject_cast<Tabella*>(window))
            QCOMPARE(t->table().lastUsedRow(), 0);
        else
            QVERIFY(text(*window, "capiniz").isEmpty() && DatiTest::periods().numperiodi == 0);
        QVERIFY(currentFile(window).isEmpty());
        QCOMPARE(contentsOf(before), fileOf(windowName, 1));
        QCOMPARE(entriesOf(here), there);
        if (!made) QCOMPARE(contentsOf(file), bytes);
    }

    // In a child process: a file the user may not read (opened as another
    // user, as root reads anything), a save past the file-size limit, which
    // must not end the program, and a save killed half-way. The file that was
    // there keeps its bytes.
    void inAChild_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("message"); // %1: the file's path; empty: killed
        // clang-format off
        QTest::newRow("unreadable file") << "--apri-come-altri" << "Il file \"%1\" non può essere aperto: accesso negato.\rLa finestra è stata svuotata.";
        QTest::newRow("save over a file-size limit") << "--salva-oltre-il-limite" << "Il file \"%1\" non può essere salvato: è troppo grande per il limite di dimensione dei file impostato nel sistema. Il file precedente è rimasto invariato.";
        QTest::newRow("save killed half-way") << "--salva-e-fermati" << "";
        // clang-format on
    }
    void inAChild() {
        QFETCH(QString, option);
        QFETCH(QString, message);
        QTemporaryDir here;
        const QString file = tempFile(here, "archivio", fileOf("dati", 3));
        if (option == "--apri-come-altri") {
            QFile::setPermissions(file, {});
            QFile::setPermissions(here.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ExeOther);
        }
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {option, file});
        if (message.isEmpty()) {
            QVERIFY(child.waitForReadyRead(60000));
            QVERIFY(child.readAllStandardOutput().startsWith("a metà "));
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        }
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(),
                 message.isEmpty() ? QProcess::CrashExit : QProcess::NormalExit);
        if (!message.isEmpty()) {
            const QStringList box = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
            QCOMPARE(box.value(0).toInt(), BoxStyle::kWarning);
            QCOMPARE(box.value(1), message.arg(file));
        }
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(contentsOf(file), fileOf("dati", 3));
    }

    // A refused save says where and why; the window keeps all it held (and
    // the name chosen), what stood there is still there, and no half-written
    // file is left beside it. Delete takes plain files only, a link but never
    // what it points to.
    void savesAndDeletes_data() {
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("target");  // in the temporary folder, or made:kind
        QTest::addColumn<QString>("message"); // %1: the file's path; empty: none
        QTest::addColumn<QString>("left");    // what the folder holds afterwards
        const QString unsaved = "Il file \"%1\" non può essere salvato: ";
        const QString undeleted = "Il file \"%1\" non può essere eliminato: ";
        const QString fifo = "è una pipe (FIFO), non un file normale.";
        const QString device = "è un dispositivo, non un file normale.";
        const QString noFolder = "la cartella che lo contiene non esiste.";
        // clang-format off
        QTest::newRow("save: read-only folder") << "dati" << "salvanome" << "sola-lettura/archivio" << unsaved + "accesso negato. Il file precedente è rimasto invariato." << "sola-lettura sola-lettura/archivio";
        QTest::newRow("save: a folder that is a file") << "dati" << "salvanome" << "un-file/archivio" << unsaved + noFolder << "un-file";
        QTest::newRow("save: folder gone") << "dati" << "salvanome" << "made:sparita" << unsaved + noFolder << "";
        QTest::newRow("save: quote in the capital") << "dati" << "salvanome" << "virgolette/archivio" << "Il file non è stato salvato: il capitale contiene virgolette (\"): il formato dei file non le può conservare." << "virgolette virgolette/archivio";
        QTest::newRow("save: FIFO") << "dati" << "salvanome" << "made:pipe" << unsaved + fifo << "pipe";
        QTest::newRow("save: link to a FIFO") << "tabella" << "salvanome" << "made:collegamento" << unsaved + fifo << "collegamento pipe-collegata";
        QTest::newRow("save: device") << "tabella" << "salvanome" << "made:dispositivo" << unsaved + device << "dispositivo";
        QTest::newRow("delete: FIFO") << "dati" << "elimina" << "made:pipe" << undeleted + fifo << "pipe";
        QTest::newRow("delete: device") << "dati" << "elimina" << "made:dispositivo" << undeleted + device << "dispositivo";
        QTest::newRow("delete: link to a FIFO") << "tabella" << "elimina" << "made:collegamento" << undeleted + fifo << "collegamento pipe-collegata";
        QTest::newRow("delete: missing file") << "dati" << "elimina" << "made:mancante" << undeleted + "il file non esiste." << "";
        QTest::newRow("delete: link to a file") << "tabella" << "elimina" << "made:collegamento-file" << "" << "file-collegato";
        // clang-format on
    }
    void savesAndDeletes() {
        QFETCH(QString, windowName);
        QFETCH(QString, command);
        QFETCH(QString, target);
        QFETCH(QString, message);
        QFETCH(QString, left);
        const bool readOnly = target.startsWith("sola-lettura"), made = target.startsWith("made:");
        if (readOnly && geteuid() == 0) QSKIP("running as root: a read-only folder is writable");
        QWidget* window = show(windowName, 12);
        if (target.startsWith("virgolette"))
            DatiTest::type(*qobject_cast<Dati*>(window), "capiniz", "1000\"");
        QTemporaryDir here;
        const QString path = made ? makeEntry(here, target.mid(5)) : here.filePath(target);
        if (path.isEmpty()) QSKIP("no device can be made here without risk to the real one");
        const QString folder = QFileInfo(path).path();
        // What stood there: the file, or a file where its folder should be.
        const QString old = target.startsWith("un-file") ? "un-file" : target;
        if (!made) QDir(here.path()).mkpath(QFileInfo(old).path());
        if (!made) tempFile(here, old, "il file di prima");
        if (readOnly) QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray before = snapshot(window);
        CommonDialog::setNextFileName(path);
        if (!message.isEmpty()) expectBox();
        runUnlessItHangs(window, qPrintable(command));
        if (readOnly)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(prompts(), message.isEmpty() ? QStringList() : QStringList(message.arg(path)));
        if (!message.isEmpty()) QCOMPARE(lastBox().style, BoxStyle::kWarning);
        QCOMPARE(snapshot(window) + currentFile(window).toUtf8(),
                 before + (command == "salvanome" ? path.toUtf8() : QByteArray()));
        QCOMPARE(entriesOf(here), left);
        if (!made) QCOMPARE(contentsOf(here.filePath(old)), QByteArray("il file di prima"));
    }

    // A capital that is no number keeps the results of the last one read ("1,5"
    // of "1,5,0"), greyed (letters: tst_dati_window); a final date that is no
    // date leaves no last days.
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
        QTest::newRow("capital: two commas") << "capiniz" << "1,5,0" << "1,8" << std::optional(365) << passes;
        QTest::newRow("capital: sign alone") << "capiniz" << "-" << "1199,73" << std::optional(365) << passes;
        QTest::newRow("final date: no such month") << "datfin" << "31/13/02" << "1199,73" << none << noDays;
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
    if (argc == 3 && qstrcmp(argv[1], "--salva-e-fermati") == 0)
        return saveToHalfTheSize(false, QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--salva-oltre-il-limite") == 0)
        return saveToHalfTheSize(true, QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], "--apri-come-altri") == 0)
        return openAsAnotherUser(QString::fromLocal8Bit(argv[2]));
    TestBadInputs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_release_badinputs.moc"

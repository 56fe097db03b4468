// A file named on the command line ("fenoverra FILE", the desktop entry's
// %f) opens at start in the window it belongs to.
#include "support/datisupport.h"
#include "support/tabellasupport.h"

#include "core/sharedcalculation.h"
#include "platform/commondialog.h"
#include "platform/messagebox.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kDataFile = "1,\"1000\",1,\"Prestito\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n";
const QByteArray kTableFile = "2\r\n\"01/01/58\",\"4,00\"\r\n\"7/06/58\",\"3,50\"\r\n";

QWidget* window(const QString& name) {
    return WindowRegistry::loaded(name);
}

// What each working window holds: capital and periods, rows and title.
QString state() {
    QString s = QString("dati %1 %2")
                    .arg(text(*TabellaTest::dati(), "capiniz"))
                    .arg(core::periodi().numperiodi);
    if (auto* t = qobject_cast<Tabella*>(window("tabella")))
        s += QString(" | tabella %1 %2").arg(t->tabella().righetab).arg(t->titolo());
    return s;
}

QString currentFile(const QString& name) {
    if (auto* t = qobject_cast<Tabella*>(window(name))) return t->nomefile;
    return TabellaTest::dati()->nomefile;
}

} // namespace

class TestStartFile : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;
    QTemporaryDir dir_;

    // A file in the temporary folder, the current one: "" makes none, "/" a
    // folder. Returns its full path; the program is given the name alone.
    QString place(const QString& name, const QByteArray& bytes) {
        QDir::setCurrent(dir_.path());
        const QString path = dir_.filePath(name);
        if (bytes == "/") {
            QDir().mkpath(path);
        } else if (!bytes.isEmpty()) {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }

private slots:
    void init() {
        fixture.emplace();
        Startup::wireWindows();
    }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    void noFileShowsTheDataWindowAlone() {
        Startup::showFirstWindows({});
        QVERIFY(window("dati")->isVisible() && !window("tabella"));
    }

    // The content decides; the name only when the content reads as neither.
    void fileOpensInItsWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown"); // %1: the file's path
        QTest::newRow("data file") << "Fenoverra-dati-prestito" << kDataFile << "dati 1000 1";
        QTest::newRow("data file named otherwise") << "prestito.txt" << kDataFile << "dati 1000 1";
        QTest::newRow("table file")
            << "Fenoverra-tab-sconto" << kTableFile << "dati  0 | tabella 2 %1";
        QTest::newRow("table file under a data file's name")
            << "Fenoverra-dati-sconto" << kTableFile << "dati  0 | tabella 2 %1";
    }
    void fileOpensInItsWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const QString path = place(name, bytes);
        Startup::showFirstWindows(name);
        QCOMPARE(state(), QString(shown).replace("%1", path));
        QVERIFY(window("dati")->isVisible());
        const QString owner = window("tabella") ? "tabella" : "dati";
        QVERIFY(window(owner)->isVisible());
        QCOMPARE(currentFile(owner), path); // Save writes back to it
        QCOMPARE(boxes(), QStringList());
    }

    // The message is the one "Apri" gives for the same file, from the
    // window the file was meant for, which stays empty.
    void unreadableFileGetsTheMessageOfOpen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // "" none, "/" a folder
        QTest::addColumn<QString>("windowName");
        QTest::addColumn<QString>("reason");
        // clang-format off
        QTest::newRow("damaged table") << "Fenoverra-tab-rotta" << QByteArray("3\r\n\"01/01/58\",\"4,00\"\r\n") << "tabella" << "annuncia 3 righe";
        QTest::newRow("damaged data") << "Fenoverra-dati-rotto" << QByteArray("2,\"1000\",7,\"x\"\r\n") << "dati" << "(7) non è 1, 2 o 3";
        QTest::newRow("damaged, any name") << "appunti.txt" << QByteArray("Caro Mario,\r\n") << "dati" << "non è un file di dati";
        QTest::newRow("missing table") << "Fenoverra-TAB-assente" << QByteArray() << "tabella" << "il file non esiste";
        QTest::newRow("missing data") << "Fenoverra-dati-assente" << QByteArray() << "dati" << "il file non esiste";
        QTest::newRow("a folder") << "Fenoverra-tab-cartella" << QByteArray("/") << "tabella" << "è una cartella";
        // clang-format on
    }
    void unreadableFileGetsTheMessageOfOpen() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, windowName);
        QFETCH(QString, reason);
        const QString path = place(name, bytes);
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        Startup::showFirstWindows(name);
        const QStringList atStart = boxes();
        QCOMPARE(atStart.size(), 1);
        QVERIFY2(atStart[0].contains(reason), qPrintable(atStart[0]));
        QWidget* target = window(windowName);
        QVERIFY(target->isVisible());
        QCOMPARE(state().section(" | tabella ", 1).section(' ', 0, 0),
                 windowName == "dati" ? "" : "0");
        QCOMPARE(state().section(" | ", 0, 0), QString("dati  0"));
        QVERIFY(currentFile(windowName).isEmpty()); // nothing for Save to overwrite

        MessageBox::clearShown();
        MessageBox::setNextAnswer(MsgAnswer::Ok);
        CommonDialog::setNextFileName(path);
        QMetaObject::invokeMethod(target, "apri");
        QCOMPARE(boxes(), atStart);
    }
};

QTEST_MAIN(TestStartFile)
#include "tst_shell_startfile.moc"

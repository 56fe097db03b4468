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
    QString s = "dati " + text(*TabellaTest::dati(), "capiniz") + " " +
                QString::number(core::periodi().numperiodi);
    if (auto* t = qobject_cast<Tabella*>(window("tabella")))
        s += QString(" | tabella %1 %2").arg(t->tabella().righetab).arg(t->titolo());
    return s;
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
        if (bytes == "/") QDir().mkpath(dir_.filePath(name));
        return tempFile(dir_, name, bytes == "/" ? QByteArray() : bytes);
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

    // The content decides; the name only when the content reads as neither.
    // A file that cannot be read gets the message "Apri" gives for it, from
    // the window it was meant for, which stays empty.
    void fileOpensInItsWindow_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // "" none, "/" a folder
        QTest::addColumn<QString>("shown");    // %1: the file's path
        QTest::addColumn<QString>("reason");   // in the message, if any
        const QString emptyTable =
            "dati  0 | tabella 0 Tabella dei tassi legali (art.1284 Codice Civile)";
        // clang-format off
        QTest::newRow("no file: the data window alone") << "" << QByteArray() << "dati  0" << "";
        QTest::newRow("data file") << "Fenoverra-dati-prestito" << kDataFile << "dati 1000 1" << "";
        QTest::newRow("data file named otherwise") << "prestito.txt" << kDataFile << "dati 1000 1" << "";
        QTest::newRow("table file") << "Fenoverra-tab-sconto" << kTableFile << "dati  0 | tabella 2 %1" << "";
        QTest::newRow("table file under a data file's name") << "Fenoverra-dati-sconto" << kTableFile << "dati  0 | tabella 2 %1" << "";
        QTest::newRow("damaged table") << "Fenoverra-tab-rotta" << QByteArray("3\r\n\"01/01/58\",\"4,00\"\r\n") << emptyTable << "annuncia 3 righe";
        QTest::newRow("damaged data") << "Fenoverra-dati-rotto" << QByteArray("2,\"1000\",7,\"x\"\r\n") << "dati  0" << "(7) non è 1, 2 o 3";
        QTest::newRow("damaged, any name") << "appunti.txt" << QByteArray("Caro Mario,\r\n") << "dati  0" << "non è un file di dati";
        QTest::newRow("missing table") << "Fenoverra-TAB-assente" << QByteArray() << emptyTable << "il file non esiste";
        QTest::newRow("missing data") << "Fenoverra-dati-assente" << QByteArray() << "dati  0" << "il file non esiste";
        QTest::newRow("a folder") << "Fenoverra-tab-cartella" << QByteArray("/") << emptyTable << "è una cartella";
        // clang-format on
    }
    void fileOpensInItsWindow() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        const QString path = place(name, bytes);
        if (!reason.isEmpty()) expectBox();
        Startup::showFirstWindows(name);
        QCOMPARE(state(), QString(shown).replace("%1", path));
        auto* tabella = qobject_cast<Tabella*>(window("tabella"));
        QWidget* owner = tabella ? window("tabella") : window("dati");
        QVERIFY(window("dati")->isVisible() && owner->isVisible());
        // Save writes back to the file read, and over nothing else.
        QCOMPARE(tabella ? tabella->nomefile : TabellaTest::dati()->nomefile,
                 name.isEmpty() || !reason.isEmpty() ? "" : path);
        const QString atStart = box();
        QVERIFY2(reason.isEmpty() ? atStart == "0 boxes" : atStart.contains(reason),
                 qPrintable(atStart));
        if (reason.isEmpty()) return;
        MessageBox::clearShown();
        expectBox();
        CommonDialog::setNextFileName(path);
        QMetaObject::invokeMethod(owner, "apri");
        QCOMPARE(box(), atStart);
    }
};

QTEST_MAIN(TestStartFile)
#include "tst_shell_startfile.moc"

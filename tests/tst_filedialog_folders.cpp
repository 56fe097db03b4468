// SPDX-License-Identifier: GPL-3.0-or-later
// The folder each file dialog of the two working windows opens in: the
// shipped tables or the documents folder at first, then where a file of that
// kind was last opened or saved, from one run to the next.
#include "support/tabellasupport.h"

#include "platform/commondialog.h"
#include "platform/windowregistry.h"
#include "shell/startup.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestFileDialogFolders : public QObject {
    Q_OBJECT
    std::optional<TestFixture> fixture;

private slots:
    void init() { fixture.emplace(); }
    void cleanup() {
        TabellaTest::closeWindows();
        fixture.reset();
    }

    // Steps "window command folder": the folder's file chosen, "-" the dialog
    // cancelled, Z a folder that is not there. "riavvio" closes the windows as
    // the program's end does, "rimuovi A" removes folder A, "avvio A" names
    // A's table at start. Each dialog's folder: P the program's (its shipped
    // tables), D the documents folder.
    void opensWhereLastUsed_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("folders");
        // clang-format off
        QTest::newRow("tables: the shipped ones, then the last opened") << "tabella apri -, tabella apri A, tabella apri -" << "P P A";
        QTest::newRow("tables: saved, deleted and opened where saved") << "tabella salvanome B, tabella apri -, tabella elimina -" << "D B B";
        QTest::newRow("data: documents, then opened, then saved") << "dati apri -, dati apri A, dati salvanome B, dati apri -, dati elimina -" << "D D A B B";
        QTest::newRow("each kind its own folder") << "dati apri A, tabella apri -, tabella apri B, dati apri -" << "D P P A";
        QTest::newRow("kept from one run to the next") << "tabella apri A, dati apri B, riavvio, tabella apri -, dati apri -" << "P D A B";
        QTest::newRow("a folder since removed is forgotten") << "tabella apri A, rimuovi A, tabella apri -, tabella salvanome -" << "P P D";
        QTest::newRow("a save that failed is not kept") << "tabella salvanome Z, tabella apri -" << "D P";
        QTest::newRow("a table named at start is opened there") << "avvio A, tabella apri -, dati apri -" << "A D";
        // clang-format on
    }
    void opensWhereLastUsed() {
        QFETCH(QString, steps);
        QFETCH(QString, folders);
        QTemporaryDir root;
        for (const char* folder : {"A", "B"}) {
            QDir(root.path()).mkpath(folder);
            tempFile(root, QString(folder) + "/Fenoverra-tab-x",
                     "2\r\n\"01/01/58\",\"4,00\"\r\n\"7/06/58\",\"3,50\"\r\n");
            tempFile(root, QString(folder) + "/Fenoverra-dati-x",
                     "1,\"1000\",1,\"P\"\r\n\"01/01/01\",\"31/12/01\",\"10\"\r\n");
        }
        for (const QString& step : steps.split(", ")) {
            const QStringList words = step.split(' ');
            const QString folder = root.filePath(words.last());
            if (words[0] == "riavvio") {
                TabellaTest::closeWindows();
            } else if (words[0] == "rimuovi") {
                QDir(folder).removeRecursively();
            } else if (words[0] == "avvio") {
                Startup::showFirstWindows(folder + "/Fenoverra-tab-x");
            } else {
                const bool table = words[0] == "tabella";
                if (words[2] == "-")
                    CommonDialog::setNextCancel();
                else
                    CommonDialog::setNextFileName(
                        folder + (table ? "/Fenoverra-tab-x" : "/Fenoverra-dati-x"));
                if (words[2] == "Z") expectBox();
                QMetaObject::invokeMethod(WindowRegistry::show(words[0]), qPrintable(words[1]));
            }
        }
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QStringList shown;
        for (const CommonDialog::Shown& dialog : CommonDialog::shown()) {
            QString where = QDir(dialog.folder).absolutePath();
            if (where == QCoreApplication::applicationDirPath())
                where = "P";
            else if (where ==
                     QDir(documents.isEmpty() ? QDir::homePath() : documents).absolutePath())
                where = "D";
            else
                where = QDir(root.path()).relativeFilePath(where);
            shown << where;
        }
        QCOMPARE(shown.join(' '), folders);
    }
};

QTEST_MAIN(TestFileDialogFolders)
#include "tst_filedialog_folders.moc"

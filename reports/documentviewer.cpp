#include "reports/documentviewer.h"

#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "reports/wordprocessor.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryFile>
#include <QUrl>

namespace {

QString writeToTemporaryFile(const WordDocument& document) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/Fenoverra-XXXXXX.odt"));
    file.setAutoRemove(false);
    if (!file.open()) return {};
    const QString path = file.fileName();
    file.close();
    if (!document.writeOdf(path)) {
        QFile::remove(path);
        return {};
    }
    return path;
}

} // namespace

namespace DocumentViewer {

void show(const WordDocument& document) {
    const QString path = writeToTemporaryFile(document);
    if (path.isEmpty()) {
        MessageBox::show(
            nullptr,
            QStringLiteral(
                "Impossibile scrivere il documento nella cartella dei file temporanei (") +
                QDir::toNativeSeparators(QDir::tempPath()) + QStringLiteral(")."),
            MsgStyle::Exclamation, ModFenoverra::programTitle());
        return;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(path))) return;
    MessageBox::show(
        nullptr,
        QStringLiteral("Nessun programma di videoscrittura ha potuto aprire il documento.\n"
                       "Il documento è stato scritto nel file:\n") +
            QDir::toNativeSeparators(path) +
            QStringLiteral("\nAprirlo con un programma di videoscrittura per stamparlo."),
        MsgStyle::Information, ModFenoverra::programTitle());
}

} // namespace DocumentViewer

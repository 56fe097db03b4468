// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/guidedocument.h"

#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "reports/documentreferences.h"
#include "reports/wordprocessor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace GuideDocument {

namespace {

const QChar cr(13);
const QChar pageBreak(12);

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Saves only where the file can be opened for writing: Qt's writer leaks its
// archive when it cannot open the file itself.
bool saveAs(WordDocument* document, const QString& path) {
    const bool existed = QFileInfo::exists(path);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    probe.close();
    if (document->SaveAs(path)) return true;
    if (!existed) QFile::remove(path);
    return false;
}

} // namespace

QString fileName() {
    return ModFenoverra::nomeprogramma + QStringLiteral("-guida") + QStringLiteral(".doc");
}

WordDocument* type(const QList<Page>& pages) {
    WordApplication* application = WordApplication::create();
    ModFenoverra::appword = application;
    application->setVisible(true);
    WordDocument* document = application->DocumentsAdd();
    ModFenoverra::docword = document;
    document->setDescription(QStringLiteral("guida"));

    WordSelection* selection = application->Selection();
    selection->setFontName(QStringLiteral("Century Gothic"));
    selection->setFontSize(20);
    selection->TypeText(ModFenoverra::nomeprogramma + cr);
    selection->setFontSize(16);
    selection->TypeText(ModFenoverra::descrizione + cr + cr + cr);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        selection->TypeText(QStringLiteral("Guida: ") + pages.at(i).title + cr + cr);
        if (i == 0) selection->setFontSize(12);
        const bool last = i + 1 == pages.size();
        selection->TypeText(pages.at(i).text + cr + (last ? QString() : QString(pageBreak)));
    }
    selection->selectWholeDocument();
    selection->setParagraphAlignment(WdAlign::Justify);
    return document;
}

QString save(WordDocument* document, const QString& directory) {
    if (!document) return {};
    const QString inDirectory = QDir(directory).filePath(fileName());
    if (saveAs(document, inDirectory)) return inDirectory;

    const QString folder = DocumentsFolder::path();
    const QString inDocuments = folder.isEmpty() ? QString() : QDir(folder).filePath(fileName());
    if (!inDocuments.isEmpty() && saveAs(document, inDocuments)) {
        MessageBox::show(nullptr,
                         QStringLiteral("La cartella del programma non permette di salvare la "
                                        "guida:\r") +
                             nativePath(directory) +
                             QStringLiteral("\rLa guida è stata salvata nel file:\r") +
                             nativePath(inDocuments),
                         MsgStyle::Information, ModFenoverra::programTitle());
        return inDocuments;
    }
    MessageBox::show(
        nullptr,
        QStringLiteral("Impossibile salvare la guida nel file:\r") + nativePath(inDirectory) +
            QStringLiteral("\re neppure nella cartella dei documenti") +
            (folder.isEmpty() ? QStringLiteral(".") : QStringLiteral(":\r") + nativePath(folder)),
        MsgStyle::Exclamation, ModFenoverra::programTitle());
    return {};
}

QString write(const QList<Page>& pages, const QString& directory) {
    WordApplication* application = type(pages)->Application();
    return save(application->DocumentsItem(application->DocumentsCount()), directory);
}

} // namespace GuideDocument

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/documentviewer.h"

#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "reports/wordprocessor.h"

#include <QDir>
#include <QFile>

namespace {

void open(const QString& path) {
    if (DocumentOpener::open(path)) return;
    MessageBox::show(
        nullptr,
        QStringLiteral("Nessun programma di videoscrittura ha potuto aprire il documento.\r"
                       "Il documento è stato scritto nel file:\r") +
            QDir::toNativeSeparators(path) +
            QStringLiteral("\rAprirlo con un programma di videoscrittura per stamparlo."),
        MsgStyle::Information, ModFenoverra::programTitle());
}

} // namespace

namespace DocumentViewer {

void show(const WordDocument& document) {
    // A document the command saved itself is opened where it was saved.
    if (!document.savedFileName().isEmpty()) {
        open(document.savedFileName());
        return;
    }
    const QString path = DocumentsFolder::newFileName(document.description());
    if (path.isEmpty() || !document.writeOdf(path)) {
        if (!path.isEmpty()) QFile::remove(path);
        const QString where = path.isEmpty() ? DocumentsFolder::path() : path;
        MessageBox::show(nullptr,
                         QStringLiteral("Impossibile scrivere il documento") +
                             (where.isEmpty()
                                  ? QStringLiteral(" nella cartella dei documenti.")
                                  : QStringLiteral(":\r") + QDir::toNativeSeparators(where)),
                         MsgStyle::Exclamation, ModFenoverra::programTitle());
        return;
    }
    open(path);
}

} // namespace DocumentViewer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/documentviewer.h"

#include "platform/documentopener.h"
#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "reports/odfwriter.h"
#include "reports/pdfwriter.h"

#include <QDir>

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void tell(const QString& text, int style) {
    MessageBox::show(nullptr, text, style, ModFenoverra::programTitle());
}

} // namespace

namespace DocumentViewer {

void open(const QString& file, Format format, const std::function<void()>& failed) {
    DocumentOpener::open(file, [file, format, failed] {
        const bool pdf = format == Format::Pdf;
        tell((pdf ? QStringLiteral("Nessun programma per i PDF ha potuto aprire il documento.\r")
                  : QStringLiteral("Nessun programma di videoscrittura ha potuto aprire il "
                                   "documento.\r")) +
                 QStringLiteral("Il documento è stato scritto nel file:\r") + native(file) +
                 (pdf ? QStringLiteral("\rAprirlo con un programma per i PDF per stamparlo.")
                      : QStringLiteral("\rAprirlo con un programma di videoscrittura per "
                                       "stamparlo.")),
             MsgStyle::Information);
        if (failed) failed();
    });
}

void show(const Report::Document& document, Format format, const std::function<void()>& failed) {
    const bool pdf = format == Format::Pdf;
    const QString path = DocumentsFolder::newFileName(
        document.description, pdf ? QStringLiteral("pdf") : QStringLiteral("odt"));
    if (path.isEmpty()) {
        tell(QStringLiteral("Impossibile creare la cartella dei documenti:\r") +
                 native(DocumentsFolder::location()),
             MsgStyle::Exclamation);
        if (failed) failed();
        return;
    }
    if (!(pdf ? PdfWriter::write(document, path) : OdfWriter::write(document, path))) {
        tell(QStringLiteral("Impossibile scrivere il documento nel file:\r") + native(path),
             MsgStyle::Exclamation);
        if (failed) failed();
        return;
    }
    open(path, format, failed);
}

} // namespace DocumentViewer

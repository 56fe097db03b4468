// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/guidedocument.h"

#include "platform/documentsfolder.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/programfiles.h"
#include "reports/documentviewer.h"
#include "reports/odfwriter.h"

#include <QDir>

namespace GuideDocument {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void tell(const QString& text, int style) {
    MessageBox::show(nullptr, text, style, ModFenoverra::programTitle());
}

Report::Paragraph justified(const QString& text, double size, bool newPage = false) {
    Report::Paragraph p;
    p.text = text;
    p.size = size;
    p.align = Report::Align::Justify;
    p.newPage = newPage;
    return p;
}

// Into the documents folder; a message either way.
QString saveInDocuments(const Report::Document& guide, const QString& refused) {
    const QString folder = DocumentsFolder::path();
    if (folder.isEmpty()) {
        tell(QStringLiteral("Impossibile creare la cartella dei documenti per salvare la "
                            "guida:\r") +
                 native(DocumentsFolder::location()),
             MsgStyle::Exclamation);
        return {};
    }
    const QString path = QDir(folder).filePath(fileName());
    if (!OdfWriter::write(guide, path)) {
        tell(QStringLiteral("Impossibile salvare la guida nel file:\r") + native(path),
             MsgStyle::Exclamation);
        return {};
    }
    tell((refused.isEmpty() ? QString()
                            : QStringLiteral("La cartella del programma non permette di salvare "
                                             "la guida:\r") +
                                  native(refused) + u'\r') +
             QStringLiteral("La guida è stata salvata nel file:\r") + native(path),
         MsgStyle::Information);
    return path;
}

} // namespace

QString fileName() {
    return ModFenoverra::nomeprogramma + QStringLiteral("-guida") + QStringLiteral(".doc");
}

Report::Document build(const QList<Page>& pages) {
    Report::Document guide;
    guide.description = QStringLiteral("guida");
    QList<Report::Paragraph>& p = guide.paragraphs;
    p << Report::paragraphs(ModFenoverra::nomeprogramma, justified({}, 20));
    p << Report::paragraphs(ModFenoverra::descrizione, justified({}, 16));
    p << justified({}, 16) << justified({}, 16);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const double titleSize = i == 0 ? 16 : 12;
        p << Report::paragraphs(QStringLiteral("Guida: ") + pages.at(i).title,
                                justified({}, titleSize, i > 0));
        p << justified({}, titleSize);
        p << Report::paragraphs(pages.at(i).text, justified({}, 12));
    }
    p << justified({}, 12);
    return guide;
}

QString write(const QList<Page>& pages) {
    const Report::Document guide = build(pages);
    QString path;
    if (ProgramFiles::installed()) {
        path = saveInDocuments(guide, {});
    } else {
        const QString beside = QDir(ProgramFiles::programDirectory()).filePath(fileName());
        path = OdfWriter::write(guide, beside)
                   ? beside
                   : saveInDocuments(guide, ProgramFiles::programDirectory());
    }
    if (!path.isEmpty()) DocumentViewer::open(path, DocumentViewer::Format::Text);
    return path;
}

} // namespace GuideDocument

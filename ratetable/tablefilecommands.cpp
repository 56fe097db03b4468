// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratetable/tablefilecommands.h"

#include "files/ratetablefileio.h"
#include "platform/filefolders.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "ratetable/tabella.h"

#include <QFile>

namespace TableFileCommands {

namespace {

constexpr FileFolders::Kind kKind = FileFolders::Kind::Table;
const QString kTableFilter = "File Fenoverra-tab- | Fenoverra-tab-*";

void report(Tabella& window, const QString& message) {
    MessageBox::show(&window, message, MsgStyle::OkOnly | MsgStyle::Exclamation,
                     ModFenoverra::nomeprogramma);
}

// The save routine shared by Save and Save as; the caller has set the title.
void salvataggio(Tabella& window) {
    CommonDialog& dialog = window.dialogo();
    if (window.nomefile.isEmpty()) {
        dialog.Filter = kTableFilter;
        dialog.FilterIndex = 1;
        if (dialog.FileName.isEmpty()) dialog.FileName = "Fenoverra-tab-";
        dialog.InitDir = FileFolders::toWrite(kKind);
        if (!dialog.ShowSave(&window)) return;
        window.nomefile = dialog.FileName;
    }
    const QString error = RateTableFileIO::write(window.nomefile, window.tabella().righe());
    if (error.isEmpty())
        FileFolders::remember(kKind, window.nomefile);
    else
        report(window, error);
}

} // namespace

void apri(Tabella& window) {
    window.cancella();
    CommonDialog& dialog = window.dialogo();
    dialog.DialogTitle = "Apri file";
    dialog.FileName.clear();
    dialog.Filter = "Tutti i file (*.*)|*.*|" + kTableFilter;
    dialog.FilterIndex = 2;
    // A cancelled open leaves an empty table; keeping the old name would let
    // the next Save overwrite that file with it unasked.
    window.nomefile.clear();
    dialog.InitDir = FileFolders::toRead(kKind);
    if (!dialog.ShowOpen(&window)) return;
    apriFile(window, dialog.FileName);
}

void apriFile(Tabella& window, const QString& path) {
    window.cancella();
    window.nomefile.clear();
    const RateTableFileIO::ReadResult result = RateTableFileIO::read(path);
    if (!result.rows) {
        report(window, result.error + "\rLa tabella è stata svuotata.");
        return;
    }
    window.nomefile = path;
    FileFolders::remember(kKind, path);
    window.tabella().carica(*result.rows);
    window.setTitolo(window.nomefile);
    window.ridisegna();
}

void salva(Tabella& window) {
    window.dialogo().DialogTitle = "Salva file";
    salvataggio(window);
}

void salvanome(Tabella& window) {
    window.dialogo().DialogTitle = "Salva file con nome";
    window.nomefile.clear();
    salvataggio(window);
}

void elimina(Tabella& window) {
    CommonDialog& dialog = window.dialogo();
    dialog.Filter = "Tutti i file (*.*)|*.*|" + kTableFilter;
    dialog.FilterIndex = 2;
    dialog.DialogTitle = ModFenoverra::titoloelimina;
    dialog.InitDir = FileFolders::toWrite(kKind);
    if (!dialog.ShowOpen(&window)) return;
    // Said aloud: a file still there after "Elimina" would look deleted.
    if (!QFile::remove(dialog.FileName))
        report(window, "Il file \"" + dialog.FileName + "\" non può essere eliminato.");
}

} // namespace TableFileCommands

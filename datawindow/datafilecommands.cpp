// SPDX-License-Identifier: GPL-3.0-or-later
#include "datawindow/datafilecommands.h"

#include "datawindow/datacheck.h"
#include "datawindow/dati.h"
#include "files/datafileio.h"

#include "platform/filefolders.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QFile>

namespace DataFileCommands {

namespace {

constexpr FileFolders::Kind kKind = FileFolders::Kind::Data;
const QString kDataFilter = "File Fenoverra-dati- | Fenoverra-dati-*";

void report(Dati& window, const QString& message) {
    MessageBox::show(&window, message, MsgStyle::OkOnly | MsgStyle::Exclamation,
                     ModFenoverra::nomeprogramma);
}

// The save routine shared by Save and Save as; the caller has set the title.
void salvataggio(Dati& window) {
    if (!window.controlla(DataCheck::Mode::Silent)) return;

    CommonDialog& dialog = window.dialogo();
    if (window.nomefile.isEmpty()) {
        dialog.Filter = kDataFilter;
        dialog.FilterIndex = 1;
        if (dialog.FileName.isEmpty()) dialog.FileName = "Fenoverra-dati-";
        dialog.InitDir = FileFolders::toWrite(kKind);
        if (!dialog.ShowSave(&window)) return;
        window.nomefile = dialog.FileName;
    }
    const QString error = DataFileIO::write(window.nomefile, window.contenuto());
    if (error.isEmpty())
        FileFolders::remember(kKind, window.nomefile);
    else
        report(window, error);
}

} // namespace

void apri(Dati& window) {
    window.cancella();
    CommonDialog& dialog = window.dialogo();
    dialog.DialogTitle = "Apri file";
    dialog.FileName.clear();
    dialog.Filter = "Tutti i file (*.*) | *.*|" + kDataFilter;
    dialog.FilterIndex = 2;
    // A cancelled open leaves an empty window; keeping the old name would
    // let the next Save overwrite that file with other data unasked.
    window.nomefile.clear();
    dialog.InitDir = FileFolders::toRead(kKind);
    if (!dialog.ShowOpen(&window)) return;
    apriFile(window, dialog.FileName);
}

void apriFile(Dati& window, const QString& path) {
    window.cancella();
    window.nomefile.clear();
    const DataFileIO::ReadResult result = DataFileIO::read(path);
    if (!result.content) {
        report(window, result.error + "\rLa finestra è stata svuotata.");
        return;
    }
    window.nomefile = path;
    FileFolders::remember(kKind, path);
    window.carica(*result.content);
}

void salva(Dati& window) {
    window.dialogo().DialogTitle = "Salva file";
    salvataggio(window);
}

void salvanome(Dati& window) {
    window.dialogo().DialogTitle = "Salva file con nome";
    window.nomefile.clear();
    salvataggio(window);
}

void eliminare(Dati& window) {
    CommonDialog& dialog = window.dialogo();
    dialog.Filter = "Tutti i file (*.*)|*.*|" + kDataFilter;
    dialog.FilterIndex = 2;
    dialog.DialogTitle = ModFenoverra::titoloelimina;
    dialog.InitDir = FileFolders::toWrite(kKind);
    if (!dialog.ShowOpen(&window)) return;
    // Said aloud: a file still there after "Elimina" would look deleted.
    if (!QFile::remove(dialog.FileName))
        report(window, "Il file \"" + dialog.FileName + "\" non può essere eliminato.");
}

} // namespace DataFileCommands

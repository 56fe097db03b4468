// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Open, Save, Save as and Delete of a working window, one flow for both.
//
// A trait describes the kind of file (DataFiles, RateTableFiles): its name
// prefix, the filter of every file its open dialog offers, how it is read
// and written, the folder its dialogs remember, what a failed open leaves.
// The window derives from FileWindow of its trait: it gives its contents
// to be written and takes in the contents of a file read.

#include "files/wholefile.h"
#include "platform/commondialog.h"
#include "platform/filefolders.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"
#include "platform/workingwindow.h"

#include <QString>

template <typename Trait> class FileWindow : public WorkingWindow {
public:
    using Content = typename Trait::Content;

    // The file the contents were last opened from or saved to: Save writes
    // there without asking.
    QString nomefile;

    // What a file of this kind holds, taken from the window.
    virtual Content fileContent() const = 0;
    // The contents of a file read whole, put into the emptied window.
    virtual void loadFile(const Content& content, const QString& path) = 0;

    // Empties the window, asks for a file and opens it (apriFile).
    void apri() override {
        cancella();
        dialogo_.DialogTitle = "Apri file";
        dialogo_.FileName.clear();
        dialogo_.Filter = QString(Trait::everyFile) + '|' + kindFilter();
        dialogo_.FilterIndex = 2;
        // A cancelled open leaves an empty window; keeping the old name would
        // let the next Save overwrite that file with other contents unasked.
        nomefile.clear();
        dialogo_.InitDir = FileFolders::toRead(Trait::folder);
        if (!dialogo_.ShowOpen(this)) return;
        apriFile(dialogo_.FileName);
    }

    // Opens the file at `path` into the window, emptied first; it becomes
    // the current file. A file that cannot be read entirely leaves the
    // window empty, with no current file, and says why. The start-up opens
    // a file named on the command line this way.
    void apriFile(const QString& path) {
        cancella();
        nomefile.clear();
        const auto read = Trait::read(path);
        if (!read.content) {
            report(read.error + '\r' + Trait::emptied);
            return;
        }
        nomefile = path;
        FileFolders::remember(Trait::folder, path);
        loadFile(*read.content, path);
    }

    // Writes to the current file, asking for a name only when there is none.
    void salva() override {
        dialogo_.DialogTitle = "Salva file";
        save();
    }

    // Always asks for a name.
    void salvanome() override {
        dialogo_.DialogTitle = "Salva file con nome";
        nomefile.clear();
        save();
    }

    // Deletes a file the user chooses; the window is not touched.
    void elimina() override {
        dialogo_.Filter = "Tutti i file (*.*)|*.*|" + kindFilter();
        dialogo_.FilterIndex = 2;
        dialogo_.DialogTitle = ModFenoverra::titoloelimina;
        dialogo_.InitDir = FileFolders::toWrite(Trait::folder);
        if (!dialogo_.ShowOpen(this)) return;
        // Said aloud: a file still there after "Elimina" would look deleted.
        const QString error = WholeFile::remove(dialogo_.FileName);
        if (!error.isEmpty()) report(error);
    }

protected:
    using WorkingWindow::WorkingWindow;

    // Whether the contents may be saved; a refusal has said why.
    virtual bool readyToSave() { return true; }

private:
    static QString kindFilter() {
        const QString prefix = Trait::prefix;
        return "File " + prefix + " | " + prefix + '*';
    }

    // Save and Save as, once the title is set.
    void save() {
        if (!readyToSave()) return;
        if (nomefile.isEmpty()) {
            dialogo_.Filter = kindFilter();
            dialogo_.FilterIndex = 1;
            if (dialogo_.FileName.isEmpty()) dialogo_.FileName = Trait::prefix;
            dialogo_.InitDir = FileFolders::toWrite(Trait::folder);
            if (!dialogo_.ShowSave(this)) return;
            nomefile = dialogo_.FileName;
        }
        const QString error = Trait::write(nomefile, fileContent());
        if (error.isEmpty())
            FileFolders::remember(Trait::folder, nomefile);
        else
            report(error);
    }

    void report(const QString& message) {
        MessageBox::show(this, message, MsgStyle::OkOnly | MsgStyle::Exclamation,
                         ModFenoverra::nomeprogramma);
    }
};

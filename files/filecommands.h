// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Open, Save, Save as and Delete of a working window, one flow for both.
//
// A trait describes the kind of file (DataFiles, RateTableFiles): its name
// prefix, the filter of every file its open dialog offers, how it is read
// and written, the folder its dialogs remember, what a failed open leaves.
// The window is the owner of its file: it gives its contents to be written
// and takes a file's in.

#include "files/wholefile.h"
#include "platform/commondialog.h"
#include "platform/filefolders.h"
#include "platform/messagebox.h"
#include "platform/modfenoverra.h"

#include <QString>
#include <QWidget>

template <typename Trait> class FileCommands;

template <typename Content> class FileOwner {
public:
    // The file the contents were last opened from or saved to: Save writes
    // there without asking.
    QString nomefile;

protected:
    ~FileOwner() = default;

private:
    template <typename Trait> friend class FileCommands;

    // Empties the window before a file is opened into it.
    virtual void clearForFile() = 0;
    // Whether the contents may be saved; a refusal has said why.
    virtual bool readyToSave() { return true; }
    virtual Content fileContent() const = 0;
    // The contents of a file read whole, put into the window.
    virtual void loadFile(const Content& content, const QString& path) = 0;
};

template <typename Trait> class FileCommands {
public:
    using Owner = FileOwner<typename Trait::Content>;

    // `window` shows the dialogs and the messages.
    FileCommands(QWidget& window, CommonDialog& dialog, Owner& owner)
        : window_(window), dialog_(dialog), owner_(owner) {}

    // Empties the window, asks for a file and opens it (apriFile).
    void apri() {
        owner_.clearForFile();
        dialog_.DialogTitle = "Apri file";
        dialog_.FileName.clear();
        dialog_.Filter = QString(Trait::everyFile) + '|' + kindFilter();
        dialog_.FilterIndex = 2;
        // A cancelled open leaves an empty window; keeping the old name would
        // let the next Save overwrite that file with other contents unasked.
        owner_.nomefile.clear();
        dialog_.InitDir = FileFolders::toRead(Trait::folder);
        if (!dialog_.ShowOpen(&window_)) return;
        apriFile(dialog_.FileName);
    }

    // Opens the file at `path` into the window, emptied first; it becomes
    // the current file. A file that cannot be read entirely leaves the
    // window empty, with no current file, and says why. The start-up opens
    // a file named on the command line this way.
    void apriFile(const QString& path) {
        owner_.clearForFile();
        owner_.nomefile.clear();
        const auto result = Trait::read(path);
        if (!result.content) {
            report(result.error + '\r' + Trait::emptied);
            return;
        }
        owner_.nomefile = path;
        FileFolders::remember(Trait::folder, path);
        owner_.loadFile(*result.content, path);
    }

    // Writes to the current file, asking for a name only when there is none.
    void salva() {
        dialog_.DialogTitle = "Salva file";
        save();
    }

    // Always asks for a name.
    void salvanome() {
        dialog_.DialogTitle = "Salva file con nome";
        owner_.nomefile.clear();
        save();
    }

    // Deletes a file the user chooses; the window is not touched.
    void elimina() {
        dialog_.Filter = "Tutti i file (*.*)|*.*|" + kindFilter();
        dialog_.FilterIndex = 2;
        dialog_.DialogTitle = ModFenoverra::titoloelimina;
        dialog_.InitDir = FileFolders::toWrite(Trait::folder);
        if (!dialog_.ShowOpen(&window_)) return;
        // Said aloud: a file still there after "Elimina" would look deleted.
        const QString error = WholeFile::remove(dialog_.FileName);
        if (!error.isEmpty()) report(error);
    }

private:
    static QString kindFilter() {
        const QString prefix = Trait::prefix;
        return "File " + prefix + " | " + prefix + '*';
    }

    // Save and Save as, once the title is set.
    void save() {
        if (!owner_.readyToSave()) return;
        if (owner_.nomefile.isEmpty()) {
            dialog_.Filter = kindFilter();
            dialog_.FilterIndex = 1;
            if (dialog_.FileName.isEmpty()) dialog_.FileName = Trait::prefix;
            dialog_.InitDir = FileFolders::toWrite(Trait::folder);
            if (!dialog_.ShowSave(&window_)) return;
            owner_.nomefile = dialog_.FileName;
        }
        const QString error = Trait::write(owner_.nomefile, owner_.fileContent());
        if (error.isEmpty())
            FileFolders::remember(Trait::folder, owner_.nomefile);
        else
            report(error);
    }

    void report(const QString& message) {
        MessageBox::show(&window_, message, MsgStyle::OkOnly | MsgStyle::Exclamation,
                         ModFenoverra::nomeprogramma);
    }

    QWidget& window_;
    CommonDialog& dialog_;
    Owner& owner_;
};

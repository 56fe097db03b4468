// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole help guide in one document, saved beside the program so that
// it can be printed as a small paper manual.

#include <QList>
#include <QString>

class WordDocument;

namespace GuideDocument {

// One help page: its title and its text.
struct Page {
    QString title;
    QString text;
};

// The program's name followed by "-guida" and ".doc". The file holds
// OpenDocument Text, which word processors recognise by its content.
QString fileName();

// Types the guide into a new visible document, which appword and docword
// then name: the program's name (20 points) and description (16), then
// every page as "Guida: " and its title, and its text. The first title is
// 16 points, everything after it 12; a page break follows every text but
// the last; every paragraph is justified.
WordDocument* type(const QList<Page>& pages);

// Saves the document as fileName() in `directory`, replacing an older guide.
// When the directory cannot take it (a program installed where users may not
// write), the guide goes into the user's documents folder instead and a
// message says where; a message also when it cannot be saved anywhere.
// Returns the file written, empty when none was.
QString save(WordDocument* document, const QString& directory);

// Types the guide and saves the word processor's last document, as the
// contents window's print button does.
QString write(const QList<Page>& pages, const QString& directory);

} // namespace GuideDocument

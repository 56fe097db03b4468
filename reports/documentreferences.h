// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word-processor objects of the most recent document: every print
// command replaces them, earlier documents stay open and unreferenced.

#include <QPointer>

class WordApplication;
class WordDocument;
class WordTable;

namespace ModFenoverra {

extern QPointer<WordApplication> appword;
extern QPointer<WordDocument> docword;
// The table of the most recent printed report.
extern QPointer<WordTable> tabellaword;

} // namespace ModFenoverra

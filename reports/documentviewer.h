// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a finished document in front of the user: written as OpenDocument
// Text into the user's documents folder under a new name that says what it
// holds and when, then opened with the desktop's handler. When nothing
// opens it, a message names the file so the user can still print it.

class WordDocument;

namespace DocumentViewer {

void show(const WordDocument& document);

} // namespace DocumentViewer

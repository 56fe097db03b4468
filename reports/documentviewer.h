#pragma once
// Puts a finished document in front of the user: written as OpenDocument
// Text into a fresh temporary file (kept after the program ends, the
// viewer needs it) and opened with the desktop's handler. When that fails
// a message names the file, so the user can still print it.

class WordDocument;

namespace DocumentViewer {

void show(const WordDocument& document);

} // namespace DocumentViewer

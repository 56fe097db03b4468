// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts a finished document in front of the user: written into the user's
// documents folder under a new name that says what it holds and when, then
// opened with the desktop's handler. When it cannot be written, or nothing
// opens it, a message names the file (or the folder that could not be made)
// so the user can still find it, and `failed` runs.

#include "reports/reportmodel.h"

#include <functional>

namespace DocumentViewer {

enum class Format {
    Text, // OpenDocument Text, for the word processor
    Pdf,
};

void show(const Report::Document& document, Format format,
          const std::function<void()>& failed = {});

// Opens a file already written; when nothing opens it, the message.
void open(const QString& file, Format format, const std::function<void()>& failed = {});

} // namespace DocumentViewer

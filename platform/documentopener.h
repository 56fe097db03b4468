// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens a written document with the desktop's handler for its type
// (LibreOffice Writer, a PDF viewer) and tells when nothing took it.
//
// A handler is looked up first (xdg-open may fall back to a browser, or
// start nothing and still be slow to say so); then xdg-open runs, and only
// its success counts as opened. It may take a while to answer (some
// desktops run the handler in the foreground), so the answer comes later:
// `failed` runs once control is back in the event loop and xdg-open has
// failed or could not start, at once when no handler is installed.
//
// Tests switch to the double: it records the files and answers at once
// what the test scripted (opened, when nothing was scripted). A test can
// also have the real opener run another program instead of xdg-open.

#include <QStringList>
#include <functional>
#include <optional>

namespace DocumentOpener {

void open(const QString& file, std::function<void()> failed);

void useDouble(bool on);
void setNextResult(bool opened); // queued
QStringList opened();            // every file the double was asked to open

// Tests: the real opener runs `program` with the file instead of looking up
// a handler and running xdg-open.
void setProgramForTesting(std::optional<QString> program);

} // namespace DocumentOpener

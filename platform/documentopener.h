// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens a written document with the desktop's handler for its type
// (LibreOffice Writer where installed) and tells whether something took it.
//
// xdg-open cannot be trusted to say so (and QDesktopServices reports
// success whenever xdg-open started), so the handler is looked up first:
// no handler, or no way to start one, counts as not opened.
//
// Tests switch to the double: it records the files and answers what the
// test scripted (opened, when nothing was scripted).

#include <QStringList>

namespace DocumentOpener {

bool open(const QString& file);

void useDouble(bool on);
void setNextResult(bool opened); // queued
QStringList opened();            // every file the double was asked to open

} // namespace DocumentOpener

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's top-level windows by name (platform/windownames.h).
//
// A window never includes another window's header: the shell defines at
// start-up how each window is made, and a window opens another by name.
// Unloading a window closes it and deletes it once control returns to the
// event loop; from then on it no longer counts as loaded.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace WindowRegistry {

using Factory = std::function<QWidget*()>;

// How the window of that name is made (the shell, at start-up; tests).
// Made again for a name already defined, it keeps that name's place.
void define(const QString& name, Factory factory);

// Every name defined, in the order first defined: the windows the program has.
QStringList defined();

// The loaded window of that name, or nullptr.
QWidget* loaded(const QString& name);
// The loaded window, made first if it is not loaded; not shown.
// nullptr when no window of that name is defined.
QWidget* load(const QString& name);
// Loads the window, shows it modeless and brings it forward.
QWidget* show(const QString& name);
void unload(QWidget* window);

// The loaded window of that name as a T (see load), or nullptr.
template <typename T> T* loadAs(const QString& name) {
    return dynamic_cast<T*>(load(name));
}

} // namespace WindowRegistry

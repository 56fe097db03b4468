// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The models hold their texts as UTF-8 std::string, the controls as QString.

#include <QString>
#include <string>

inline QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}

inline std::string fromQt(const QString& text) {
    return text.toStdString();
}

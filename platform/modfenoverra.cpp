// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/modfenoverra.h"

#include "platform/builddate.h"

namespace ModFenoverra {

QString datacompilazione() {
    return QString::fromLatin1(BuildDate::code());
}

} // namespace ModFenoverra

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day the program was built, stamped by the build itself (not when the
// build was configured): its source is written at every build.

namespace BuildDate {

// Six digits, ggmmaa.
const char* code();

} // namespace BuildDate

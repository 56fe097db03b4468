# SPDX-License-Identifier: GPL-3.0-or-later
# The first version NEWS describes is the one in CMakeLists.txt, with its date.
file(STRINGS ${NEWS} entries REGEX "^Fenoverra [0-9]")
list(GET entries 0 first)
if(NOT first STREQUAL "Fenoverra ${VERSION} (${DATE})")
  message(FATAL_ERROR "NEWS begins with \"${first}\", not \"Fenoverra ${VERSION} (${DATE})\"")
endif()

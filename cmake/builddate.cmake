# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the day of the build into OUTPUT, a small C++ source, at every build.
# The file is rewritten only when the day changes, so a build on the same day
# compiles and links nothing more because of it.
string(TIMESTAMP day "%d%m%y")
set(content "// Written at each build by cmake/builddate.cmake.
#include \"platform/builddate.h\"

const char* BuildDate::code() {
    return \"${day}\";
}
")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL content)
  file(WRITE "${OUTPUT}" "${content}")
endif()

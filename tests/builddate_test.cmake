# SPDX-License-Identifier: GPL-3.0-or-later
# The build date is stamped by the build: the generator writes the day it runs
# (SOURCE_DATE_EPOCH stands in for the clock) and leaves its file untouched
# while the day stays the same, so a rebuild compiles nothing because of it.
set(out ${WORK_DIR}/builddate.cpp)
file(REMOVE ${out})
function(stamp epoch)
  set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  execute_process(COMMAND ${CMAKE_COMMAND} -DOUTPUT=${out} -P ${SOURCE_DIR}/cmake/builddate.cmake
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "the build date script failed")
  endif()
endfunction()
function(expect code)
  file(READ ${out} content)
  if(NOT content MATCHES "\"${code}\"")
    message(FATAL_ERROR "expected the code ${code} in:\n${content}")
  endif()
endfunction()

stamp(86400) # 2 January 1970
expect(020170)
execute_process(COMMAND touch -d @1000 ${out})
stamp(90000) # later the same day
file(TIMESTAMP ${out} written "%s" UTC)
if(NOT written EQUAL 1000)
  message(FATAL_ERROR "rewritten although the day has not changed")
endif()
stamp(172800) # the next day
expect(030170)

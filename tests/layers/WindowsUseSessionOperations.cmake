# The windows change the session only through its operations: no file of the
# program's windows or tools reaches for the edit accessors that the session's own
# use cases (and tests arranging a session) use.
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/gui/*.cpp ${SOURCE_DIR}/src/gui/*.h ${SOURCE_DIR}/tools/*.cpp)
set(offenders "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "edit(Design|App|Materials|Designs|Fields)\\(\\)")
  if(lines)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    list(APPEND offenders "${name}: ${lines}")
  endif()
endforeach()
if(offenders)
  string(REPLACE ";" "\n" report "${offenders}")
  message(FATAL_ERROR "These files change the session's parts directly instead of calling an operation:\n${report}")
endif()

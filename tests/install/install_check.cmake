# Installs the build into a fresh prefix, as a package would, and checks what lands
# there: both programs, the desktop entry (which must pass desktop-file-validate and
# name the installed icon) and the icon in the hicolor theme; the installed figures
# tool must run.
set(prefix "${WORKDIR}/install-prefix")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}\n${err}")
endif()

set(desktop "${prefix}/share/applications/brisko.desktop")
set(icon "${prefix}/share/icons/hicolor/scalable/apps/brisko.svg")
foreach(path "${prefix}/bin/brisko" "${prefix}/bin/brisko-figures" "${prefix}/bin/brisko-class" "${desktop}" "${icon}")
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(STRINGS "${desktop}" entry)
foreach(line "Exec=brisko" "Icon=brisko" "Type=Application")
  list(FIND entry "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks '${line}'")
  endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is missing (scripts/install-deps.sh installs it)")
endif()
execute_process(COMMAND ${VALIDATE} "${desktop}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}${err}")
endif()

execute_process(COMMAND "${prefix}/bin/brisko-figures" --preset Racer RESULT_VARIABLE rc OUTPUT_VARIABLE out)
string(FIND "${out}" "TimeTo15: " at)
if(NOT rc EQUAL 0 OR at EQUAL -1)
  message(FATAL_ERROR "the installed brisko-figures failed (${rc}):\n${out}")
endif()

# Makes the Debian package from the build, as `cpack -G DEB` does, into a folder of its
# own and checks it as a school's administrator would: lintian reports no error and no
# warning, the package holds the manual pages, the copyright file and the changelog,
# and its desktop entry passes desktop-file-validate.
set(out "${WORKDIR}/package-check")
file(REMOVE_RECURSE "${out}")
file(MAKE_DIRECTORY "${out}")

foreach(tool lintian dpkg-deb desktop-file-validate)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    message(FATAL_ERROR "${tool} is missing (scripts/install-deps.sh installs it)")
  endif()
endforeach()

execute_process(COMMAND ${CPACK} -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${out}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE cpack_out ERROR_VARIABLE cpack_err)
file(GLOB debs "${out}/*.deb")
list(LENGTH debs deb_count)
if(NOT rc EQUAL 0 OR NOT deb_count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB failed (${rc}, ${deb_count} packages):\n${cpack_out}\n${cpack_err}")
endif()

# Every error and every warning fails; informational notes are shown but pass. A lintian
# that cannot check the package fails too.
execute_process(COMMAND ${found_lintian} --no-cfg --fail-on error,warning --display-info --tag-display-limit 0
                        ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report_err)
message(STATUS "lintian on ${debs}:\n${report}${report_err}")
string(REGEX MATCHALL "(^|\n)[EW]: [^\n]*" faults "${report}")
if(NOT rc EQUAL 0 OR faults)
  string(REPLACE ";" "" faults "${faults}")
  message(FATAL_ERROR "lintian (exit ${rc}) finds errors or warnings:${faults}\n${report_err}")
endif()

execute_process(COMMAND ${found_dpkg-deb} -x ${debs} "${out}/root" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed (${rc})")
endif()
foreach(path usr/share/man/man1/brisko.1.gz usr/share/man/man1/brisko-figures.1.gz
             usr/share/man/man1/brisko-class.1.gz usr/share/doc/brisko/copyright usr/share/doc/brisko/changelog.gz)
  if(NOT EXISTS "${out}/root/${path}")
    message(FATAL_ERROR "the package lacks /${path}")
  endif()
endforeach()
file(READ "${out}/root/usr/share/doc/brisko/copyright" copyright)
if(NOT copyright MATCHES "\nLicense: GPL-3\\+\n")
  message(FATAL_ERROR "the copyright file does not state GPL-3+:\n${copyright}")
endif()

execute_process(COMMAND ${found_desktop-file-validate} "${out}/root/usr/share/applications/brisko.desktop"
                RESULT_VARIABLE rc OUTPUT_VARIABLE validate ERROR_VARIABLE validate_err)
if(NOT rc EQUAL 0 OR NOT "${validate}${validate_err}" STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${validate}${validate_err}")
endif()

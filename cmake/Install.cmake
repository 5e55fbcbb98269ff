# What a computer lab installs: the program, the figures and class tools, their manual pages,
# the desktop entry and the program's icon, the copyright file and the changelog; and the
# Debian package that carries them (cpack -G DEB).
include(GNUInstallDirs)

# Directories are made rwxr-xr-x whatever the umask of the build.
set(BRISKO_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                 WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${BRISKO_DIRECTORY_PERMISSIONS})
set(BRISKO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/brisko)

# Debian wants manual pages and the changelog compressed as gzip -9n does (no name, no
# time stamp), so that every build gives the same bytes.
find_program(BRISKO_GZIP gzip REQUIRED)
function(brisko_gzipped source output)
  add_custom_command(OUTPUT ${output} COMMAND ${BRISKO_GZIP} -9nc ${source} > ${output} DEPENDS ${source}
                     VERBATIM)
endfunction()

set(BRISKO_PACKAGING_FILES)
foreach(page brisko brisko-figures brisko-class)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  brisko_gzipped(${CMAKE_BINARY_DIR}/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  list(APPEND BRISKO_PACKAGING_FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
endforeach()
brisko_gzipped(${CMAKE_SOURCE_DIR}/packaging/changelog ${CMAKE_BINARY_DIR}/changelog.gz)
list(APPEND BRISKO_PACKAGING_FILES ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_target(brisko_packaging_files ALL DEPENDS ${BRISKO_PACKAGING_FILES})

install(TARGETS brisko RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET brisko-figures)
  install(TARGETS brisko-figures RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET brisko-class)
  install(TARGETS brisko-class RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brisko.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brisko.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(page brisko brisko-figures brisko-class)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${BRISKO_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisko)
set(CPACK_PACKAGE_VENDOR "Brisko")
# CPack puts the summary as the synopsis line before the long description, which is one
# string: a CMake list would put ";" between its parts.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design tool for a classroom spring-driven toy car")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Students sketch a foam-board toy car driven by a spiral spring, build it
virtually, analyse its masses and forces, simulate and race it, and print
full-size cutting templates and a design report. Tools rank a whole class's
designs and print the figures of a design from the command line.")
set(BRISKO_PACKAGE_CONTACT "Brisko maintainers <maintainers@brisko.example.org>"
    CACHE STRING "Maintainer of the Debian package: name and mail address")
set(CPACK_PACKAGE_CONTACT "${BRISKO_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brisko.example.org")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${BRISKO_DIRECTORY_PERMISSIONS})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries (and the C++ runtime) come from the linked libraries themselves;
# the platform plugins that open windows are loaded at run time, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core | fonts-liberation2")
include(CPack)

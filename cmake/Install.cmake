# What a computer lab installs: the program, the figures and class tools, the desktop entry and
# the program's icon; and the Debian package that carries them (cpack -G DEB).
include(GNUInstallDirs)

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisko)
set(CPACK_PACKAGE_VENDOR "Brisko")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design tool for a classroom spring-driven toy car")
set(CPACK_PACKAGE_DESCRIPTION
    "Students sketch a foam-board toy car driven by a spiral spring, build it virtually,\n"
    " analyse its masses and forces, simulate and race it, and print its templates.")
set(CPACK_PACKAGE_CONTACT "Brisko maintainers <brisko@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries (and the C++ runtime) come from the linked libraries themselves;
# the platform plugins that open windows are loaded at run time, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core | fonts-liberation2")
include(CPack)

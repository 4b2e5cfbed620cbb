# Installation as a Linux desktop program, and the Debian package.

include(GNUInstallDirs)

# The desktop icon, rendered from the program's own drawing at build time.
add_executable(orvantis-icon-export ${PROJECT_SOURCE_DIR}/app/IconExport.cpp)
target_link_libraries(orvantis-icon-export PRIVATE orvantis_mainwindow)
set(ORVANTIS_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${ORVANTIS_ICON_DIR}/256x256/apps/orvantis.png
  COMMAND orvantis-icon-export ${ORVANTIS_ICON_DIR}
  DEPENDS orvantis-icon-export
  COMMENT "Rendering the desktop icon")
add_custom_target(orvantis_desktop_icons ALL DEPENDS ${ORVANTIS_ICON_DIR}/256x256/apps/orvantis.png)

install(DIRECTORY ${ORVANTIS_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/dist/orvantis.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Man pages carry the program's version and are installed compressed, as Debian has them.
configure_file(${PROJECT_SOURCE_DIR}/dist/orvantis-cli.1.in ${CMAKE_BINARY_DIR}/orvantis-cli.1 @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/orvantis-cli.1.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/orvantis-cli.1 > ${CMAKE_BINARY_DIR}/orvantis-cli.1.gz
  DEPENDS ${CMAKE_BINARY_DIR}/orvantis-cli.1)
add_custom_target(orvantis_man_pages ALL DEPENDS ${CMAKE_BINARY_DIR}/orvantis-cli.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/orvantis-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# "5.00 - r003" becomes the Debian version 5.00-r003.
string(REGEX MATCH "^([0-9.]+) - ([A-Za-z0-9]+)$" _ "${ORVANTIS_VERSION_TEXT}")
set(CPACK_PACKAGE_NAME orvantis)
set(CPACK_PACKAGE_VERSION ${CMAKE_MATCH_1})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_2})
set(CPACK_PACKAGE_VENDOR "Korven")
set(CPACK_PACKAGE_CONTACT "Orvantis+ remote control developers <orvantis@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Remote control and set-up of the Orvantis+ TV signal analyser")
set(CPACK_PACKAGE_DESCRIPTION
  "Finds an Orvantis+ handheld TV signal analyser on a serial port, reads the settings kept in its\n"
  "EEPROM, edits them, keeps them as .pro project files and writes them back. With a serial\n"
  "terminal, a text editor, a command-line front end and a simulated instrument.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The run-time dependencies are computed from the linked libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

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

# "5.00 - r003" becomes the Debian version 5.00-r003, which the software
# centres show as well.
if(NOT ORVANTIS_VERSION_TEXT MATCHES "^([0-9.]+) - ([A-Za-z0-9]+)$")
  message(FATAL_ERROR "The version '${ORVANTIS_VERSION_TEXT}' is not of the form '5.00 - r003'")
endif()
set(ORVANTIS_UPSTREAM_VERSION ${CMAKE_MATCH_1})
set(ORVANTIS_PACKAGE_REVISION ${CMAKE_MATCH_2})
set(ORVANTIS_DEBIAN_VERSION ${ORVANTIS_UPSTREAM_VERSION}-${ORVANTIS_PACKAGE_REVISION})

# Where the package's contact and the screenshots live. No public home is
# settled yet, so both point into the reserved .example domain, where nothing
# answers: set them on the cmake command line when building a package to publish.
set(ORVANTIS_MAINTAINER "Orvantis+ remote control developers <orvantis@korven.example>"
  CACHE STRING "The Debian package's maintainer, also the changelog's author")
set(ORVANTIS_SCREENSHOT_URL "" CACHE STRING
  "The https address at which this version's PNG files of docs/ are published (empty: a placeholder)")
if(NOT ORVANTIS_SCREENSHOT_URL)
  set(ORVANTIS_SCREENSHOT_URL "https://korven.example/orvantis/${ORVANTIS_DEBIAN_VERSION}/docs")
endif()
set(CPACK_PACKAGE_VENDOR "Korven")

# The desktop entry and what software centres show; the file names are the
# AppStream id, which the id inside the metainfo file repeats.
set(ORVANTIS_APP_ID com.korven.orvantis)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${ORVANTIS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${PROJECT_SOURCE_DIR}/dist/${ORVANTIS_APP_ID}.metainfo.xml.in
  ${CMAKE_BINARY_DIR}/${ORVANTIS_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${ORVANTIS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Man pages carry the program's version and are installed compressed, as Debian has them.
set(ORVANTIS_MAN_PAGES)
foreach(program orvantis orvantis-cli orvantis-sim)
  configure_file(${PROJECT_SOURCE_DIR}/dist/${program}.1.in ${CMAKE_BINARY_DIR}/${program}.1 @ONLY)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${program}.1.gz
    COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/${program}.1 > ${CMAKE_BINARY_DIR}/${program}.1.gz
    DEPENDS ${CMAKE_BINARY_DIR}/${program}.1)
  list(APPEND ORVANTIS_MAN_PAGES ${CMAKE_BINARY_DIR}/${program}.1.gz)
endforeach()

# The Debian changelog has one entry, the release's; its date in the mail
# format Debian wants, from the release date.
execute_process(COMMAND date -u -R -d "${ORVANTIS_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE ORVANTIS_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE _date_result)
if(NOT _date_result EQUAL 0)
  message(FATAL_ERROR "The release date '${ORVANTIS_RELEASE_DATE}' is not a date")
endif()
configure_file(${PROJECT_SOURCE_DIR}/dist/changelog.Debian.in ${CMAKE_BINARY_DIR}/changelog.Debian @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/changelog.Debian.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/changelog.Debian > ${CMAKE_BINARY_DIR}/changelog.Debian.gz
  DEPENDS ${CMAKE_BINARY_DIR}/changelog.Debian)
add_custom_target(orvantis_package_texts ALL DEPENDS ${ORVANTIS_MAN_PAGES} ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
install(FILES ${ORVANTIS_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package's own name, not the project's: Debian looks for these in /usr/share/doc/orvantis.
install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright ${CMAKE_BINARY_DIR}/changelog.Debian.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvantis)

set(CPACK_PACKAGE_NAME orvantis)
set(CPACK_PACKAGE_VERSION ${ORVANTIS_UPSTREAM_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${ORVANTIS_PACKAGE_REVISION})
set(CPACK_PACKAGE_CONTACT ${ORVANTIS_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Remote control and set-up of the Orvantis+ TV signal analyser")
# One string: the pieces of a set() would be joined by ";" into the control file.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Finds an Orvantis+ handheld TV signal analyser on a serial port, reads the\n"
  "settings kept in its EEPROM, edits them, keeps them as .pro project files\n"
  "and writes them back. With a serial terminal, a text editor, a command-line\n"
  "front end and a simulated instrument.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The run-time dependencies are computed from the linked libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

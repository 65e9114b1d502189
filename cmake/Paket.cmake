# The Debian package: `cpack -G DEB` in the build folder, or the build's `package` target.
# Both programs, desktop integration and manual pages; dependencies found by dpkg-shlibdeps.
if(NOT UNIX OR APPLE)
  return()
endif()
include(GNUInstallDirs)

set(paket_doku ${CMAKE_INSTALL_DATADIR}/doc/sarnix)
install(FILES ${PROJECT_SOURCE_DIR}/res/debian/copyright DESTINATION ${paket_doku})
# Debian wants the changelog compressed, without a time stamp, so builds stay reproducible.
find_program(GZIP_PROGRAMM gzip)
if(GZIP_PROGRAMM)
  set(changelog_gz ${CMAKE_BINARY_DIR}/debian/changelog.gz)
  add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
    COMMAND ${GZIP_PROGRAMM} -n -9 -c ${PROJECT_SOURCE_DIR}/res/debian/changelog > ${changelog_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/res/debian/changelog)
  add_custom_target(changelog ALL DEPENDS ${changelog_gz})
  install(FILES ${changelog_gz} DESTINATION ${paket_doku})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sarnix)
set(CPACK_PACKAGE_VENDOR Orvexa)
set(CPACK_PACKAGE_CONTACT "Orvexa <sarnix@orvexa.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graphical viewer for flight recordings")
set(CPACK_PACKAGE_DESCRIPTION
    "Sarnix opens the recording of a flight instrument (variometer with position\nreceiver, thermometer and airspeed sensor) and shows the flight as plan view,\nbarograms and temperature profile, with five track colourings, zoom, time\nmarks, route points, a track cursor and a flight summary, and prints the\ntrack as a map. sarnix-cli draws the same pictures without a screen.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orvexa.example/sarnix")
# `package_source` leaves out build folders and version control.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git(/|$)" "/build/" "/out/" "\\.swp$")
include(CPack)

# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by `cpack -G DEB` in a Release build installed
# into /usr (scripts/make-deb.sh configures one).
set(CPACK_PACKAGE_NAME fenoverra)
set(CPACK_PACKAGE_VENDOR "The Fenoverra developers")
set(FENOVERRA_MAINTAINER "Fenoverra maintainers <maintainers@users.noreply.c-seed-da44e414.example>"
    CACHE STRING "The package's maintainer, \"Name <address>\"")
set(CPACK_PACKAGE_CONTACT "${FENOVERRA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simple and compound interest calculator")
# Lines under 80 characters and a blank line between paragraphs, as Debian
# shows them; CPack indents them for the control file.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Fenoverra computes simple and compound interest on a capital over up to"
  "200 periods, each with its own annual rate, up to a final date, and shows"
  "every period's days, interest and capital beside the final sums."
  ""
  "Rate tables hold the Italian legal rate and the official discount rate,"
  "continued by the ECB rate; up-to-date tables come with the program and can"
  "be copied into a calculation. Calculations and tables are kept as small"
  "text files and can be written as OpenDocument documents to print."
  ""
  "The user interface is in Italian.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# Installed through DESTDIR, so that the install step leaves the MIME and
# desktop databases to the triggers of the packages that own them.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The libraries the program links, found by dpkg-shlibdeps, and what it
# loads while it runs: FluidSynth and a General MIDI sound font for the
# closing screen's music (platform/fluidsynthplayer.cpp looks for either
# font), Qt's Italian texts for the standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libfluidsynth3, timgm6mb-soundfont | fluid-soundfont-gm, qt6-translations-l10n")
# The documents are opened with the desktop's own program for them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer")

# Debian's changelog of the package, beside the program's own (NEWS).
set(FENOVERRA_DEB_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
execute_process(COMMAND date -u -R -d "${FENOVERRA_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE FENOVERRA_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file(packaging/changelog.Debian.in ${CMAKE_BINARY_DIR}/doc/changelog.Debian @ONLY)
set(_changelog ${CMAKE_BINARY_DIR}/doc/changelog.Debian.gz)
add_custom_command(OUTPUT ${_changelog}
  COMMAND gzip -9nkf changelog.Debian
  DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.Debian
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/doc
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS ${_changelog})
# Only in the package: `cmake --install` leaves this component out, cpack
# installs it after the rest.
install(FILES ${_changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/" "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")

include(CPack)

# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Fenoverra: the program, the files it ships with (found through
# platform/programfiles.h in <prefix>/share/fenoverra), what a Linux desktop
# needs to list it in its menu and open its files with it, its manual page
# and AppStream entry, the licence and what each version brought.
set(CMAKE_INSTALL_DOCDIR share/doc/fenoverra)
include(GNUInstallDirs)
set(FENOVERRA_SHARE_DIR ${CMAKE_INSTALL_FULL_DATADIR}/fenoverra)
set(FENOVERRA_APPSTREAM_ID org.fenoverra.Fenoverra)

install(TARGETS fenoverra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${FENOVERRA_SHIPPED_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/fenoverra)
install(FILES resources/fenoverra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icons/fenoverra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/fenoverra-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME fenoverra.xml)

# The icon as PNG beside the SVG, for menus and file managers that do not
# draw SVG: drawn from it at build time, never kept in the sources.
set(_theme ${CMAKE_BINARY_DIR}/icons/hicolor)
set(_theme_sizes 16 22 24 32 48 64 128 256)
set(_theme_pictures)
foreach(size IN LISTS _theme_sizes)
  list(APPEND _theme_pictures ${_theme}/${size}x${size}/apps/fenoverra.png)
  install(FILES ${_theme}/${size}x${size}/apps/fenoverra.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${_theme_pictures}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:rendericons>
          ${CMAKE_SOURCE_DIR}/resources/icons/fenoverra.svg ${_theme} ${_theme_sizes}
  DEPENDS rendericons ${CMAKE_SOURCE_DIR}/resources/icons/fenoverra.svg
  COMMENT "Drawing the icon for the desktop's icon theme"
  VERBATIM)

# The manual page, the AppStream entry and the list of what each version
# brought carry the version from CMakeLists.txt; compressed without a time
# stamp, as Debian installs documentation.
configure_file(resources/fenoverra.1.in ${CMAKE_BINARY_DIR}/doc/fenoverra.1 @ONLY)
configure_file(resources/fenoverra.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/doc/${FENOVERRA_APPSTREAM_ID}.metainfo.xml @ONLY)
configure_file(NEWS ${CMAKE_BINARY_DIR}/doc/changelog COPYONLY)
set(_compressed ${CMAKE_BINARY_DIR}/doc/fenoverra.1.gz ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(OUTPUT ${_compressed}
  COMMAND gzip -9nkf fenoverra.1 changelog
  DEPENDS ${CMAKE_BINARY_DIR}/doc/fenoverra.1 ${CMAKE_BINARY_DIR}/doc/changelog
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/doc
  VERBATIM)
add_custom_target(desktop_files ALL DEPENDS ${_theme_pictures} ${_compressed})
install(FILES ${CMAKE_BINARY_DIR}/doc/fenoverra.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/doc/${FENOVERRA_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# What a desktop reads after the files are in place: the MIME database that
# names Fenoverra's files, the cache of which program opens each type, and
# an icon cache if the theme folder has one (a stale cache would hide the
# icon). Left to the package's own triggers when installing into DESTDIR,
# and skipped when a tool is missing (the README gives the commands).
install(CODE "
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
    set(_share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
    find_program(_fenoverra_mime update-mime-database)
    if(_fenoverra_mime)
      execute_process(COMMAND \${_fenoverra_mime} \"\${_share}/mime\")
    endif()
    find_program(_fenoverra_desktop update-desktop-database)
    if(_fenoverra_desktop)
      execute_process(COMMAND \${_fenoverra_desktop} -q \"\${_share}/applications\")
    endif()
    find_program(_fenoverra_icons gtk-update-icon-cache)
    if(_fenoverra_icons AND EXISTS \"\${_share}/icons/hicolor/icon-theme.cache\")
      execute_process(COMMAND \${_fenoverra_icons} -q -t -f \"\${_share}/icons/hicolor\")
    endif()
  endif()
")

# Installing Fenoverra: the program, the files it ships with (found through
# platform/programfiles.h in <prefix>/share/fenoverra), and what a Linux
# desktop needs to list it in its menu and open its files with it.
include(GNUInstallDirs)

install(TARGETS fenoverra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${FENOVERRA_SHIPPED_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/fenoverra)
install(FILES resources/fenoverra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icons/fenoverra.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/fenoverra-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME fenoverra.xml)

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

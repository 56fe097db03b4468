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

# Where `cmake --install` puts the programs and what a desktop needs to open plan files with
# them, and the Debian package CPack builds from the same rules.
include(GNUInstallDirs)

install(TARGETS orbato RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES share/orbato.css DESTINATION ${CMAKE_INSTALL_DATADIR}/winorbato)
if(EXISTS ${PROJECT_SOURCE_DIR}/share/handbuch)
  install(DIRECTORY share/handbuch/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/winorbato/handbuch)
endif()

if(ORBATO_GUI)
  install(TARGETS winorbato RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES share/desktop/winorbato.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES share/desktop/winorbato.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES share/desktop/winorbato.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
    RENAME application-x-winorbato-plan.svg)
  # Qt's German texts for its own dialogs travel with the program, which looks for them here
  # first, so that a machine without the system's Qt translations still shows German dialogs.
  set(ORBATO_QT_DEUTSCH "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_de.qm")
  if(EXISTS "${ORBATO_QT_DEUTSCH}")
    install(FILES "${ORBATO_QT_DEUTSCH}" DESTINATION ${CMAKE_INSTALL_DATADIR}/winorbato/translations)
  else()
    message(WARNING "Qt's German translations (${ORBATO_QT_DEUTSCH}) are missing: "
                    "the package's file dialogs will speak English")
  endif()
  install(FILES share/desktop/winorbato-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME winorbato.xml)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME winorbato)
set(CPACK_PACKAGE_VENDOR "WinOrbato")
set(CPACK_PACKAGE_CONTACT "WinOrbato <planung@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Unterrichtsverteilung, Stundenplan und Vertretungsplan einer Schule")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries and libical (the calendars) that the programs link are found by dpkg-shlibdeps,
# so the package depends on their runtime packages; the poppler and browser tools
# are only for the tests.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)

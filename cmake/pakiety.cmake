# What an installation holds, and the Debian package made from it with CPack (`cpack -G DEB` in
# the build folder, or scripts/pakiet-deb.sh, which also tries the package out).
#   Linux:   /usr/bin/kelvor, /usr/bin/kelvor-cli, the manual and the example under
#            /usr/share/doc/kelvor/, a desktop entry and the icon.
#   Windows: one folder (Program Files\KELVOR): both programs, the manual, the example; the
#            Qt files the window needs are added by scripts/windows-installer.sh.
if(WIN32)
  set(kelvor_bin .)
  set(kelvor_dok .)
  set(kelvor_przyklady przyklady)
else()
  include(GNUInstallDirs)
  set(kelvor_bin ${CMAKE_INSTALL_BINDIR})
  set(kelvor_dok ${CMAKE_INSTALL_DATADIR}/doc/kelvor)
  set(kelvor_przyklady ${kelvor_dok}/przyklady)
endif()

install(TARGETS kelvor-cli RUNTIME DESTINATION ${kelvor_bin})
if(TARGET kelvor)
  install(TARGETS kelvor RUNTIME DESTINATION ${kelvor_bin})
endif()
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/kelvor.html DESTINATION ${kelvor_dok})
install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/kelvor-rysunki DESTINATION ${kelvor_dok})
install(FILES ${PROJECT_SOURCE_DIR}/examples/obreb_przykladowy.swd
              ${PROJECT_SOURCE_DIR}/examples/przyklad.cfg DESTINATION ${kelvor_przyklady})

if(WIN32 AND TARGET kelvor)
  install(FILES ${KELVOR_IKONA_ICO} DESTINATION .)
endif()
if(NOT WIN32 AND TARGET kelvor)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/kelvor.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${KELVOR_IKONA_SVG}
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(rozmiar 16 24 32 48 64 128 256)
    install(FILES ${KELVOR_IKONA_DIR}/kelvor_${rozmiar}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${rozmiar}x${rozmiar}/apps
            RENAME kelvor.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME kelvor)
set(CPACK_PACKAGE_VENDOR "KELVOR")
set(CPACK_PACKAGE_CONTACT "KELVOR <kelvor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Przygotowanie plików SWDE ewidencji gruntów i budynków do przekazania")
set(CPACK_PACKAGE_DESCRIPTION "Usuwa wybrane grupy obiektów i atrybuty (lokale, budynki, \
dane osobowe, historię, grafikę) z plików SWDE, naprawia odwołania do nich, usuwa obiekty \
osierocone, dodaje sumy CRC i sprawdza pliki przed przekazaniem. Okno (kelvor) i program \
konsolowy (kelvor-cli).")
set(CPACK_PACKAGE_INSTALL_DIRECTORY KELVOR)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

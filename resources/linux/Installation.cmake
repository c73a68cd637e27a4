# Installation as on any Linux desktop (cmake --install) and the Debian package (cpack -G DEB).
# The program finds its help file and the sample school in <prefix>/share/simultano; an
# installed program keeps its settings in ~/.config/Simultano/.

set(SIMULTANO_PROGRAMM_ID de.simultano.Simultano)
set(linux_dateien ${CMAKE_SOURCE_DIR}/resources/linux)
set(SIMULTANO_PAKET_BETREUER "Die Entwickler von Simultano <simultano@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
# The release date in the metainfo file: set it for a release; empty, the day of configuring
# (SOURCE_DATE_EPOCH, where set, gives a reproducible one).
set(SIMULTANO_RELEASE_DATUM "" CACHE STRING "Release date of this version (YYYY-MM-DD); empty: today")
if(NOT SIMULTANO_RELEASE_DATUM)
  string(TIMESTAMP SIMULTANO_RELEASE_DATUM "%Y-%m-%d" UTC)
endif()

install(TARGETS simultano-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(SIMULTANO_GUI)
  target_compile_definitions(Simultano PRIVATE SIMULTANO_PROGRAMM_ID="${SIMULTANO_PROGRAMM_ID}")
  install(TARGETS Simultano RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${SIMULTANO_HILFEDATEI} ${CMAKE_SOURCE_DIR}/resources/beispiel/Beispielschule.spz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/simultano)
  install(FILES ${linux_dateien}/${SIMULTANO_PROGRAMM_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/simultano.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${SIMULTANO_PROGRAMM_ID}.svg)
  install(FILES ${linux_dateien}/${SIMULTANO_PROGRAMM_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  configure_file(${linux_dateien}/${SIMULTANO_PROGRAMM_ID}.metainfo.xml
                 ${CMAKE_BINARY_DIR}/${SIMULTANO_PROGRAMM_ID}.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/${SIMULTANO_PROGRAMM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The package's dependencies are found by dpkg-shlibdeps from the libraries the programs
# link; the Qt translations give the file dialogs their German texts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME simultano)
set(CPACK_PACKAGE_VENDOR "Simultano")
set(CPACK_PACKAGE_CONTACT "${SIMULTANO_PAKET_BETREUER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Planung der Zeugniskonferenzen einer Schule")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Simultano findet heraus, welche Klassenkonferenzen gleichzeitig stattfinden"
  "können, weil keine Lehrkraft in zweien davon sitzt, und schreibt die"
  "Protokolltexte jeder Klasse aus einer Vorlage. Lehrkräfte und Klassen kommen"
  "aus einer eigenen Projektdatei, einem UNTIS-Export oder einer Textliste.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

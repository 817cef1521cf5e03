# Installing the game the freedesktop way, and the Debian package made from
# that install:
#   games/zunpas                       the game (Debian keeps games there)
#   share/zunpas/                      pictures, sounds, manual (read only)
#   share/applications/<id>.desktop    the menu entry
#   share/metainfo/<id>.metainfo.xml   the software centres' description
#   share/icons/hicolor/NxN/apps/<id>.png
# The data files are not installed: the game makes them in the user's data
# folder on its first run.

include(GNUInstallDirs)
set(ZUNPA_SCREENSHOT_URL "https://zunpas.github.io/ZunpaS/table-mid-round.png")
set(ZUNPA_RELEASE_DATE 2026-12-09)
set(ZUNPA_MAINTAINER "ZunpaS maintainers <maintainers@zunpas.example>")
set(ZUNPA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/zunpas)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(packaging ${CMAKE_CURRENT_LIST_DIR})

configure_file(${packaging}/zunpas.desktop.in ${CMAKE_BINARY_DIR}/${ZUNPA_APP_ID}.desktop @ONLY)
configure_file(${packaging}/zunpas.metainfo.xml.in ${CMAKE_BINARY_DIR}/${ZUNPA_APP_ID}.metainfo.xml @ONLY)

install(TARGETS zunpas RUNTIME DESTINATION games)

# The program folder: what the build drew and recorded, under the names the
# game looks for. The sound names come from the list the game checks.
set(program_files ${ZUNPA_PICTURES})
list(FILTER program_files EXCLUDE REGEX "^zunpas(-[0-9]+)?\\.(png|ico)$")
list(APPEND program_files zunpas.png Zunpas.hlp)
list(TRANSFORM program_files PREPEND ${CMAKE_BINARY_DIR}/)
install(FILES ${program_files} DESTINATION ${ZUNPA_SHARE_DIR})
file(STRINGS ${PROJECT_SOURCE_DIR}/src/files/start_up.h sound_lines REGEX "\\.wav\"")
string(REGEX MATCHALL "[a-z0-9_]+\\.wav" sound_names "${sound_lines}")
list(TRANSFORM sound_names PREPEND ${CMAKE_BINARY_DIR}/)
# Without espeak-ng the build records no voices, and the game shows
# balloons instead.
install(FILES ${sound_names} DESTINATION ${ZUNPA_SHARE_DIR} OPTIONAL)

install(FILES ${CMAKE_BINARY_DIR}/${ZUNPA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${ZUNPA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${ZUNPA_ICON_SIZES})
  install(FILES ${CMAKE_BINARY_DIR}/zunpas-${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${ZUNPA_APP_ID}.png)
endforeach()

# Debian wants the manual page and the changelog compressed, and the
# copyright beside the changelog.
find_program(GZIP gzip)
if(GZIP)
  set(man_page ${CMAKE_BINARY_DIR}/zunpas.6.gz)
  set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
  add_custom_command(OUTPUT ${man_page} COMMAND ${GZIP} -9n -c ${packaging}/zunpas.6 > ${man_page}
                     DEPENDS ${packaging}/zunpas.6)
  add_custom_command(OUTPUT ${changelog} COMMAND ${GZIP} -9n -c ${packaging}/changelog > ${changelog}
                     DEPENDS ${packaging}/changelog)
  add_custom_target(package-documents ALL DEPENDS ${man_page} ${changelog})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${changelog} ${packaging}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zunpas)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zunpas)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZUNPA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-player card game with a Japanese interface")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
       "A card table with three computer characters, each with a play style of\n"
       "its own. Play a card that matches the pile's suit or rank, chain\n"
       "draw-twos, reverse, skip and change the suit, and call Zunpa when the\n"
       "cards in your hand add up to the rank just played. A game is 20 rounds\n"
       "of penalty points; the lowest total wins and enters the high-score table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins and the
# Japanese font are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
include(CPack)

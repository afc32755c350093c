# What `cmake --install` puts where, and the Debian package made from it by
# `cpack -G DEB`. The assets, levels and icons install next to where they
# are made (tools/assetgen, tools/levelc).
set(APP_ID net.sumprun.SumpRunLevel)

install(TARGETS sumprun RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The menu entry names the program by its full path, so that it starts
# whether or not its folder is on the PATH (~/.local/games and /usr/games
# often are not). The prefix is known only when installing (--prefix, or
# cpack's /usr), so the entry is written then.
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(PROGRAM_FROM_PREFIX "${CMAKE_INSTALL_BINDIR}/sumprun")
else()
  set(PROGRAM_FROM_PREFIX "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sumprun")
endif()
set(DESKTOP_ENTRY ${CMAKE_BINARY_DIR}/desktop-entry/${APP_ID}.desktop)
install(CODE "
  file(READ \"${CMAKE_SOURCE_DIR}/assets/desktop/sumprun.desktop.in\" entry)
  string(REPLACE \"@PROGRAM@\" \"${PROGRAM_FROM_PREFIX}\" entry \"\${entry}\")
  file(WRITE \"${DESKTOP_ENTRY}\" \"\${entry}\")
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\" TYPE FILE
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ FILES \"${DESKTOP_ENTRY}\")")

# The metainfo carries the version; the manual page is installed compressed.
set(RELEASE_DATE 2026-12-06)  # of PROJECT_VERSION
configure_file(assets/desktop/sumprun.metainfo.xml.in ${CMAKE_BINARY_DIR}/${APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

find_program(GZIP gzip REQUIRED)
configure_file(docs/sumprun.6.in ${CMAKE_BINARY_DIR}/sumprun.6 @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/sumprun.6.gz
  COMMAND ${GZIP} -9nc ${CMAKE_BINARY_DIR}/sumprun.6 > ${CMAKE_BINARY_DIR}/sumprun.6.gz
  DEPENDS ${CMAKE_BINARY_DIR}/sumprun.6)
add_custom_target(manual_page ALL DEPENDS ${CMAKE_BINARY_DIR}/sumprun.6.gz)
install(FILES ${CMAKE_BINARY_DIR}/sumprun.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# Debian wants the licence and a change log in the package's doc folder.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/docs/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/docs/changelog)
add_custom_target(changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES docs/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/sumprun)

set(CPACK_PACKAGE_NAME sumprun)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sump Run Level developers")
set(CPACK_PACKAGE_CONTACT "Sump Run Level developers <sumprun@sumprun.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling platform game with a level editor")
set(CPACK_PACKAGE_DESCRIPTION "A rat runs and jumps through a sewer level, collects cheese and
dies on walking burgers, leaping eels and a scientist who must be stomped
four times. Two levels ship with the game; the third is the one you build
in the built-in level editor. The game is played with the keyboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The fonts are linked from the data folder, not shipped: depend on them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

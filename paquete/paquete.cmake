# Installation and the Debian package (`cpack -G DEB` in a built folder).
# Installed, the program keeps the build's layout: one program folder holding the
# executable with everything it reads. A game's places under Debian's rules: the folder
# in /usr/lib/games, the command in /usr/games.
set(NAIPALIA_DESTINO lib/games/naipalia)
# Directories 0755 whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
install(TARGETS naipalia naipalia-sonidos naipalia-base-datos RUNTIME DESTINATION ${NAIPALIA_DESTINO}
        LIBRARY DESTINATION ${NAIPALIA_DESTINO})
install(DIRECTORY assets/programa/ DESTINATION ${NAIPALIA_DESTINO})
# The initial database, never one a player has written to; read-only, so that every
# player, root too, gets a copy in his data folder.
install(FILES ${NAIPALIA_BASE_INICIAL} DESTINATION ${NAIPALIA_DESTINO} RENAME naipalia.mdb
        PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
install(FILES assets/escritorio/naipalia.png DESTINATION ${NAIPALIA_DESTINO})
# On the PATH by a relative link, right under any prefix: the program finds its folder
# from its own resolved path.
install(CODE [[
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/games")
  file(CREATE_LINK ../lib/games/naipalia/naipalia "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/games/naipalia" SYMBOLIC)
]])

install(FILES assets/escritorio/naipalia.desktop DESTINATION share/applications)
install(FILES assets/escritorio/io.github.naipalia.Naipalia.metainfo.xml DESTINATION share/metainfo)
install(FILES assets/escritorio/naipalia.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES assets/escritorio/naipalia.png DESTINATION share/icons/hicolor/256x256/apps)
foreach(lado 48 64 128)
  install(FILES assets/escritorio/naipalia-${lado}.png DESTINATION share/icons/hicolor/${lado}x${lado}/apps
          RENAME naipalia.png)
endforeach()

# The manual page and the changelog go compressed, without a time stamp.
find_program(NAIPALIA_GZIP gzip REQUIRED)
set(NAIPALIA_DOCS ${CMAKE_BINARY_DIR}/paquete)
foreach(archivo naipalia.6 changelog)
  add_custom_command(OUTPUT ${NAIPALIA_DOCS}/${archivo}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/paquete/${archivo} ${NAIPALIA_DOCS}/${archivo}
                     COMMAND ${NAIPALIA_GZIP} -9nf ${NAIPALIA_DOCS}/${archivo}
                     DEPENDS ${CMAKE_SOURCE_DIR}/paquete/${archivo})
endforeach()
add_custom_target(naipalia-paquete-docs ALL DEPENDS ${NAIPALIA_DOCS}/naipalia.6.gz ${NAIPALIA_DOCS}/changelog.gz)
install(FILES ${NAIPALIA_DOCS}/naipalia.6.gz DESTINATION share/man/man6)
install(FILES ${NAIPALIA_DOCS}/changelog.gz paquete/copyright DESTINATION share/doc/naipalia)
install(FILES paquete/naipalia.lintian-overrides DESTINATION share/lintian/overrides RENAME naipalia)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME naipalia)
set(CPACK_PACKAGE_CONTACT "Los desarrolladores de Naipalia <naipalia@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://naipalia.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Argentine truco card game against the computer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Naipalia plays Argentine truco with the 40-card Spanish deck, one person\n"
    "against the computer: envido, real envido, falta envido, flor, truco,\n"
    "retruco and vale cuatro, in games to 15 or 30 points. The computer calls,\n"
    "bluffs and catches lies, and can keep each player's tanto history.\n"
    "The interface is in Spanish.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends computed by dpkg-shlibdeps from the program and its sound module, and Qt's own
# texts in Spanish, which no library links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)

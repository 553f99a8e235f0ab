# What `cmake --install` puts under the prefix, and the Debian package (cpack -G DEB) made
# of the same files: the game, its data where the game looks for it from its own place
# (DA_DATA_DIR), the desktop entry, the icon and the AppStream metainfo.

set(DA_APP_ID io.github.dream_arena.DreamArena)

# The icon, drawn by the asset generator with the rest of the art.
set(DA_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${DA_ICON_DIR}/dream-arena.png ${DA_ICON_DIR}/dream-arena.svg
  COMMAND asset_gen --icon ${DA_ICON_DIR}
  DEPENDS asset_gen
  COMMENT "Drawing the game's icon")
add_custom_target(icons ALL DEPENDS ${DA_ICON_DIR}/dream-arena.png ${DA_ICON_DIR}/dream-arena.svg)

configure_file(${PROJECT_SOURCE_DIR}/data/${DA_APP_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${DA_APP_ID}.metainfo.xml
               @ONLY)

install(TARGETS dream-arena RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/monsterData.txt DESTINATION ${DA_DATA_DIR})
install(DIRECTORY ${DA_STAGE_DIR}/resources DESTINATION ${DA_DATA_DIR} PATTERN .generated EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/data/${DA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${DA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DA_ICON_DIR}/dream-arena.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${DA_ICON_DIR}/dream-arena.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package. dpkg-shlibdeps names the packages of every library the game links;
# the fonts (found through fontconfig) and OpenAL (opened by SFML) are named here.
set(CPACK_PACKAGE_NAME dream-arena)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arena action game: a pillow creature fights the monsters of its dream")
set(CPACK_PACKAGE_CONTACT "dream-arena developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libopenal1")
include(CPack)

# Installing the game the way Debian lays out games, and its two packages.
#
#   cmake --install <build> --prefix /usr     the installed layout:
#     games/zirubo                            the executable
#     share/games/zirubo/{img,dat}            its pictures, sounds and music
#     share/applications/, share/metainfo/    the desktop entry and its AppStream data
#     share/icons/hicolor/NxN/apps/           the icon, 32 to 256 pixels
#   cpack (in <build>)                        zirubo-<version>-portable.tar.gz, the game
#                                             folder to unpack and play anywhere, and
#                                             zirubo_<version>_<arch>.deb, the layout above
#
# The executable finds its data as ../share/games/zirubo (platform/GameFolders.h),
# so a copy installed under any prefix works the same.
if(NOT ZB_BUILD_SDL)
  return()
endif()

set(ZB_APP_ID org.zirubo.zirubo)
set(ZB_INSTALL_GAMES_DIR games)
set(ZB_INSTALL_DATA_DIR share/games/zirubo)
set(ZB_ICON_THEME_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)

# The icon, drawn by the picture generator.
add_custom_command(
  OUTPUT ${ZB_ICON_THEME_DIR}/256x256/apps/${ZB_APP_ID}.png
  COMMAND assetgen --icons ${ZB_ICON_THEME_DIR} ${ZB_APP_ID}
  DEPENDS assetgen
  COMMENT "Drawing the game's icon")
add_custom_target(icons ALL DEPENDS ${ZB_ICON_THEME_DIR}/256x256/apps/${ZB_APP_ID}.png)

# What a player may have left in the build's game folder by playing it is not
# part of the game: the saves, the master file, and files half written.
set(ZB_NOT_GAME_FILES PATTERN ".stamp" EXCLUDE PATTERN "save0*.bin" EXCLUDE PATTERN "data.bin" EXCLUDE
  PATTERN "*.tmp" EXCLUDE)

# The installed layout (the .deb, and `cmake --install`).
install(TARGETS zirubo RUNTIME DESTINATION ${ZB_INSTALL_GAMES_DIR} COMPONENT installed)
install(DIRECTORY ${ZB_GAME_DIR}/img ${ZB_GAME_DIR}/dat DESTINATION ${ZB_INSTALL_DATA_DIR}
  COMPONENT installed ${ZB_NOT_GAME_FILES})
install(FILES dist/${ZB_APP_ID}.desktop DESTINATION share/applications COMPONENT installed)
install(FILES dist/${ZB_APP_ID}.metainfo.xml DESTINATION share/metainfo COMPONENT installed)
install(DIRECTORY ${ZB_ICON_THEME_DIR} DESTINATION share/icons COMPONENT installed)

# The portable game folder (the .tar.gz only): the executable with img/ and dat/
# beside it, as it runs from the build.
install(TARGETS zirubo RUNTIME DESTINATION . COMPONENT portable EXCLUDE_FROM_ALL)
install(DIRECTORY ${ZB_GAME_DIR}/img ${ZB_GAME_DIR}/dat DESTINATION . COMPONENT portable
  EXCLUDE_FROM_ALL ${ZB_NOT_GAME_FILES})

set(CPACK_PACKAGE_NAME zirubo)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_VENDOR "ズィルボ")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "story game about a pizza-shop son who races motorcycles")
set(CPACK_PACKAGE_CONTACT "ズィルボ developers <games@zirubo.org>")
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# Which layout goes into which package is chosen per generator.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageLayout.cmake)

set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "A single-player story game. The hero runs a pizza shop that sells nothing\n\
and earns his living in motorcycle street sprints against one rival at a time,\n\
driven with the mouse. The game is in Japanese.")
# The shared libraries (SDL2, SDL2_mixer, FreeType, fontconfig, FFmpeg's) are
# read off the executable; the Japanese gothic font is found through fontconfig.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic")

include(CPack)

if(ZB_BUILD_TESTS)
  add_subdirectory(tests/install)
endif()

# What `make install` places under its prefix, and the Debian package under /usr: the game,
# its art and sounds, a desktop entry and icons, AppStream metadata, the manual page and the
# changelog. What depends on the prefix given at install time is settled by installLayout.cmake.
set(VELMORA_APP_ID io.github.velmora.velmora)
set(VELMORA_PACKAGING_SOURCE ${CMAKE_SOURCE_DIR}/packaging)
set(VELMORA_PACKAGING_BUILD ${CMAKE_BINARY_DIR}/packaging)
configure_file(packaging/installLayout.cmake.in ${VELMORA_PACKAGING_BUILD}/installLayout.cmake @ONLY)
install(SCRIPT ${VELMORA_PACKAGING_BUILD}/installLayout.cmake)

# The folder the script chose, read when the install runs.
install(TARGETS velmora RUNTIME DESTINATION "\${VELMORA_PROGRAM_DIR}")
# The large icon is for the desktop only; the game's window icon is art/icon.png.
install(DIRECTORY ${VELMORA_ASSETS_DIR}/art ${VELMORA_ASSETS_DIR}/sounds
        DESTINATION ${VELMORA_INSTALL_DATA_DIR} PATTERN icon256.png EXCLUDE)
install(FILES ${VELMORA_ASSETS_DIR}/art/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME velmora.png)
install(FILES ${VELMORA_ASSETS_DIR}/art/icon256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME velmora.png)
install(FILES packaging/${VELMORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

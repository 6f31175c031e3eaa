# The Windows game: velmora.exe, with its icon and version, a program without a console whose
# messages still reach a console it is started from. Its folder (the DLLs, the art and sounds
# beside it) is put together by make windows.
set(VELMORA_WINDOWS_ICON "" CACHE FILEPATH "The game's icon as a .ico file")

# The art and sounds lie beside the program; no install prefix is built in.
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/assetFolder.cpp PROPERTIES COMPILE_DEFINITIONS
  "VELMORA_INSTALLED_DATA_DIR=\"\";VELMORA_DATA_DIR_FROM_BIN=\".\"")

string(REPLACE "." "," VELMORA_VERSION_COMMAS "${PROJECT_VERSION}.0")
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/velmora.rc.in ${CMAKE_BINARY_DIR}/velmora.rc @ONLY)
target_sources(velmora PRIVATE ${CMAKE_BINARY_DIR}/velmora.rc)
set_target_properties(velmora PROPERTIES WIN32_EXECUTABLE ON)
# The compiler's own runtime goes inside the program, so a player needs no MinGW DLL for it;
# the threads library last of all, after everything that uses it.
target_link_options(velmora PRIVATE -static-libgcc -static-libstdc++)
string(APPEND CMAKE_CXX_STANDARD_LIBRARIES " -Wl,-Bstatic -lstdc++ -lwinpthread -Wl,-Bdynamic")

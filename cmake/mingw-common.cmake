# Shared by the two mingw-w64 toolchain files (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${QUOR_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUOR_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${QUOR_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUOR_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# ctest runs every Windows test program through Wine.
# Each build tree has its own private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh --arch ${QUOR_WINE_ARCH} --retry-silent-start --prefix ${CMAKE_BINARY_DIR}/wineprefix)

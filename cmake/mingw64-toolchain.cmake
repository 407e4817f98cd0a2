# The same sources as x86-64 Windows code, for running the Wine tests on a host
# whose kernel cannot execute 32-bit x86 programs (and so cannot run wine32).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUOR_TRIPLET x86_64-w64-mingw32)
set(QUOR_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# The product: 32-bit Unicode Win32, mingw-w64 i686.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUOR_TRIPLET i686-w64-mingw32)
set(QUOR_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

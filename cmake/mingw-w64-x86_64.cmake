# Cross-builds the 64-bit Windows program on Debian with MinGW-w64 (g++-mingw-w64-x86-64), and
# runs what it builds under Wine (wine64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TERNE_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

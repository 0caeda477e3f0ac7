# Cross-builds the 32-bit Windows program on Debian with MinGW-w64 (g++-mingw-w64-i686), and runs
# what it builds under 32-bit Wine (wine32).
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TERNE_MINGW_TRIPLET i686-w64-mingw32)
# Binary64 arithmetic, as on every other build: GCC does an i686's in the x87's extended
# precision, which judges scaled triples such as 0.05, 0.12, 0.13 wrongly. SSE2 does it in
# binary64; every PC since about 2004 has it, and Windows 8 and later require it.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

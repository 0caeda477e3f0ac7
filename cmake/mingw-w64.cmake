# What both Windows builds share: MinGW-w64's POSIX-thread compilers for TERNE_MINGW_TRIPLET, its
# libraries only, one static executable, and Wine to run what they build.
set(CMAKE_SYSTEM_NAME Windows)

# The POSIX thread model: std::thread and std::mutex, which GoogleTest needs, exist only there.
set(CMAKE_C_COMPILER ${TERNE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TERNE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TERNE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TERNE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One executable with no runtime DLLs to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine.sh)

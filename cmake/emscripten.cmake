# Cross-build for the web with Debian's Emscripten: its own toolchain file, plus what Debian 12's
# packaging needs around it. emcc runs its JavaScript passes under node, which finds their modules
# only through NODE_PATH; programs built for node run there without its experimental fetch, which
# Emscripten 3.1.6's output mistakes for a browser's.
set(TERNE_EMSCRIPTEN_ROOT /usr/share/emscripten CACHE PATH "Emscripten's folder (Debian: emscripten)")
set(TERNE_NODE_PATH /usr/share/nodejs CACHE PATH "Where node finds emcc's modules (Debian: NODE_PATH)")
set(ENV{NODE_PATH} ${TERNE_NODE_PATH})
set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${TERNE_NODE_PATH})
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${TERNE_NODE_PATH})
find_program(TERNE_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TERNE_NODE};--no-experimental-fetch)
include(${TERNE_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)
# Every object and the link: a throw must unwind, not abort the module.
if(NOT CMAKE_CXX_FLAGS_INIT MATCHES "wasm-exceptions")
    string(APPEND CMAKE_CXX_FLAGS_INIT " -fwasm-exceptions")
    string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -fwasm-exceptions")
endif()

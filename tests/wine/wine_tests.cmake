# Tests of the Windows build run under Wine, each in a session: a private Wine prefix and one
# virtual X server (Xvfb) for the whole run, set up and taken down by fixtures. The build's own
# session runs its programs with the loader of their width, in a prefix of that width; a 64-bit
# build also has a 32-bit session, where its installer meets 32-bit Windows.
set(TERNE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built for Windows with the tests (Debian: googletest)")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TERNE_WINE /usr/lib/wine/wine64 CACHE FILEPATH "Wine's 64-bit loader, which runs the tests")
    set(arch win64)
else()
    set(TERNE_WINE /usr/lib/wine/wine CACHE FILEPATH "Wine's 32-bit loader, which runs the tests")
    set(arch win32)
endif()
set(TERNE_WINE32 /usr/lib/wine/wine CACHE FILEPATH "Wine's 32-bit loader (Debian's wine32:i386)")
add_subdirectory(${TERNE_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# A session NAME, run with the loader WINE in a prefix of ARCH: its tests require the fixture NAME.
function(terne_wine_session name wine arch)
    set(session ${PROJECT_BINARY_DIR}/${name}-session)
    set(script ${PROJECT_SOURCE_DIR}/tests/wine/session.sh)
    add_test(NAME ${name}.start COMMAND ${script} start ${session})
    add_test(NAME ${name}.stop COMMAND ${script} stop ${session})
    set_tests_properties(${name}.start ${name}.stop PROPERTIES
                         ENVIRONMENT "TERNE_WINE=${wine};WINEARCH=${arch}")
    set_tests_properties(${name}.start PROPERTIES FIXTURES_SETUP ${name} TIMEOUT 180)
    set_tests_properties(${name}.stop PROPERTIES FIXTURES_CLEANUP ${name})
    set_property(GLOBAL PROPERTY TERNE_WINE_${name} ${wine})
endfunction()
terne_wine_session(wine ${TERNE_WINE} ${arch})

# A test that runs under Wine in SESSION; COMMAND as for add_test.
function(terne_wine_session_test session name)
    get_property(wine GLOBAL PROPERTY TERNE_WINE_${session})
    add_test(NAME ${name} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED ${session} ENVIRONMENT
                         "TERNE_WINE_SESSION=${PROJECT_BINARY_DIR}/${session}-session;TERNE_WINE=${wine}")
endfunction()
# The same in the build's own session. Tests that show windows take the desktop in turn: a window
# that opens activates itself, and would take the focus from another test's window.
function(terne_wine_test name)
    terne_wine_session_test(wine ${name} ${ARGN})
endfunction()
function(terne_wine_window_test name)
    terne_wine_test(${name} ${ARGN})
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_desktop)
endfunction()

# A GoogleTest executable is one test: every start of Wine costs a fraction of a second.
function(terne_add_gtest target prefix)
    terne_wine_test(${prefix}${target} COMMAND ${target})
endfunction()

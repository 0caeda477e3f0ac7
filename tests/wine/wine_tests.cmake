# Tests of the Windows build run under Wine, all in one session: a private Wine prefix and one
# virtual X server (Xvfb) for the whole run, set up and taken down by fixtures.
set(TERNE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest's sources, built for Windows with the tests (Debian: googletest)")
set(TERNE_WINE /usr/lib/wine/wine64 CACHE FILEPATH "Wine's 64-bit loader, which runs the tests")
add_subdirectory(${TERNE_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(TERNE_WINE_SESSION ${PROJECT_BINARY_DIR}/wine-session)
set(session_script ${CMAKE_CURRENT_LIST_DIR}/session.sh)
add_test(NAME wine.start COMMAND ${session_script} start ${TERNE_WINE_SESSION})
add_test(NAME wine.stop COMMAND ${session_script} stop ${TERNE_WINE_SESSION})
set_tests_properties(wine.start wine.stop PROPERTIES ENVIRONMENT TERNE_WINE=${TERNE_WINE})
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)

# A test that runs under Wine in the session; COMMAND as for add_test. Tests that show windows
# take the desktop in turn: a window that opens activates itself, and would take the focus from
# another test's window.
function(terne_wine_test name)
    add_test(NAME ${name} ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine
                         ENVIRONMENT "TERNE_WINE_SESSION=${TERNE_WINE_SESSION};TERNE_WINE=${TERNE_WINE}")
endfunction()
function(terne_wine_window_test name)
    terne_wine_test(${name} ${ARGN})
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_desktop)
endfunction()

# A GoogleTest executable is one test: every start of Wine costs a fraction of a second.
function(terne_add_gtest target prefix)
    terne_wine_test(${prefix}${target} COMMAND ${target})
endfunction()

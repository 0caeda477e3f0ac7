# The portable zip holds one folder with the program and its licences, and nothing else.
# Usage: cmake -DZIP=terne-<version>-win64.zip -P check_zip.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(folder ${ZIP} NAME_WLE)
string(REGEX MATCHALL "[^\n]+" entries "${listing}")
list(SORT entries)
set(expected ${folder}/ ${folder}/LICENSE.txt ${folder}/MinGW-w64-runtime.txt ${folder}/terne.exe)
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "${ZIP} holds:\n  ${entries}\nexpected:\n  ${expected}")
endif()
message(STATUS "${folder}.zip: ${entries}")

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
# Texts with Windows line ends, every line of them.
set(unpacked ${CMAKE_CURRENT_BINARY_DIR}/check_zip)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${unpacked}
                COMMAND_ERROR_IS_FATAL ANY)
foreach(text LICENSE.txt MinGW-w64-runtime.txt)
    # As bytes: file(READ) of a text folds its line ends.
    file(READ ${unpacked}/${folder}/${text} content HEX)
    string(REGEX REPLACE "(..)" " \\1" bytes "${content}")
    string(REGEX MATCHALL " 0a" line_feeds "${bytes}")
    string(REGEX MATCHALL " 0d 0a" line_ends "${bytes}")
    list(LENGTH line_feeds feeds)
    list(LENGTH line_ends ends)
    if(feeds EQUAL 0 OR NOT feeds EQUAL ends)
        message(FATAL_ERROR "${text}: ${ends} of its ${feeds} lines end with CR LF")
    endif()
endforeach()
file(REMOVE_RECURSE ${unpacked})
message(STATUS "${folder}.zip: ${entries}")

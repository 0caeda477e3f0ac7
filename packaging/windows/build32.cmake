# Builds the 32-bit program's staged folder in its own build, BUILD, configured first with the
# windows32 preset where it never was. Usage: cmake -DSOURCE=... -DBUILD=... -P build32.cmake
if(NOT EXISTS ${BUILD}/CMakeCache.txt)
    execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} --preset windows32
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target portable
                COMMAND_ERROR_IS_FATAL ANY)

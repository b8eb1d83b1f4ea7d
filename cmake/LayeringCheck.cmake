# cmake -DSOURCE_DIR=<src> -P LayeringCheck.cmake
# Dependencies point downwards: the links, the recording code and the modules sit below the workspace
# window and must not reach up into it.
set(failed 0)
foreach(layer links recording modules)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.cpp" "${SOURCE_DIR}/${layer}/*.h")
    foreach(file IN LISTS sources)
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]([./]*)workspace/")
        foreach(line IN LISTS includes)
            file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
            message("${shown}: ${line}")
            math(EXPR failed "${failed} + 1")
        endforeach()
    endforeach()
endforeach()
if(failed GREATER 0)
    message(FATAL_ERROR "${failed} include(s) of workspace/ from below it")
endif()

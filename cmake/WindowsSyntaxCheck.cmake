# cmake -DCOMPILER=... -DQT_HEADERS=... -DSOURCE_DIR=... -DPROBE=... -P WindowsSyntaxCheck.cmake
if(NOT COMPILER OR NOT EXISTS "${COMPILER}")
    message(FATAL_ERROR "MinGW compiler x86_64-w64-mingw32-g++-posix not found (package g++-mingw-w64-x86-64-posix)")
endif()

file(GLOB_RECURSE sources "${SOURCE_DIR}/platform/win/*.cpp" "${SOURCE_DIR}/platform/win/*.h")
list(SORT sources)
list(PREPEND sources "${PROBE}")

set(flags -std=c++17 -fsyntax-only -Wno-attributes -DUNICODE -D_UNICODE
    -I${SOURCE_DIR} -I${QT_HEADERS})
foreach(module QtCore QtGui QtWidgets QtSerialPort)
    list(APPEND flags -I${QT_HEADERS}/${module})
endforeach()

set(failed 0)
foreach(file IN LISTS sources)
    if(file MATCHES "\\.h$")
        set(lang -x c++-header)
    else()
        set(lang)
    endif()
    execute_process(COMMAND ${COMPILER} ${flags} ${lang} ${file}
        RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(result EQUAL 0)
        message(STATUS "ok      ${file}")
    else()
        message("FAILED  ${file}\n${out}${err}")
        math(EXPR failed "${failed} + 1")
    endif()
endforeach()

list(LENGTH sources total)
if(failed GREATER 0)
    message(FATAL_ERROR "${failed} of ${total} Windows files do not compile")
endif()
message(STATUS "${total} Windows files compile")

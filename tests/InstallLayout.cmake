# cmake -DBUILD_DIR=<build> -DDESTDIR=<scratch folder> -DVERSION=<x.y.z> -P InstallLayout.cmake
# Installs the build into an empty DESTDIR under /usr and checks what lands there: exactly the files the
# package ships, a desktop entry and an AppStream file their validators accept, udev rules that can match,
# and an installed program that answers --version without a display.
file(REMOVE_RECURSE "${DESTDIR}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${DESTDIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(root ${DESTDIR}/usr)
set(expected
    usr/bin/kovran
    usr/lib/udev/rules.d/70-kovran.rules
    usr/share/applications/com.kovran.KOVRAN.desktop
    usr/share/doc/kovran/README.Debian
    usr/share/doc/kovran/changelog.gz
    usr/share/doc/kovran/copyright
    usr/share/man/man1/kovran.1.gz
    usr/share/metainfo/com.kovran.KOVRAN.metainfo.xml)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/kovran.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${DESTDIR} ${DESTDIR}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files differ\n  expected: ${expected}\n  installed: ${installed}")
endif()

function(run_validator tool)
    find_program(program ${tool})
    if(NOT program)
        message(FATAL_ERROR "${tool} is missing (./kovran.sh installs it)")
    endif()
    execute_process(COMMAND ${program} ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0 OR (tool STREQUAL "desktop-file-validate" AND NOT output STREQUAL ""))
        message(FATAL_ERROR "${tool} rejects ${ARGN}:\n${output}")
    endif()
    unset(program CACHE)
endfunction()
run_validator(desktop-file-validate ${root}/share/applications/com.kovran.KOVRAN.desktop)
run_validator(appstreamcli validate --no-net ${root}/share/metainfo/com.kovran.KOVRAN.metainfo.xml)

file(READ ${root}/share/metainfo/com.kovran.KOVRAN.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\" date=\"[0-9]+-[0-9]+-[0-9]+\"/>")
    message(FATAL_ERROR "the AppStream file does not name release ${VERSION}")
endif()

# Sysfs writes USB ids in lower-case hex, so a rule with upper-case digits never matches.
file(STRINGS ${root}/lib/udev/rules.d/70-kovran.rules rules REGEX "^[^#]")
foreach(wanted
        "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"abcd\", ATTRS{idProduct}==\"1234\", TAG\\+=\"uaccess\""
        "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"2458\", TAG\\+=\"uaccess\""
        "SUBSYSTEM==\"tty\", ATTRS{idVendor}==\"1915\", TAG\\+=\"uaccess\"")
    if(NOT rules MATCHES "${wanted}")
        message(FATAL_ERROR "70-kovran.rules lacks ${wanted}")
    endif()
endforeach()

# The installed program answers without a display.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
        ${root}/bin/kovran --version
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output STREQUAL "KOVRAN ${VERSION}\n")
    message(FATAL_ERROR "kovran --version: exit ${result}, printed '${output}' ${errors}")
endif()

# Installation layout and the Debian package: ./kovran.sh package, or cpack in the build folder.
# Only the program is installed; the tests, benchmarks and kovran-sim stay in the build tree.
include(GNUInstallDirs)

# The day the project version above was released; the AppStream file carries both.
set(KOVRAN_RELEASE_DATE 2026-12-07)

set(KOVRAN_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(KOVRAN_APP_ID com.kovran.KOVRAN)

install(TARGETS kovran RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KOVRAN_PACKAGING}/${KOVRAN_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${KOVRAN_PACKAGING}/${KOVRAN_APP_ID}.metainfo.xml
    ${CMAKE_CURRENT_BINARY_DIR}/${KOVRAN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KOVRAN_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Rendered from resources/images/kovran_mark.svg by tools/icons/render_icons.sh.
set(KOVRAN_ICON_SIZES 16 32 48 64 128 256)
foreach(size IN LISTS KOVRAN_ICON_SIZES)
    install(FILES ${KOVRAN_PACKAGING}/icons/hicolor/${size}x${size}/apps/kovran.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${KOVRAN_PACKAGING}/70-kovran.rules DESTINATION lib/udev/rules.d)
install(FILES ${KOVRAN_PACKAGING}/README.Debian ${KOVRAN_PACKAGING}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kovran)
# Debian keeps the changelog and manual pages compressed, without a time stamp.
find_program(KOVRAN_GZIP gzip REQUIRED)
foreach(file changelog kovran.1)
    configure_file(${KOVRAN_PACKAGING}/${file} ${CMAKE_CURRENT_BINARY_DIR}/${file} @ONLY)
    execute_process(COMMAND ${KOVRAN_GZIP} -9nc INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${file}
        OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kovran)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kovran.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kovran)
set(CPACK_PACKAGE_VENDOR "KOVRAN")
set(KOVRAN_MAINTAINER "KOVRAN developers <developers@kovran.example>" CACHE STRING
    "Maintainer of the Debian package (name <address>)")
set(CPACK_PACKAGE_CONTACT "${KOVRAN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quality-control measuring bench")
# Lines of the long description stay under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "KOVRAN collects readings from digital measuring instruments (Bluetooth LE,\n"
    "BLED112 and nRF dongles, Modbus RTU, Sylvac data cable, USB keyboards),\n"
    "judges them against tolerances, records, charts and exports them. Modules\n"
    "drive a laser bore gauge, a motorised height gauge and a measuring stand.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Bluetooth instruments go through BlueZ, which the libraries do not name.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS bluez)
include(CPack)

# What a Linux desktop needs beside the binaries: the menu entry, the
# AppStream metainfo, the MIME type of project files, the manual pages and
# the Debian package's documentation files. The icons come from
# tools/appicon, the factory content from tools/factorycard.
include(GNUInstallDirs)
set(_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
configure_file(${_desktop}/org.rotavue.Rotavue.metainfo.xml
               ${CMAKE_BINARY_DIR}/share/metainfo/org.rotavue.Rotavue.metainfo.xml @ONLY)
install(FILES ${_desktop}/org.rotavue.Rotavue.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT desktop)
install(FILES ${CMAKE_BINARY_DIR}/share/metainfo/org.rotavue.Rotavue.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)
install(FILES ${_desktop}/rotavue-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME rotavue.xml COMPONENT desktop)

# Manual pages and the package's changelog, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(_gz)
foreach(page rotavue.1 rotavue-card.1)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/share/man/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/man
        COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/docs/man/${page} > ${CMAKE_BINARY_DIR}/share/man/${page}.gz
        DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page}
        VERBATIM)
    list(APPEND _gz ${CMAKE_BINARY_DIR}/share/man/${page}.gz)
    install(FILES ${CMAKE_BINARY_DIR}/share/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT desktop)
endforeach()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/share/doc/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/doc
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${PROJECT_SOURCE_DIR}/resources/desktop/changelog > ${CMAKE_BINARY_DIR}/share/doc/changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/desktop/changelog
    VERBATIM)
list(APPEND _gz ${CMAKE_BINARY_DIR}/share/doc/changelog.gz)
add_custom_target(desktop_files ALL DEPENDS ${_gz})
install(FILES ${CMAKE_BINARY_DIR}/share/doc/changelog.gz ${_desktop}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rotavue COMPONENT desktop)

# make package: a Debian package whose dependencies dpkg-shlibdeps finds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rotavue)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Rotavue developers <rotavue@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for spinning LED displays")
set(CPACK_PACKAGE_DESCRIPTION "Rotavue builds playlists of pictures and GIF animations for spinning\nLED displays, previews them and writes them to a USB stick as one card\nfile. rotavue-card does the same on the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plug-ins that dpkg-shlibdeps cannot see: Qt's SQLite driver, libVLC's decoders.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, vlc-plugin-base")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The cli component serves the tests' own installs; the package holds everything.
set(CPACK_DEB_COMPONENT_INSTALL OFF)
include(CPack)

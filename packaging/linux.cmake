# The Debian package: the application (installed by mac/) with its launcher, its entry and icon
# in the desktop's application menu, a manual page and the documents Debian asks of a package.

set(KESTRUNE_CONTACT "${KESTRUNE_VENDOR} <kestrune@example.org>")
find_program(GZIP gzip REQUIRED)

install(PROGRAMS linux/kestrune-editor DESTINATION bin)
install(FILES linux/kestrune.desktop DESTINATION share/applications)
foreach(size 16 32 48)
  install(FILES linux/icons/kestrune-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
    RENAME kestrune.png)
endforeach()

# Manual pages and the changelog go in compressed at the highest level, without a time stamp,
# so that the same sources give the same package.
set(compressed "")
foreach(document kestrune-editor.1 changelog copyright)
  configure_file(linux/${document} ${CMAKE_CURRENT_BINARY_DIR}/${document} @ONLY)
endforeach()
foreach(document kestrune-editor.1 changelog)
  add_custom_command(OUTPUT ${document}.gz
    COMMAND ${GZIP} -9nc ${document} > ${document}.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${document}
    COMMENT "Compressing ${document}")
  list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${document}.gz)
endforeach()
add_custom_target(kestrune-package-documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kestrune-editor.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/copyright
  DESTINATION share/doc/kestrune)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KESTRUNE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The extended description as the package shows it: lines short enough for a terminal.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Kestrune writes the configuration file of a 4K camera with PIR/motion"
  "detection: the camera's menu choices (resolution, loop recording length,"
  "exposure, rotation, beep, record LED, display status, PIR/motion detection"
  "time and sensitivity, date format) and a weekly 7x24 recording schedule in"
  "which every hour is Off, Continuous or Motion."
  ""
  "The editor, kestrune-editor, saves one 476-byte file, Kestrune.txt, to the"
  "desktop folder, to be copied to the camera's SD card.")
# GNUstep's display back end, which it loads as a plug-in, comes in through the GUI library's
# shlibs entry.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

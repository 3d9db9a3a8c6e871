# The zip: a folder of its own holding the programs and a short README.txt, in Windows' line
# endings so that any editor there shows it as written.
install(TARGETS kestrune-win RUNTIME DESTINATION .)
configure_file(windows/README.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE DOS)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME kestrune-${PROJECT_VERSION}-windows-x64)

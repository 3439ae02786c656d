# `cpack` in the windows build makes sumwright-cli-<version>-windows-x86_64.zip:
# the program, its licence and a short README.txt, in one folder.
install(TARGETS sumwright-cli RUNTIME DESTINATION .)
# Both texts end their lines in CR LF, as Windows editors expect.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt "${licence}")
configure_file(windows_readme.txt.in ${CMAKE_CURRENT_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME sumwright-cli)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sumwright developers")
set(CPACK_PACKAGE_FILE_NAME sumwright-cli-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_STRIP_FILES ON)
include(CPack)

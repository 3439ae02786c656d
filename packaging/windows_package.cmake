# `cpack` in a Windows build makes sumwright-cli-<version>-windows-x86_64.zip:
# the command line, its licence and a short README.txt, in one folder. With
# the calculator (windows-gui) the zip is sumwright-<version>-windows-x86_64.zip
# with both programs, and an installer sumwright-<version>-windows-x86_64-setup.exe
# joins it: Program Files, a Start menu shortcut, an entry among the installed
# programs and an uninstaller; "/S" runs either without a question.
install(TARGETS sumwright-cli RUNTIME DESTINATION .)
if(SUMWRIGHT_GUI)
  install(TARGETS sumwright RUNTIME DESTINATION .)
  set(SUMWRIGHT_README_TITLE "Sumwright ${PROJECT_VERSION} for 64-bit Windows")
  file(READ ${CMAKE_CURRENT_SOURCE_DIR}/windows_readme_calculator.txt SUMWRIGHT_README_CALCULATOR)
  set(package sumwright)
else()
  set(SUMWRIGHT_README_TITLE "sumwright-cli ${PROJECT_VERSION} for 64-bit Windows")
  set(SUMWRIGHT_README_CALCULATOR "")
  set(package sumwright-cli)
endif()

# Both texts end their lines in CR LF, as Windows editors expect.
function(sumwright_windows_text text name)
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name} "${text}")
endfunction()
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
sumwright_windows_text("${licence}" LICENSE.txt)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/windows_readme.txt.in readme)
string(CONFIGURE "${readme}" readme @ONLY)
sumwright_windows_text("${readme}" README.txt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt ${CMAKE_CURRENT_BINARY_DIR}/README.txt
        DESTINATION .)

set(CPACK_PACKAGE_NAME ${package})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sumwright developers")
set(CPACK_PACKAGE_FILE_NAME ${package}-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR ZIP)

if(SUMWRIGHT_GUI)
  list(APPEND CPACK_GENERATOR NSIS)
  set(CPACK_PACKAGE_INSTALL_DIRECTORY Sumwright)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for fixed-rate loans and savings draw-down")
  set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  set(CPACK_NSIS_PACKAGE_NAME Sumwright)
  set(CPACK_NSIS_DISPLAY_NAME "Sumwright ${PROJECT_VERSION}")
  set(CPACK_PACKAGE_EXECUTABLES sumwright "Sumwright Calculator")
  set(CPACK_NSIS_INSTALLED_ICON_NAME sumwright.exe)
  set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/src/app/sumwright.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/src/app/sumwright.ico)
  set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
  # A 64-bit installer for a 64-bit program: it writes Program Files and the
  # registry's own view, not the 32-bit ones beside them.
  set(CPACK_NSIS_DEFINES "Target amd64-unicode")
  # The installer's own name tells it from the zip.
  configure_file(windows_cpack_options.cmake.in windows_cpack_options.cmake @ONLY)
  set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/windows_cpack_options.cmake)
endif()
include(CPack)

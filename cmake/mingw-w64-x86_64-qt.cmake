# The windows-gui preset's toolchain: the mingw-w64 one, with the static Qt
# for Windows that scripts/build-qt-windows.sh builds once into
# SUMWRIGHT_QT_WINDOWS, by default ${XDG_CACHE_HOME:-$HOME/.cache}/sumwright.
if(DEFINED ENV{SUMWRIGHT_QT_WINDOWS})
  set(SUMWRIGHT_QT_WINDOWS $ENV{SUMWRIGHT_QT_WINDOWS})
elseif(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(SUMWRIGHT_QT_WINDOWS $ENV{XDG_CACHE_HOME}/sumwright/qt-windows-x86_64)
else()
  set(SUMWRIGHT_QT_WINDOWS $ENV{HOME}/.cache/sumwright/qt-windows-x86_64)
endif()
if(NOT EXISTS ${SUMWRIGHT_QT_WINDOWS}/sumwright-qt-version)
  message(FATAL_ERROR "No Qt for Windows in ${SUMWRIGHT_QT_WINDOWS}: build it once with "
                      "scripts/build-qt-windows.sh (about 40 minutes on an idle 2-core machine)")
endif()
set(QT_CHAINLOAD_TOOLCHAIN_FILE ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
include(${SUMWRIGHT_QT_WINDOWS}/lib/cmake/Qt6/qt.toolchain.cmake)

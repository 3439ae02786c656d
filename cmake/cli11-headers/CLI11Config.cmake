# CLI11 for a cross build: the build machine's header-only library
# (/usr/include/CLI, from libcli11-dev) on an include path of its own, so
# that none of the build machine's other headers are seen.
set(SUMWRIGHT_CLI11_HEADERS /usr/include/CLI CACHE PATH "The CLI11 headers of the build machine")
set(_cli11_include ${CMAKE_BINARY_DIR}/cli11-include)
file(MAKE_DIRECTORY ${_cli11_include})
file(CREATE_LINK ${SUMWRIGHT_CLI11_HEADERS} ${_cli11_include}/CLI SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_cli11_include})

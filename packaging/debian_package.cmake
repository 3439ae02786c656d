# `cpack -G DEB` in the build directory makes sumwright_<version>_<arch>.deb
# from the install rules, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sumwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Sumwright developers")
set(CPACK_PACKAGE_CONTACT "The Sumwright developers <maintainers@sumwright.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for fixed-rate loans and savings draw-down")
set(CPACK_PACKAGE_DESCRIPTION
    "Sumwright relates the monthly payment, the principal, the yearly interest
rate and the number of years of a loan repaid in equal end-of-month payments
with monthly compounding: fill in any three and calculate the fourth. It also
gives the principal still owed after a number of payments, builds a
month-by-month amortization table that can be saved to a text file, and tells
how long savings last under equal monthly withdrawals.
.
The command sumwright-cli does the same calculations in scripts and prints
exactly what the windows show.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://sumwright.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What Qt loads at run time, which dpkg-shlibdeps cannot see: the platform
# plugin that opens windows, and the font face the windows are laid out in
# (with another face, longer captions are cut off).
if(SUMWRIGHT_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
endif()

include(CPack)

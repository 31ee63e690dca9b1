# The release packages, made by CPack: a Debian package on Linux, an NSIS installer for Windows.
# (The portable Windows zip is made by packaging/make_portable_zip.py; scripts/package.sh makes
# them all.)
set(CPACK_PACKAGE_NAME ${VANTRY_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "${VANTRY_COMPANY}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "payout calculator for 4D barrel-racing events")
# Wrapped for a terminal, as Debian shows it.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "The ${VANTRY_PRODUCT_NAME} divides the money of a 4D barrel-racing event:\n"
  "the entry fees, less the producer's share, plus the added money, form a pool\n"
  "that is split among the divisions (1D to 7D) and each division's share among\n"
  "its places, by one of three association-style methods (IBRA, BRN4D, NBHA 4D),\n"
  "exact to the cent.\n"
  ".\n"
  "It shows every payout in a window, writes a paged report to edit and print,\n"
  "and has a command-line tool, vantry-payout, that prints the same payouts as\n"
  "text, CSV or JSON.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${VANTRY_PRODUCT_NAME}")
set(CPACK_PACKAGE_CONTACT "${VANTRY_MAINTAINER}")
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)

if(WIN32)
  set(CPACK_GENERATOR NSIS)
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64-setup")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "${VANTRY_PRODUCT_NAME}")
  set(CPACK_NSIS_PACKAGE_NAME "${VANTRY_PRODUCT_NAME}")
  set(CPACK_NSIS_DISPLAY_NAME "${VANTRY_PRODUCT_NAME}")
  set(CPACK_NSIS_MUI_ICON "${CMAKE_BINARY_DIR}/ui/vantry.ico")
  set(CPACK_NSIS_MUI_UNIICON "${CMAKE_BINARY_DIR}/ui/vantry.ico")
  set(CPACK_VANTRY_VERSION_QUAD "${PROJECT_VERSION}.0")
  set(CPACK_VANTRY_COPYRIGHT "${VANTRY_COPYRIGHT}")
  list(PREPEND CMAKE_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)  # our NSIS.template.in
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # the libraries come from the binaries
  # What the binaries do not show: the dialog is laid out with Liberation Serif, and "Edit/Print
  # Payout" hands the report to xdg-open (the calculator works without it, the report unopened).
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

include(CPack)

# The Debian package: `cpack -G DEB` in the build directory (scripts/package.sh builds it).
# dpkg-shlibdeps names the libraries the programs link (Qt 6, GMP, ICU, libedit, xcb); what
# the programs load at run time without linking it is named here.

# What Debian's policy wants in every package: the copyright file and a compressed changelog.
set(TABULEX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tabulex)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${TABULEX_DOC_DIR}
  COMPONENT package)
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND gzip -n -9 -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(tabulex_changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${TABULEX_DOC_DIR}
  COMPONENT package)

set(CPACK_PACKAGE_NAME tabulex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tabulex developers <tabulex@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plain-text calculator, one calculation per line")
# CPack writes the summary as the first line and indents these lines itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tabulex is a desktop calculator in which calculations are written as plain
text: one large editor, one expression per line. Enter appends the equals
sign and the result. It reads fractions, 21 functions and Chinese and
full-width symbols, formats results exactly, recalculates edited chains,
calculates whole texts, keeps an accumulator of results, and offers an
on-screen keypad, base conversion of any length, statistics with a chart,
unit conversion with Chinese market units and date calculation with the
Chinese lunar calendar. The user interface is in Chinese.

The package also holds tabulex-calc, the same calculation on the command
line: single expressions, whole texts as a stream, and a terminal mode.")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/tabulex/tabulex")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin Qt loads at start, and a font for the Chinese captions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")
# Qt's own dialog texts in Chinese, and the Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)

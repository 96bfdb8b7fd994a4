# The Debian package: `cpack -G DEB` in a build folder (scripts/build-deb.sh does it all).
set(CPACK_PACKAGE_NAME loanwright)
set(CPACK_PACKAGE_VENDOR "Brannock Software")
set(CPACK_PACKAGE_CONTACT "Brannock Software <packages@brannock.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.brannock.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mortgage calculator for home buyers")
# The summary is the synopsis line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Loanwright works out the amount borrowed, the monthly principal and interest
and the monthly total with property taxes and insurance for a home loan of
15, 20 or 30 years, and states what the whole term costs in interest, taxes
and insurance. Its last figures are kept for the next start.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries through dpkg-shlibdeps; then what the program uses that is no library: the fonts
# the forms name and xdg-open for help pages and links. Qt's X11 platform plugin ships in
# libqt6gui6, which the libraries already bring; on Wayland the native plugin is a nicety.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)

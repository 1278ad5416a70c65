# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop entry, an icon, the cabinet file type and a Debian package made
# by CPack:
#   cmake --build build/release --target package
install(FILES ${PROJECT_SOURCE_DIR}/packaging/boxmill.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/boxmill.svg DESTINATION share/icons/hicolor/scalable/apps)
# The cabinet file type, which the desktop entry opens.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/boxmill.xml DESTINATION share/mime/packages)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME boxmill)
set(CPACK_PACKAGE_VENDOR "Boxmill")
set(CPACK_PACKAGE_CONTACT "Boxmill maintainers <maintainers@boxmill.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Face-frame cabinet designer with cut lists, cost and drawings")
set(CPACK_PACKAGE_INSTALL_DIRECTORY boxmill)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Qt libraries the programs link are found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# Installation of the desktop program and the Debian package.
#
#   cmake --install <build dir> --prefix <dir>     bin/vexamo, the menu entry and the icon
#   cmake --build <build dir> --target package     vexamo_1.0.0_<arch>.deb in the build dir
#
# (vexamo-cli brings its own install rule.)
include(GNUInstallDirs)

install(TARGETS vexamo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vexamo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/images/128.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
        RENAME vexamo.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexamo)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Vexamo")
set(CPACK_PACKAGE_CONTACT "Vexamo maintainers <maintainers@vexamo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Moon phase and Sun phase of a moment of birth")
set(CPACK_PACKAGE_DESCRIPTION
    "Calcul Orlinde computes, for a moment of birth, the Moon's illuminated fraction, the \
seasonal Sun phase, the type they give and the surrounding lunation, shows both curves over \
four days and keeps named persons in small .dat files. Includes the command-line tool \
vexamo-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vexamo maintainers <maintainers@vexamo.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies (the Qt 6 runtime among them) are read from the installed programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
include(CPack)

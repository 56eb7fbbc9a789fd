# Installation of the desktop program and the Debian package.
#
#   cmake --install <build dir> --prefix <dir>     the programs, menu entry, icons, AppStream data,
#                                                  manual pages, bash completion, copyright, changelog
#   cmake --build <build dir> --target package     vexamo_1.0.0_<arch>.deb in the build dir
#
# (vexamo-cli brings its own install rule.) The menu entry, the AppStream data and the icons are
# named after the application id org.vexamo.Vexamo.
include(GNUInstallDirs)

set(VEXAMO_APP_ID org.vexamo.Vexamo)
set(VEXAMO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VEXAMO_PACKAGING_OUT ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(VEXAMO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vexamo)
file(MAKE_DIRECTORY ${VEXAMO_PACKAGING_OUT})

install(TARGETS vexamo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripping install (the package's) also drops the compiler's notes, as dh_strip does.
foreach(program vexamo vexamo-cli)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endforeach()
install(FILES ${VEXAMO_PACKAGING_DIR}/${VEXAMO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VEXAMO_PACKAGING_DIR}/${VEXAMO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon at every size of the icon theme (drawn by vexamo-artgen into res/icons).
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/res/icons/${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VEXAMO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/scalable.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VEXAMO_APP_ID}.svg)

install(FILES ${VEXAMO_PACKAGING_DIR}/vexamo-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vexamo-cli)
install(FILES ${VEXAMO_PACKAGING_DIR}/copyright DESTINATION ${VEXAMO_DOC_DIR})

# The changelog and the manual pages, compressed as Debian wants them (gzip -9, no name or time).
find_program(VEXAMO_GZIP gzip REQUIRED)
add_custom_command(
    OUTPUT ${VEXAMO_PACKAGING_OUT}/changelog.gz
    COMMAND ${VEXAMO_GZIP} -9n -c ${VEXAMO_PACKAGING_DIR}/changelog > changelog.gz
    DEPENDS ${VEXAMO_PACKAGING_DIR}/changelog
    WORKING_DIRECTORY ${VEXAMO_PACKAGING_OUT}
    VERBATIM)
set(VEXAMO_PACKAGING_FILES ${VEXAMO_PACKAGING_OUT}/changelog.gz)
install(FILES ${VEXAMO_PACKAGING_OUT}/changelog.gz DESTINATION ${VEXAMO_DOC_DIR})

# Manual pages made from the programs' own --help and --version, so that they follow every new
# command or option; the .h2m files add the sections that --help does not hold, help-for-man.sh
# turns a usage block into the lines help2man makes the synopsis from.
find_program(VEXAMO_HELP2MAN help2man)
if(VEXAMO_HELP2MAN)
    foreach(program vexamo vexamo-cli)
        if(program STREQUAL "vexamo")
            set(summary "Moon phase, Sun phase and type of a moment of birth")
        else()
            set(summary "evaluate moments of birth and edit .dat record files")
        endif()
        add_custom_command(
            OUTPUT ${VEXAMO_PACKAGING_OUT}/${program}.1.gz
            COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                    ${VEXAMO_HELP2MAN} --no-info --section=1 --name=${summary}
                    --include=${VEXAMO_PACKAGING_DIR}/${program}.h2m
                    --output=${program}.1
                    "${VEXAMO_PACKAGING_DIR}/help-for-man.sh $<TARGET_FILE:${program}>"
            COMMAND ${VEXAMO_GZIP} -9nf ${program}.1
            DEPENDS ${program} ${VEXAMO_PACKAGING_DIR}/${program}.h2m
                    ${VEXAMO_PACKAGING_DIR}/help-for-man.sh
            WORKING_DIRECTORY ${VEXAMO_PACKAGING_OUT}
            VERBATIM)
        list(APPEND VEXAMO_PACKAGING_FILES ${VEXAMO_PACKAGING_OUT}/${program}.1.gz)
        install(FILES ${VEXAMO_PACKAGING_OUT}/${program}.1.gz
                DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(WARNING "help2man not found: the package will have no manual pages")
endif()
add_custom_target(vexamo-packaging-files ALL DEPENDS ${VEXAMO_PACKAGING_FILES})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexamo)
set(CPACK_PACKAGE_VERSION 1.0.0)
set(CPACK_PACKAGE_VENDOR "Vexamo")
set(CPACK_PACKAGE_CONTACT "Vexamo maintainers <maintainers@vexamo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Moon phase and Sun phase of a moment of birth")
# The extended description line by line (at most 80 characters, none starting with a dot).
set(CPACK_PACKAGE_DESCRIPTION
    "Calcul Orlinde computes, for a moment of birth, the Moon's illuminated
fraction, the seasonal Sun phase, the type they give and the surrounding
lunation, shows both curves over four days and keeps named persons in small
record files (.dat).

Includes the command-line tool vexamo-cli.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vexamo maintainers <maintainers@vexamo.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vexamo.org/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Library dependencies (the Qt 6 runtime among them) are read from the installed programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The offsets of the birthplace dialog and of vexamo-cli come from the system's zone database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
include(CPack)

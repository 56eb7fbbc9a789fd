# The Windows installer (vexamo-<version>-setup.exe, made with NSIS) and the portable copy
# (vexamo-<version>-portable.zip): both hold the programs with the data they read beside them,
# laid out as the programs look for it: share/vexamo/places.bin and share/vexamo/zoneinfo/.
set(VEXAMO_PACKAGE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(VEXAMO_SETUP_FILE ${PROJECT_BINARY_DIR}/vexamo-${VEXAMO_PACKAGE_VERSION}-setup.exe)
set(VEXAMO_PORTABLE_FILE ${PROJECT_BINARY_DIR}/vexamo-${VEXAMO_PACKAGE_VERSION}-portable.zip)
set(installer_dir ${PROJECT_BINARY_DIR}/installer)

# The programs: the desktop program, which the Start menu entry and the ".dat" files open, and
# the command-line tool, each when this tree builds it.
set(VEXAMO_WINDOWS_GUI vexamo)
set(VEXAMO_WINDOWS_CLI vexamo-cli)
if(NOT TARGET ${VEXAMO_WINDOWS_GUI})
    # Without the desktop program the installer is made around a stand-in of that name, so that
    # what it does can be tried (make test-windows); it is no program to ship.
    message(STATUS "No desktop program in this tree: the installer holds a stand-in vexamo.exe")
    set(VEXAMO_WINDOWS_GUI vexamo-stand-in)
    add_executable(vexamo-stand-in ${PROJECT_SOURCE_DIR}/packaging/windows/stand_in.cpp)
    set_target_properties(vexamo-stand-in PROPERTIES OUTPUT_NAME vexamo
                          RUNTIME_OUTPUT_DIRECTORY ${installer_dir}/stand-in)
endif()
set(VEXAMO_WINDOWS_PROGRAMS ${VEXAMO_WINDOWS_GUI})
if(TARGET ${VEXAMO_WINDOWS_CLI})
    list(APPEND VEXAMO_WINDOWS_PROGRAMS ${VEXAMO_WINDOWS_CLI})
endif()

# The data, each a file or a folder of share/vexamo, and the targets that make them.
set(data_dir ${PROJECT_BINARY_DIR}/share/vexamo)
if(TARGET vexamo_places)
    set(VEXAMO_WINDOWS_DATA ${data_dir}/places.bin ${data_dir}/zoneinfo)
    set(data_targets)
    foreach(t vexamo_place_tables vexamo_place_table)
        if(TARGET ${t})
            list(APPEND data_targets ${t})
        endif()
    endforeach()
else()
    # Without the place list the same layout with stand-in files.
    message(STATUS "No place list in this tree: the installer holds stand-in data")
    set(stand_in_data ${installer_dir}/stand-in/share/vexamo)
    file(WRITE ${stand_in_data}/places.bin "stand-in\n")
    file(WRITE ${stand_in_data}/zoneinfo/zone.tab "# stand-in\n")
    file(WRITE ${stand_in_data}/zoneinfo/Europe/Berlin "stand-in\n")
    set(VEXAMO_WINDOWS_DATA ${stand_in_data}/places.bin ${stand_in_data}/zoneinfo)
    set(data_targets)
endif()

# What the installation and the portable copy hold, a path below the program folder a line, for
# the installer's script and the tests.
set(contents)
set(install_lines "    SetOutPath \"$INSTDIR\"\n")
set(remove_lines)
set(program_files)
foreach(t ${VEXAMO_WINDOWS_PROGRAMS})
    list(APPEND contents $<TARGET_FILE_NAME:${t}>)
    list(APPEND program_files $<TARGET_FILE:${t}>)
    string(APPEND install_lines "    File \"$<TARGET_FILE:${t}>\"\n")
    string(APPEND remove_lines "    Delete \"$INSTDIR\\$<TARGET_FILE_NAME:${t}>\"\n")
endforeach()
string(APPEND install_lines "    SetOutPath \"$INSTDIR\\share\\vexamo\"\n")
foreach(d ${VEXAMO_WINDOWS_DATA})
    cmake_path(GET d FILENAME name)
    list(APPEND contents share/vexamo/${name})
    # A folder is taken whole (File /r puts the folder itself below the output path).
    string(APPEND install_lines "    File /r \"${d}\"\n")
    string(APPEND remove_lines "    RMDir /r \"$INSTDIR\\share\\vexamo\\${name}\"\n"
                               "    Delete \"$INSTDIR\\share\\vexamo\\${name}\"\n")
endforeach()
string(APPEND remove_lines "    RMDir \"$INSTDIR\\share\\vexamo\"\n    RMDir \"$INSTDIR\\share\"\n")
list(JOIN contents "\n" contents_text)
file(GENERATE OUTPUT ${installer_dir}/contents.txt CONTENT "${contents_text}\n")
file(GENERATE OUTPUT ${installer_dir}/vexamo_files.nsh CONTENT
"; The installation's files, written by the build (packaging/windows/installer.cmake).
!define VEXAMO_GUI_FILE \"$<TARGET_FILE_NAME:${VEXAMO_WINDOWS_GUI}>\"
!macro VexamoInstallFiles
${install_lines}!macroend
!macro VexamoRemoveFiles
${remove_lines}!macroend
")

find_program(VEXAMO_MAKENSIS makensis)
if(NOT VEXAMO_MAKENSIS)
    message(WARNING "makensis (Debian's nsis) not found: no Windows installer is made")
    return()
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vexamo_setup.nsi.in
               ${installer_dir}/vexamo_setup.nsi @ONLY)
add_custom_command(
    OUTPUT ${VEXAMO_SETUP_FILE}
    COMMAND ${VEXAMO_MAKENSIS} -V2 -NOCD ${installer_dir}/vexamo_setup.nsi
    DEPENDS ${installer_dir}/vexamo_setup.nsi ${installer_dir}/vexamo_files.nsh
            ${VEXAMO_WINDOWS_PROGRAMS} ${data_targets} ${VEXAMO_WINDOWS_DATA}
            ${PROJECT_SOURCE_DIR}/LICENSE
    WORKING_DIRECTORY ${installer_dir}
    COMMENT "Making the installer ${VEXAMO_SETUP_FILE}"
    VERBATIM)

# The portable copy: the same folder as installed, below one folder named after the program.
set(portable_root ${installer_dir}/portable)
set(portable_dir ${portable_root}/Vexamo)
set(copy_data)
foreach(d ${VEXAMO_WINDOWS_DATA})
    cmake_path(GET d FILENAME name)
    list(APPEND copy_data COMMAND ${CMAKE_COMMAND} -DFROM=${d} -DTO=${portable_dir}/share/vexamo
         -P ${PROJECT_SOURCE_DIR}/packaging/windows/copy_into.cmake)
endforeach()
add_custom_command(
    OUTPUT ${VEXAMO_PORTABLE_FILE}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${portable_root}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${portable_dir}/share/vexamo
    COMMAND ${CMAKE_COMMAND} -E copy ${program_files} ${portable_dir}
    ${copy_data}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${VEXAMO_PORTABLE_FILE}
    COMMAND ${CMAKE_COMMAND} -E chdir ${portable_root}
            ${CMAKE_COMMAND} -E tar cf ${VEXAMO_PORTABLE_FILE} --format=zip Vexamo
    DEPENDS ${VEXAMO_WINDOWS_PROGRAMS} ${data_targets} ${VEXAMO_WINDOWS_DATA}
            ${PROJECT_SOURCE_DIR}/LICENSE
    COMMENT "Making the portable copy ${VEXAMO_PORTABLE_FILE}"
    VERBATIM)
add_custom_target(vexamo_windows_packages ALL DEPENDS ${VEXAMO_SETUP_FILE} ${VEXAMO_PORTABLE_FILE})

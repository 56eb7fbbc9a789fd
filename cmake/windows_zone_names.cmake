# The names of Windows' time zones mapped to the time-zone database's, from CLDR's
# windowsZones.xml (Debian's unicode-cldr-core) at build time: vexamo_windows_zones, for
# places/ to find the computer's zone on Windows.
find_file(VEXAMO_WINDOWS_ZONES_XML windowsZones.xml
    PATHS /usr/share/unicode/cldr/common/supplemental NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT VEXAMO_WINDOWS_ZONES_XML)
    if(WIN32)
        message(FATAL_ERROR "windowsZones.xml not found: install unicode-cldr-core (make deps)")
    endif()
    message(STATUS "windowsZones.xml not found: the Windows zone names are left out")
    return()
endif()
set(table ${PROJECT_BINARY_DIR}/places/windows_zone_table.inc)
add_custom_command(OUTPUT ${table}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${VEXAMO_WINDOWS_ZONES_XML} -DOUTPUT=${table}
            -P ${PROJECT_SOURCE_DIR}/cmake/windows_zone_table.cmake
    DEPENDS ${VEXAMO_WINDOWS_ZONES_XML} ${PROJECT_SOURCE_DIR}/cmake/windows_zone_table.cmake
    COMMENT "Windows zone names from CLDR")
add_library(vexamo_windows_zones STATIC ${PROJECT_SOURCE_DIR}/places/windows_zone_names.cpp
    ${table})
target_include_directories(vexamo_windows_zones PUBLIC ${PROJECT_SOURCE_DIR}
    PRIVATE ${PROJECT_BINARY_DIR}/places)
if(WIN32)
    target_link_libraries(vexamo_windows_zones PRIVATE vexamo_records) # UTF-8 of wide names
endif()

# Turns CLDR's windowsZones.xml into the table of places/windows_zone_names.cpp:
#   cmake -DINPUT=windowsZones.xml -DOUTPUT=windows_zone_table.inc -P windows_zone_table.cmake
# One row per mapZone: the Windows zone, the territory ("001" for the zone's main one) and the
# first zone of the time-zone database CLDR names for the two (the others are its aliases and
# the zones that agree with it since 1970).
file(STRINGS "${INPUT}" lines REGEX "<mapZone ")
set(rows "")
set(count 0)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "other=\"([^\"]+)\" territory=\"([^\"]+)\" type=\"([^\" ]+)")
        message(FATAL_ERROR "windowsZones.xml: a mapZone not understood: ${line}")
    endif()
    string(APPEND rows "    {\"${CMAKE_MATCH_1}\", \"${CMAKE_MATCH_2}\", \"${CMAKE_MATCH_3}\"},\n")
    math(EXPR count "${count} + 1")
endforeach()
if(count LESS 100)
    message(FATAL_ERROR "windowsZones.xml: only ${count} zones")
endif()
file(WRITE "${OUTPUT}.new"
    "// Made at build time from CLDR's windowsZones.xml (${count} rows); do not edit.\n${rows}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")

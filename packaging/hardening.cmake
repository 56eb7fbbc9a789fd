# The hardening flags of Debian's package builds, as dpkg-buildflags gives them with every
# hardening feature on (fortified functions, stack protector, format checks, relro, bindnow).
#
# The optimisation level and debug information stay with the build type; the flags are left out
# of Debug builds (the fortified functions need optimisation), of the sanitizer build and of the
# fuzzing build, and of the Windows build (they are made for ELF programs). None of these flags touches floating-point code generation, so every result stays
# bit-identical.
option(VEXAMO_HARDENING "Build with the hardening flags of Debian's package builds" ON)

if(VEXAMO_HARDENING AND NOT VEXAMO_SANITIZE AND NOT VEXAMO_FUZZ AND NOT WIN32
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    find_program(VEXAMO_DPKG_BUILDFLAGS dpkg-buildflags)
    if(VEXAMO_DPKG_BUILDFLAGS)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                        ${VEXAMO_DPKG_BUILDFLAGS} --get ${kind}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            # -O and -g belong to the build type; the file prefix map only to package builds.
            list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
            set(VEXAMO_HARDENING_${kind} ${flags})
        endforeach()
        add_compile_options(${VEXAMO_HARDENING_CPPFLAGS} ${VEXAMO_HARDENING_CXXFLAGS})
        add_link_options(${VEXAMO_HARDENING_LDFLAGS})
        message(STATUS "Hardening: ${VEXAMO_HARDENING_CPPFLAGS} ${VEXAMO_HARDENING_CXXFLAGS} "
                       "${VEXAMO_HARDENING_LDFLAGS}")
    else()
        message(STATUS "Hardening: dpkg-buildflags not found, building without")
    endif()
endif()

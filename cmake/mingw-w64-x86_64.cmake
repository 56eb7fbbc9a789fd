# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers (the POSIX thread model,
# which std::thread needs). The runtime is linked statically: the programs need no DLL beyond
# the system's. Programs built here run under Wine (scripts/wine-run.sh), which CTest and the
# test discovery use as the emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VEXAMO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VEXAMO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VEXAMO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VEXAMO_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VEXAMO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# pkg-config must not offer the build machine's own libraries.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${VEXAMO_MINGW_TRIPLET}/lib/pkgconfig)

# libgcc, libstdc++ and winpthread inside each program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# One Wine prefix per build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)

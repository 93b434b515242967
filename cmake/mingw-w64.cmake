# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads),
# and running what was built under wine64 so tests run here too.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# -O2 as in the Linux builds: at -O3 this GCC 12 reports overlaps in
# std::string that cannot happen (GCC bug 105329), and warnings are errors.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of Release builds")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Debian's wine64 keeps its loader beside its libraries, not on PATH.
set(QUILLET_WINE_LOADER /usr/lib/wine/wine64 CACHE FILEPATH "wine64 loader that runs the Windows executables")
# Every run goes through wine-run.sh, which first brings up the build's own
# wine prefix and a persistent wine server (see there why).
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine ${QUILLET_WINE_LOADER})

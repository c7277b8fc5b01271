# Cross-compiling for 64-bit Windows with Debian's mingw-w64, the compilers with POSIX threads (which
# C++ threads and Qt need). Used for Qt itself and, through Qt's qt-cmake, for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LOTOCARD_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LOTOCARD_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOTOCARD_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LOTOCARD_MINGW_TRIPLET}-windres)

# Libraries and headers come from the cross environment (and the prefixes given, such as Qt's); the
# build's own tools from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${LOTOCARD_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

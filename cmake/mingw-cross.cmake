# Shared part of the MinGW-w64 toolchain files: set KESTRUNE_MINGW_TRIPLET
# before including it.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model, which GoogleTest's threads need.
set(CMAKE_C_COMPILER ${KESTRUNE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRUNE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTRUNE_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRUNE_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained programs: the C and C++ runtimes are linked in, so a
# program imports only the system's own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Cross-builds Kestrune for 64-bit Windows with MinGW-w64. The same sources as
# the 32-bit program; its tests run under 64-bit Wine where a machine cannot
# run 32-bit programs.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(KESTRUNE_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)

# Debian keeps the 64-bit loader out of PATH.
find_program(KESTRUNE_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT KESTRUNE_WINE64)
    find_program(KESTRUNE_WINE64 NAMES wine64 wine)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${KESTRUNE_WINE64})

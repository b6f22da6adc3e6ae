# Cross-builds Kestrune for 32-bit Windows with MinGW-w64: the program that users run.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KESTRUNE_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-cross.cmake)

# SSE2 arithmetic instead of the x87 unit, whose 80-bit registers would round
# the routines' intermediates differently from the 64-bit builds.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")

# Tests run under Wine's 32-bit loader.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

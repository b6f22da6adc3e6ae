# Writes a compiled resource file (.res) as a C++ source with its bytes, for
# the stand-in platform to read. Run with -DINPUT=<file.res> -DOUTPUT=<file.cpp>.
file(READ ${INPUT} bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT} by the build; do not edit.
#include <cstddef>

extern const unsigned char winshim_module_resources[] = {
    ${bytes}
};
extern const std::size_t winshim_module_resources_size = sizeof winshim_module_resources;
")

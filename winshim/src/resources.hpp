// The program's compiled resources (a .res image linked into the program) and
// the dialog templates among them.
#ifndef WINSHIM_RESOURCES_HPP
#define WINSHIM_RESOURCES_HPP

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "winshim/session.hpp"

namespace winshim::detail {

// Resource types by number.
constexpr int kDialogType = 5;
constexpr int kIconGroupType = 14;

// Parses a .res image: a sequence of resource headers, each followed by its data.
std::vector<Resource> ParseResources(const unsigned char* bytes, std::size_t size);

// The resource of a numbered type with a given name (compared without regard
// to case, or "#n" for a number), or nothing.
const Resource* FindResource(const std::vector<Resource>& resources, int type, LPCSTR name);

struct DialogItem {
    DWORD style;
    DWORD extendedStyle;
    short x, y, cx, cy;
    int id;  // 0xFFFF for "no id" reads as -1
    std::string className;
    std::string text;
};

struct DialogTemplate {
    DWORD style;
    DWORD extendedStyle;
    short x, y, cx, cy;
    std::string menu;
    std::string className;
    std::string caption;
    std::vector<DialogItem> items;
};

// Reads a classic dialog template; nothing for an extended or damaged one.
std::optional<DialogTemplate> ParseDialogTemplate(const std::vector<unsigned char>& data);

}  // namespace winshim::detail

#endif  // WINSHIM_RESOURCES_HPP

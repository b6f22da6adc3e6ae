#include "resources.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace winshim::detail {

namespace {

// Reads little-endian values and 16-bit texts from a byte range, noting when
// a read runs past its end.
class Reader {
public:
    Reader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    std::uint16_t Word() {
        if (!Has(2)) return 0;
        const std::uint16_t value = bytes_[at_] | bytes_[at_ + 1] << 8;
        at_ += 2;
        return value;
    }
    std::uint32_t Dword() {
        const std::uint32_t low = Word();
        return low | static_cast<std::uint32_t>(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    // A NUL-terminated text of 16-bit characters, kept to its low bytes.
    std::string Text() {
        std::string text;
        for (std::uint16_t c = Word(); c != 0 && ok_; c = Word()) text += static_cast<char>(c);
        return text;
    }
    // A number (0xFFFF and the number, read as "#n") or a text.
    std::string NameOrNumber() {
        if (Peek() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        return Text();
    }
    // The same where 0 alone means none.
    std::string OptionalNameOrNumber() {
        if (Peek() == 0) {
            Word();
            return "";
        }
        return NameOrNumber();
    }
    void AlignTo4() { at_ = (at_ + 3) & ~std::size_t{3}; }
    void Skip(std::size_t count) { at_ = Has(count) ? at_ + count : size_; }
    std::size_t At() const { return at_; }
    bool Ok() const { return ok_; }
    bool AtEnd() const { return at_ >= size_; }

private:
    std::uint16_t Peek() { return Has(2) ? (bytes_[at_] | bytes_[at_ + 1] << 8) : 0; }
    bool Has(std::size_t count) {
        if (at_ + count > size_) ok_ = false;
        return ok_;
    }

    const unsigned char* bytes_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// Control classes that a dialog template may name by number.
std::string ClassByNumber(const std::string& name) {
    static const char* const kClasses[] = {"BUTTON",  "EDIT",      "STATIC",
                                           "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    for (int number = 0x80; number <= 0x85; ++number) {
        if (name == "#" + std::to_string(number)) return kClasses[number - 0x80];
    }
    return name;
}

}  // namespace

std::vector<Resource> ParseResources(const unsigned char* bytes, std::size_t size) {
    std::vector<Resource> resources;
    Reader reader(bytes, size);
    while (!reader.AtEnd()) {
        const std::size_t start = reader.At();
        const std::uint32_t dataSize = reader.Dword();
        const std::uint32_t headerSize = reader.Dword();
        Resource resource;
        resource.type = reader.NameOrNumber();
        resource.name = reader.NameOrNumber();
        if (!reader.Ok() || headerSize < 8 || start + headerSize + dataSize > size) break;
        resource.data.assign(bytes + start + headerSize, bytes + start + headerSize + dataSize);
        // The image begins with an empty entry that marks the format.
        if (dataSize != 0 || resource.type != "#0") resources.push_back(std::move(resource));
        reader.Skip(start + headerSize + dataSize - reader.At());
        reader.AlignTo4();
    }
    return resources;
}

const Resource* FindResource(const std::vector<Resource>& resources, int type, LPCSTR name) {
    const std::string wantedType = "#" + std::to_string(type);
    const std::string wantedName =
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name))
                             : std::string(name);
    for (const Resource& resource : resources) {
        if (resource.type == wantedType && SameName(resource.name, wantedName)) return &resource;
    }
    return nullptr;
}

std::optional<DialogTemplate> ParseDialogTemplate(const std::vector<unsigned char>& data) {
    Reader reader(data.data(), data.size());
    DialogTemplate dialog;
    dialog.style = reader.Dword();
    dialog.extendedStyle = reader.Dword();
    // An extended template begins with version 1 and signature 0xFFFF instead.
    if (dialog.style == 0xFFFF0001) return std::nullopt;
    const int itemCount = reader.Word();
    dialog.x = reader.Short();
    dialog.y = reader.Short();
    dialog.cx = reader.Short();
    dialog.cy = reader.Short();
    dialog.menu = reader.OptionalNameOrNumber();
    dialog.className = reader.OptionalNameOrNumber();
    dialog.caption = reader.Text();
    const DWORD kSetFont = 0x40;
    if (dialog.style & kSetFont) {
        reader.Word();  // point size
        reader.Text();  // typeface
    }
    for (int i = 0; i < itemCount && reader.Ok(); ++i) {
        reader.AlignTo4();
        DialogItem item;
        item.style = reader.Dword();
        item.extendedStyle = reader.Dword();
        item.x = reader.Short();
        item.y = reader.Short();
        item.cx = reader.Short();
        item.cy = reader.Short();
        const std::uint16_t id = reader.Word();
        item.id = id == 0xFFFF ? -1 : id;
        item.className = ClassByNumber(reader.NameOrNumber());
        item.text = reader.OptionalNameOrNumber();
        reader.Skip(reader.Word());  // creation data
        dialog.items.push_back(item);
    }
    if (!reader.Ok()) return std::nullopt;
    return dialog;
}

}  // namespace winshim::detail

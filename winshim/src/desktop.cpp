#include "desktop.hpp"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>

// The program's compiled resources, generated from its resource script.
extern const unsigned char winshim_module_resources[];
extern const std::size_t winshim_module_resources_size;

namespace winshim::detail {

namespace {

// A program whose loop keeps getting messages without ever waiting (a
// window that never stops asking to be painted, say) is stopped here.
const long kMostMessagesPerSession = 1000000;
// A program that goes on waiting after this many failed waits never stops.
const int kMostFailuresInARow = 1000;

}  // namespace

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

HINSTANCE ModuleInstance() {
    return reinterpret_cast<HINSTANCE>(0x400000);
}

Desktop& Desktop::Current() {
    static Desktop desktop;
    return desktop;
}

void Desktop::Reset(Session* owner) {
    *this = Desktop();
    session = owner;
    resources = ParseResources(winshim_module_resources, winshim_module_resources_size);
}

const Desktop::RegisteredClass* Desktop::FindClass(const std::string& name) const {
    for (const RegisteredClass& entry : classes) {
        if (SameText(entry.name, name)) return &entry;
    }
    return nullptr;
}

Window* Desktop::Find(HWND handle) {
    for (const auto& window : windows_) {
        if (window->Handle() == handle) return window->destroyed ? nullptr : window.get();
    }
    return nullptr;
}

Window* Desktop::Create(const std::string& className, WNDPROC proc, Window* parent, int id,
                        DWORD style, const std::string& text) {
    auto window = std::make_unique<Window>();
    window->className = className;
    window->proc = proc;
    window->parent = parent;
    window->id = id;
    window->style = style;
    window->text = text;
    windows_.push_back(std::move(window));
    return windows_.back().get();
}

Window* Desktop::Child(Window* parent, int id) {
    for (const auto& window : windows_) {
        if (!window->destroyed && window->parent == parent && window->id == id && parent) {
            return window.get();
        }
    }
    return nullptr;
}

Window* Desktop::MainWindow() {
    for (const auto& window : windows_) {
        if (!window->destroyed && !window->parent && !window->owner) return window.get();
    }
    return nullptr;
}

Window* Desktop::OpenBox() {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (!(*it)->destroyed && (*it)->boxOpen) return it->get();
    }
    return nullptr;
}

void Desktop::Destroy(Window* window) {
    if (!window || window->destroyed) return;
    Send(window, WM_DESTROY, 0, 0);
    for (const auto& child : windows_) {
        if (child->parent == window) Destroy(child.get());
    }
    Send(window, WM_NCDESTROY, 0, 0);
    window->destroyed = true;
    window->needsPaint = false;
    window->style &= ~WS_VISIBLE;
}

void Desktop::Invalidate(Window* window) {
    if (!window || window->destroyed) return;
    window->needsPaint = true;
    for (const auto& child : windows_) {
        if (child->parent == window) Invalidate(child.get());
    }
}

LRESULT Desktop::Send(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window || window->destroyed || !window->proc) return 0;
    return window->proc(window->Handle(), message, wParam, lParam);
}

void Desktop::Post(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    queue_.push_back(MSG{window ? window->Handle() : nullptr, message, wParam, lParam, 0, {0, 0}});
}

void Desktop::PostFirst(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    queue_.push_front(MSG{window ? window->Handle() : nullptr, message, wParam, lParam, 0, {0, 0}});
}

void Desktop::PostQuit(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

namespace {

// A window draws only while it and every window above it are shown and not
// minimized.
bool CanPaint(const Window& window) {
    for (const Window* w = &window; w; w = w->parent) {
        if (w->destroyed || !w->Visible() || w->minimized) return false;
    }
    return true;
}

}  // namespace

BOOL Desktop::NextMessage(MSG* message) {
    const BOOL got = WaitForMessage(message);
    failures_ = got == -1 ? failures_ + 1 : 0;
    // On the platform such a program would spin for ever; here the test fails.
    if (failures_ > kMostFailuresInARow) {
        throw std::runtime_error("GetMessageA failed " + std::to_string(kMostFailuresInARow) +
                                 " times in a row and the program still waits for messages");
    }
    return got;
}

BOOL Desktop::WaitForMessage(MSG* message) {
    if (failQueue) return -1;
    for (;;) {
        if (++waits_ > kMostMessagesPerSession) {
            ranOutOfSteps = true;
            return -1;
        }
        if (!queue_.empty()) {
            *message = queue_.front();
            queue_.pop_front();
            return TRUE;
        }
        if (quitPosted_) {
            quitPosted_ = false;
            *message = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode_), 0, 0, {0, 0}};
            return FALSE;
        }
        // Paints come only when nothing else waits, parents before their controls.
        for (const auto& window : windows_) {
            if (window->needsPaint && CanPaint(*window)) {
                *message = MSG{window->Handle(), WM_PAINT, 0, 0, 0, {0, 0}};
                return TRUE;
            }
        }
        if (steps.empty()) {
            ranOutOfSteps = true;
            return -1;
        }
        Step step = std::move(steps.front());
        steps.pop_front();
        User user(*session);
        step(user);
    }
}

LRESULT Desktop::DefaultProc(Window* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window) return 0;
    switch (message) {
        case WM_SETTEXT:
            window->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
            return TRUE;
        case WM_GETTEXT: {
            char* buffer = reinterpret_cast<char*>(lParam);
            if (!buffer || wParam == 0) return 0;
            const std::size_t count = std::min<std::size_t>(window->text.size(), wParam - 1);
            std::memcpy(buffer, window->text.data(), count);
            buffer[count] = '\0';
            return static_cast<LRESULT>(count);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_PAINT:
            window->needsPaint = false;
            return 0;
        case WM_CLOSE:
            Destroy(window);
            return 0;
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_CLOSE:
                    Send(window, WM_CLOSE, 0, 0);
                    break;
                case SC_MINIMIZE:
                    window->minimized = true;
                    break;
                case SC_RESTORE:
                    window->minimized = false;
                    Invalidate(window);
                    break;
                default:
                    break;
            }
            return 0;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return kDefaultColourBrush;
        default:
            return 0;
    }
}

void Desktop::Record(const std::string& function, const std::string& arguments,
                     const void* buffer) {
    calls.push_back(Call{function, function + "(" + arguments + ")", buffer});
}

std::string Desktop::Describe(HWND handle) {
    if (!handle) return "null";
    Window* window = Find(handle);
    if (!window) return "invalid";
    if (window->parent) return "#" + std::to_string(window->id);
    return window->className;
}

std::string QuoteText(const char* text) {
    if (!text) return "null";
    std::string quoted = "\"";
    for (const char* c = text; *c; ++c)
        quoted += *c == '\n' ? std::string("\\n") : std::string(1, *c);
    return quoted + "\"";
}

std::string ResourceName(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return QuoteText(name);
}

std::string MessageName(UINT message) {
    static const std::pair<UINT, const char*> kNames[] = {
        {WM_NULL, "WM_NULL"},
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_GETTEXT, "WM_GETTEXT"},
        {WM_PAINT, "WM_PAINT"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_COMMAND, "WM_COMMAND"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT"},
        {WM_CTLCOLORBTN, "WM_CTLCOLORBTN"},
        {WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC"},
        {EM_SETSEL, "EM_SETSEL"},
        {BM_CLICK, "BM_CLICK"},
    };
    for (const auto& [number, name] : kNames) {
        if (number == message) return name;
    }
    return std::to_string(message);
}

}  // namespace winshim::detail

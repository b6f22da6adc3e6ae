// The platform functions that the calculator calls. Each records the call,
// then acts on the simulated desktop. The desktop's own work (controls
// asking for colours, the message box's loop) records nothing: only the
// program's calls are its own.
#include <windows.h>

#include <string>

#include "desktop.hpp"

using winshim::detail::Desktop;
using winshim::detail::Window;

namespace {

std::string Instance(HINSTANCE instance) {
    if (!instance) return "null";
    return instance == winshim::detail::ModuleInstance() ? "instance" : "other";
}

// Stand-in handles for the system's own cursor and icons.
template <typename Handle>
Handle SystemHandle(LPCSTR name) {
    return reinterpret_cast<Handle>(reinterpret_cast<std::uintptr_t>(name));
}

bool IsSystemCursorOrIcon(LPCSTR name) {
    const std::uintptr_t number = reinterpret_cast<std::uintptr_t>(name);
    return IS_INTRESOURCE(name) && number >= 32512 && number <= 32650;
}

}  // namespace

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("RegisterClassExA",
                   windowClass ? winshim::detail::QuoteText(windowClass->lpszClassName) : "null");
    if (desktop.failRegistration || !windowClass || windowClass->cbSize != sizeof(WNDCLASSEXA) ||
        !windowClass->lpszClassName || !windowClass->lpfnWndProc ||
        desktop.FindClass(windowClass->lpszClassName)) {
        return 0;
    }
    desktop.classes.push_back({windowClass->lpszClassName, "", *windowClass});
    Desktop::RegisteredClass& entry = desktop.classes.back();
    entry.record.lpszClassName = entry.name.c_str();
    // The record keeps its own copies of the names; a menu named by number stays a number.
    if (entry.record.lpszMenuName && !IS_INTRESOURCE(entry.record.lpszMenuName)) {
        entry.menuName = entry.record.lpszMenuName;
        entry.record.lpszMenuName = entry.menuName.c_str();
    }
    return static_cast<ATOM>(0xC000 + desktop.classes.size());
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("LoadIconA", Instance(instance) + ", " + winshim::detail::ResourceName(name));
    if (!instance) return IsSystemCursorOrIcon(name) ? SystemHandle<HICON>(name) : nullptr;
    if (instance != winshim::detail::ModuleInstance()) return nullptr;
    const winshim::Resource* group =
        winshim::detail::FindResource(desktop.resources, winshim::detail::kIconGroupType, name);
    return reinterpret_cast<HICON>(const_cast<winshim::Resource*>(group));
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    Desktop::Current().Record("LoadCursorA",
                              Instance(instance) + ", " + winshim::detail::ResourceName(name));
    // The program has no cursors of its own.
    if (instance || !IsSystemCursorOrIcon(name)) return nullptr;
    return SystemHandle<HCURSOR>(name);
}

BOOL WINAPI ShowWindow(HWND handle, int showCommand) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("ShowWindow", desktop.Describe(handle) + ", " + std::to_string(showCommand));
    Window* window = desktop.Find(handle);
    if (!window) return FALSE;
    const bool wasVisible = window->Visible();
    const bool show = showCommand != SW_HIDE;
    window->minimized = showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE ||
                        showCommand == SW_SHOWMINNOACTIVE;
    if (show) {
        window->style |= WS_VISIBLE;
    } else {
        window->style &= ~WS_VISIBLE;
    }
    if (show != wasVisible) desktop.Send(window, WM_SHOWWINDOW, show, 0);
    if (show && !window->minimized) desktop.Invalidate(window);
    return wasVisible;
}

BOOL WINAPI GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("GetMessageA", desktop.Describe(window) + ", " + std::to_string(filterMin) +
                                      ", " + std::to_string(filterMax));
    if (!message) return -1;
    return desktop.NextMessage(message);
}

namespace winshim::detail {

// The desktop's keyboard reports each key by its character, so translating a
// key press gives that character.
void Translate(const MSG& message) {
    Desktop& desktop = Desktop::Current();
    if (message.message == WM_KEYDOWN) {
        desktop.PostFirst(desktop.Find(message.hwnd), WM_CHAR, message.wParam, message.lParam);
    }
}

LRESULT Dispatch(const MSG& message) {
    Desktop& desktop = Desktop::Current();
    return desktop.Send(desktop.Find(message.hwnd), message.message, message.wParam,
                        message.lParam);
}

}  // namespace winshim::detail

BOOL WINAPI TranslateMessage(const MSG* message) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("TranslateMessage", message ? desktop.Describe(message->hwnd) + ", " +
                                                     winshim::detail::MessageName(message->message)
                                               : "null");
    if (!message || message->message != WM_KEYDOWN) return FALSE;
    winshim::detail::Translate(*message);
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("DispatchMessageA", message ? desktop.Describe(message->hwnd) + ", " +
                                                     winshim::detail::MessageName(message->message)
                                               : "null");
    return message ? winshim::detail::Dispatch(*message) : 0;
}

LRESULT WINAPI DefWindowProcA(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("DefWindowProcA",
                   desktop.Describe(handle) + ", " + winshim::detail::MessageName(message));
    return desktop.DefaultProc(desktop.Find(handle), message, wParam, lParam);
}

void WINAPI PostQuitMessage(int exitCode) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("PostQuitMessage", std::to_string(exitCode));
    desktop.PostQuit(exitCode);
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("GetDlgItem", desktop.Describe(dialog) + ", " + std::to_string(id));
    Window* control = desktop.Child(desktop.Find(dialog), id);
    return control ? control->Handle() : nullptr;
}

int WINAPI GetWindowTextA(HWND handle, LPSTR text, int maxCount) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("GetWindowTextA", desktop.Describe(handle) + ", " + std::to_string(maxCount),
                   text);
    if (!text || maxCount <= 0) return 0;
    text[0] = '\0';
    Window* window = desktop.Find(handle);
    return static_cast<int>(desktop.Send(window, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

BOOL WINAPI SetWindowTextA(HWND handle, LPCSTR text) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("SetWindowTextA",
                   desktop.Describe(handle) + ", " + winshim::detail::QuoteText(text), text);
    Window* window = desktop.Find(handle);
    if (!window) return FALSE;
    return static_cast<BOOL>(desktop.Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

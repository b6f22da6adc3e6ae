// Windows made from dialog templates, as the platform's dialog manager makes them.
#include <windows.h>

#include <string>

#include "desktop.hpp"

using winshim::detail::Desktop;
using winshim::detail::Window;

namespace {

// Makes the template's window and its controls, or nothing when the template
// cannot be used.
Window* CreateFromTemplate(const winshim::detail::DialogTemplate& dialog, DLGPROC dialogProc,
                           LPARAM initParam) {
    Desktop& desktop = Desktop::Current();
    // Only templates that name a class of the program are supported.
    const Desktop::RegisteredClass* windowClass = desktop.FindClass(dialog.className);
    if (dialog.className.empty() || !windowClass ||
        windowClass->record.cbWndExtra < DLGWINDOWEXTRA) {
        return nullptr;
    }
    Window* window = desktop.Create(windowClass->name, windowClass->record.lpfnWndProc, nullptr, 0,
                                    dialog.style & ~WS_VISIBLE, dialog.caption);
    if (desktop.Send(window, WM_CREATE, 0, 0) == -1) {
        desktop.Destroy(window);
        return nullptr;
    }
    for (const winshim::detail::DialogItem& item : dialog.items) {
        WNDPROC proc = winshim::detail::BuiltInClassProc(item.className);
        if (!proc) {
            desktop.Destroy(window);
            return nullptr;
        }
        desktop.Create(item.className, proc, window, item.id, item.style, item.text);
    }
    if (dialogProc) dialogProc(window->Handle(), WM_INITDIALOG, 0, initParam);
    if (dialog.style & WS_VISIBLE) {
        window->style |= WS_VISIBLE;
        desktop.Invalidate(window);
    }
    return window;
}

}  // namespace

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
    Desktop& desktop = Desktop::Current();
    desktop.Record(
        "CreateDialogParamA",
        std::string(instance == winshim::detail::ModuleInstance() ? "instance" : "other") + ", " +
            winshim::detail::ResourceName(templateName) + ", " + desktop.Describe(owner) + ", " +
            (dialogProc ? "proc" : "null") + ", " + std::to_string(initParam));
    if (desktop.failCreation || instance != winshim::detail::ModuleInstance()) return nullptr;
    const winshim::Resource* resource = winshim::detail::FindResource(
        desktop.resources, winshim::detail::kDialogType, templateName);
    if (!resource) return nullptr;
    const auto dialog = winshim::detail::ParseDialogTemplate(resource->data);
    if (!dialog) return nullptr;
    Window* window = CreateFromTemplate(*dialog, dialogProc, initParam);
    return window ? window->Handle() : nullptr;
}

// Message boxes: a window owned by the calling window, which is disabled
// while the box's own message loop runs. The owner repaints when the box goes.
#include <windows.h>

#include <string>

#include "desktop.hpp"

using winshim::detail::Desktop;
using winshim::detail::Window;

int WINAPI MessageBoxA(HWND ownerHandle, LPCSTR text, LPCSTR caption, UINT type) {
    Desktop& desktop = Desktop::Current();
    desktop.Record("MessageBoxA",
                   desktop.Describe(ownerHandle) + ", " + winshim::detail::QuoteText(text) + ", " +
                       winshim::detail::QuoteText(caption) + ", " + std::to_string(type));
    Window* owner = desktop.Find(ownerHandle);
    desktop.boxes.push_back({ownerHandle, text ? text : "", caption ? caption : "Error", type});
    Window* box = desktop.Create("#32770", winshim::detail::MessageBoxProc, nullptr, 0,
                                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                                 caption ? caption : "Error");
    box->owner = owner;
    box->boxOpen = true;
    box->boxIndex = static_cast<int>(desktop.boxes.size()) - 1;
    if (owner) owner->style |= WS_DISABLED;

    int answer = IDOK;
    MSG message;
    while (box->boxOpen) {
        const BOOL got = desktop.NextMessage(&message);
        if (got == 0) {
            // The quit message ends the box and stays for the caller's loop.
            desktop.PostQuit(static_cast<int>(message.wParam));
            answer = 0;
            break;
        }
        if (got == -1) {
            answer = 0;
            break;
        }
        winshim::detail::Translate(message);
        winshim::detail::Dispatch(message);
    }
    desktop.Destroy(box);
    if (owner && !owner->destroyed) {
        owner->style &= ~WS_DISABLED;
        desktop.Invalidate(owner);  // uncovered
    }
    return answer;
}

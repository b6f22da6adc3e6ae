// The calculator's entry point and window procedure. The window is made from
// the dialog template "Kestrune", which names the program's own window class,
// so every message reaches CalcWndProc and there is no dialog procedure.
#include <windows.h>

#include "refresh_probability.hpp"
#include "resource.h"

namespace {

const char kHelpCaption[] = "Kestrune Help";
const char kHelpText[] =
    "Edit the value and degrees of freedom fields\n"
    "and the probability of a chi-square value as\n"
    "high or higher than the one entered is displayed";

const char kAboutCaption[] = "About Kestrune";
const char kAboutText[] =
    "Kestrune\n"
    "The upper-tail probability of the chi-square distribution\n"
    "for a value and its degrees of freedom\n"
    "\n"
    "Written by the Kestrune developers";

// The exit code when the window cannot be made or the message queue fails.
const int kFailureExit = 1;

void ShowCommandBox(HWND window, WORD id) {
    switch (id) {
        case IDC_HELPBTN:
            MessageBoxA(window, kHelpText, kHelpCaption, MB_OK);
            break;
        case IDC_ABOUTBTN:
            MessageBoxA(window, kAboutText, kAboutCaption, MB_OK);
            break;
        default:
            break;
    }
}

}  // namespace

LRESULT CALLBACK CalcWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_COMMAND:
            ShowCommandBox(window, LOWORD(wParam));
            break;
        // An edit field is about to draw itself: its text may have changed.
        case WM_CTLCOLOREDIT:
            RefreshProbability(window);
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = CalcWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;  // a class named by a dialog template needs it
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, KESTRUNE_NAME);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = KESTRUNE_NAME;
    windowClass.hIconSm = LoadIconA(instance, KESTRUNE_NAME);
    if (!RegisterClassExA(&windowClass)) return kFailureExit;

    HWND window = CreateDialogParamA(instance, KESTRUNE_NAME, nullptr, nullptr, 0);
    // Without a window there would be nothing to close, and the loop below
    // would wait for ever.
    if (!window) return kFailureExit;
    ShowWindow(window, showCommand);

    MSG message;
    BOOL got;
    while ((got = GetMessageA(&message, nullptr, 0, 0)) != 0) {
        if (got == -1) return kFailureExit;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

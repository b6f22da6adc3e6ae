// The built-in control classes of the simulated desktop: edit fields that
// hold and change their text and ask their parent for colours before they
// draw, static texts, push buttons, and the message box window.
#include <string>

#include "desktop.hpp"

namespace winshim::detail {

namespace {

void Notify(Window* control, WORD code) {
    Desktop::Current().Send(control->parent, WM_COMMAND, MAKEWPARAM(control->id, code),
                            reinterpret_cast<LPARAM>(control->Handle()));
}

// An edit field's text changed: it tells its parent and redraws.
void EditChanged(Window* edit) {
    edit->selectAll = false;
    Notify(edit, EN_CHANGE);
    edit->needsPaint = true;
}

bool TypeInto(Window* edit, char key) {
    std::string& text = edit->text;
    if (key == '\b') {
        if (edit->selectAll) {
            text.clear();
        } else if (!text.empty()) {
            text.pop_back();
        } else {
            return false;
        }
        return true;
    }
    if (static_cast<unsigned char>(key) < 0x20 || key == 0x7F) return false;
    if (edit->selectAll) text.clear();
    text += key;
    return true;
}

// Asks the parent for the colours to draw with, as every control does before drawing.
void Paint(Window* control, UINT colourRequest) {
    Desktop::Current().Send(control->parent, colourRequest, reinterpret_cast<WPARAM>(kPaintContext),
                            reinterpret_cast<LPARAM>(control->Handle()));
    control->needsPaint = false;
}

}  // namespace

LRESULT CALLBACK EditProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Current();
    Window* edit = desktop.Find(handle);
    if (!edit) return 0;
    switch (message) {
        case WM_CHAR:
            if (TypeInto(edit, static_cast<char>(wParam))) EditChanged(edit);
            return 0;
        case EM_SETSEL:
            // Only selecting the whole text is modelled; anything else puts the caret at the end.
            edit->selectAll = wParam == 0 && lParam == -1;
            return 0;
        case WM_SETTEXT:
            desktop.DefaultProc(edit, message, wParam, lParam);
            EditChanged(edit);
            return TRUE;
        case WM_PAINT:
            Paint(edit, WM_CTLCOLOREDIT);
            return 0;
        default:
            return desktop.DefaultProc(edit, message, wParam, lParam);
    }
}

LRESULT CALLBACK StaticProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Current();
    Window* label = desktop.Find(handle);
    if (!label) return 0;
    switch (message) {
        case WM_SETTEXT:
            desktop.DefaultProc(label, message, wParam, lParam);
            label->needsPaint = true;
            return TRUE;
        case WM_PAINT:
            Paint(label, WM_CTLCOLORSTATIC);
            return 0;
        default:
            return desktop.DefaultProc(label, message, wParam, lParam);
    }
}

LRESULT CALLBACK ButtonProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Current();
    Window* button = desktop.Find(handle);
    if (!button) return 0;
    switch (message) {
        case BM_CLICK:
            Notify(button, BN_CLICKED);
            return 0;
        case WM_PAINT:
            Paint(button, WM_CTLCOLORBTN);
            return 0;
        default:
            return desktop.DefaultProc(button, message, wParam, lParam);
    }
}

LRESULT CALLBACK MessageBoxProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Current();
    Window* box = desktop.Find(handle);
    if (!box) return 0;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        box->boxOpen = false;
        return 0;
    }
    return desktop.DefaultProc(box, message, wParam, lParam);
}

WNDPROC BuiltInClassProc(const std::string& className) {
    if (SameText(className, "EDIT")) return EditProc;
    if (SameText(className, "STATIC")) return StaticProc;
    if (SameText(className, "BUTTON")) return ButtonProc;
    return nullptr;
}

}  // namespace winshim::detail

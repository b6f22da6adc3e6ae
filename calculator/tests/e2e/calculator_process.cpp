#include "calculator_process.hpp"

#include "resource.h"

namespace e2e {

namespace {

const char kResultMark[] = "(waiting)";

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.erase(directory.find_last_of("\\/") + 1);
    return directory + "kestrune.exe";
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || ClassOf(window) != search->className) return TRUE;
    if (search->owner && GetWindow(window, GW_OWNER) != search->owner) return TRUE;
    if (!IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD processId, const char* className, HWND owner) {
    WindowSearch search = {processId, className, owner, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

// Posts one key press. Keys that need no modifier go as key-down and key-up,
// so the calculator's own loop translates them into characters; others go as
// the character itself.
void PressKey(HWND control, char key) {
    const SHORT scan = VkKeyScanA(key);
    const UINT virtualKey = LOBYTE(scan);
    if (scan != -1 && HIBYTE(scan) == 0) {
        const UINT scanCode = MapVirtualKeyA(virtualKey, 0 /* MAPVK_VK_TO_VSC */);
        const LPARAM down = 1 | static_cast<LPARAM>(scanCode) << 16;
        PostMessageA(control, WM_KEYDOWN, virtualKey, down);
        PostMessageA(control, WM_KEYUP, virtualKey, down | 0xC0000000);
    } else {
        PostMessageA(control, WM_CHAR, static_cast<unsigned char>(key), 1);
    }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
}

std::string TextOf(HWND window) {
    char text[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kPatienceMs, &copied)) {
        return "(no answer)";
    }
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

LONG StyleOf(HWND window) {
    return GetWindowLongA(window, GWL_STYLE);
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

CalculatorProcess::CalculatorProcess() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string path = ProgramPath();
    if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return;
    }
    WaitForInputIdle(process_.hProcess, kStartPatienceMs);
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevel(process_.dwProcessId, "Kestrune", nullptr)); },
              kStartPatienceMs);
    window_ = found;
}

CalculatorProcess::~CalculatorProcess() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, kPatienceMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void CalculatorProcess::Type(int id, const std::string& keys) {
    // The caret starts at the beginning of the field: the user first moves it to the end.
    const HWND field = Control(id);
    PostMessageA(field, WM_KEYDOWN, VK_END, 1);
    PostMessageA(field, WM_KEYUP, VK_END, 0xC0000001);
    for (char key : keys) PressKey(field, key);
}

void CalculatorProcess::TypeAtCaret(int id, const std::string& keys) {
    for (char key : keys) PressKey(Control(id), key);
}

void CalculatorProcess::SelectAllAndType(int id, const std::string& keys) {
    PostMessageA(Control(id), EM_SETSEL, 0, -1);
    TypeAtCaret(id, keys);
}

void CalculatorProcess::Replace(int id, const std::string& text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, kPatienceMs, &ignored);
}

void CalculatorProcess::PressVirtualKey(int id, UINT virtualKey) {
    const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, 0)) << 16;
    PostMessageA(Control(id), WM_KEYDOWN, virtualKey, down);
    PostMessageA(Control(id), WM_KEYUP, virtualKey, down | 0xC0000000);
}

void CalculatorProcess::Click(int id) {
    PostMessageA(Control(id), BM_CLICK, 0, 0);
}

void CalculatorProcess::PressCloseBox() {
    PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CalculatorProcess::MarkResult() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Control(IDC_PROB), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kResultMark),
                        SMTO_ABORTIFHUNG, kPatienceMs, &ignored);
}

std::string CalculatorProcess::WaitForResult(const std::string& expected) {
    std::string shown;
    WaitUntil([&] { return (shown = Text(IDC_PROB)) == expected; });
    return shown;
}

HWND CalculatorProcess::FindMessageBox() const {
    return FindTopLevel(process_.dwProcessId, "#32770", window_);
}

DWORD CalculatorProcess::WaitForExit() {
    if (WaitForSingleObject(process_.hProcess, kPatienceMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

}  // namespace e2e

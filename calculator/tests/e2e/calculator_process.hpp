// A running kestrune.exe, driven from another process through the platform
// the way a user's input reaches it: key presses posted to the fields, text
// replaced, button clicks, the close box. Every wait is bounded.
#ifndef KESTRUNE_E2E_CALCULATOR_PROCESS_HPP
#define KESTRUNE_E2E_CALCULATOR_PROCESS_HPP

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// How long to wait for the calculator to respond before a check fails.
constexpr DWORD kPatienceMs = 10000;
// How long to wait for the calculator's window to appear: the first program
// that shows a window in a new Wine prefix waits for its font set-up.
constexpr DWORD kStartPatienceMs = 60000;

// Polls condition every few milliseconds until it holds or timeoutMs has passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPatienceMs);

// The text of any window, read with WM_GETTEXT as another process can.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
LONG StyleOf(HWND window);

class CalculatorProcess {
public:
    // Starts kestrune.exe from this program's directory and waits for its window.
    CalculatorProcess();
    ~CalculatorProcess();
    CalculatorProcess(const CalculatorProcess&) = delete;
    CalculatorProcess& operator=(const CalculatorProcess&) = delete;

    bool Started() const { return window_ != nullptr; }
    HWND Window() const { return window_; }
    DWORD ThreadId() const { return process_.dwThreadId; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::string Text(int id) const { return TextOf(Control(id)); }

    // Presses End, then the keys for text in a field, one by one ('\b' is Backspace).
    void Type(int id, const std::string& keys);
    // Presses the keys without moving the caret first.
    void TypeAtCaret(int id, const std::string& keys);
    // Selects the field's whole text and types over it.
    void SelectAllAndType(int id, const std::string& keys);
    // Replaces the field's text at once, as a paste or another program does.
    void Replace(int id, const std::string& text);
    void Click(int id);
    // Posts a key that gives no character (Tab, Enter, Esc and the like) to a control.
    void PressVirtualKey(int id, UINT virtualKey);
    void PressCloseBox();

    // Marks the result field, so that the next refresh is seen even when it
    // writes the same text again.
    void MarkResult();
    // Waits until the result field shows expected; returns what it shows then.
    std::string WaitForResult(const std::string& expected);

    // The open message box owned by the calculator window, or null.
    HWND FindMessageBox() const;
    // Waits for the process to end; returns its exit code, or STILL_ACTIVE on time-out.
    DWORD WaitForExit();

private:
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

// The child windows of a window in creation order.
std::vector<HWND> ChildrenOf(HWND window);

}  // namespace e2e

#endif  // KESTRUNE_E2E_CALCULATOR_PROCESS_HPP

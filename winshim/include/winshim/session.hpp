// Scripted sessions on the simulated desktop: a test queues what the user does,
// runs the program's WinMain, and reads back the platform calls the program
// made, the message boxes it showed and its exit code.
//
// The desktop runs the user's steps whenever the program waits for input:
// when GetMessageA finds no posted message, no quit message and no window
// to paint. Typing, clicks and the close box arrive as posted messages, as
// they do on the platform, so each step's effect (and the repaints it
// causes) has gone through the program's message loop before the next step
// runs. When the steps run out while the program still waits, GetMessageA
// fails (returns -1) rather than wait for ever; a program that goes on
// waiting after many failures gets a std::runtime_error from GetMessageA.
#ifndef WINSHIM_SESSION_HPP
#define WINSHIM_SESSION_HPP

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace winshim {

// One platform call made by the program, in the order made.
struct Call {
    std::string function;  // e.g. "GetWindowTextA"
    std::string text;      // the call and its arguments, e.g. "GetDlgItem(Kestrune, 1)"
    const void* buffer;    // the text buffer passed, if any
};

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class Session;

// What a user can do and see between two waits of the program.
class User {
public:
    explicit User(Session& session) : session_(session) {}

    // Presses keys with the focus in a control of the calculator window: each
    // character is one key, '\b' is Backspace.
    void Type(int controlId, const std::string& keys);
    // Selects the whole text of a field and types text over it; an empty
    // text deletes the field's contents.
    void Replace(int controlId, const std::string& text);
    void Click(int controlId);
    // The close box of the calculator window.
    void Close();
    void Minimize();
    void Restore();
    // Another window that covered the calculator moves away.
    void Uncover();
    // Presses OK in the open message box.
    void AnswerBox();

    std::string Text(int controlId) const;
    HWND Window() const;
    // The message box now open, or null.
    const MessageBoxRecord* OpenBox() const;
    // Sends a message straight to the calculator's window procedure.
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);

private:
    Session& session_;
};

using Step = std::function<void(User&)>;
using EntryPoint = int(WINAPI*)(HINSTANCE, HINSTANCE, LPSTR, int);

// One run of the program on a fresh desktop. Only one session exists at a time.
class Session {
public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Queues a user step.
    Session& Then(Step step);

    // Calls the entry point as the platform would and returns its result.
    int Run(EntryPoint entry, int showCommand = SW_SHOWNORMAL);

    // The program's platform calls so far, and only those.
    const std::vector<Call>& Calls() const;
    // The texts of Calls() from index `from` on.
    std::vector<std::string> CallTexts(std::size_t from = 0) const;
    const std::vector<MessageBoxRecord>& Boxes() const;
    // The class record registered under name, or null.
    const WNDCLASSEXA* RegisteredClass(const std::string& name) const;
    // The instance handle passed to the entry point.
    HINSTANCE Instance() const;
    // True when the program waited for input after the last step.
    bool RanOutOfSteps() const;

    // Makes the platform fail where a program must cope with it.
    void FailClassRegistration();
    void FailWindowCreation();
    void FailMessageQueue();
};

// The type, name and bytes of one resource compiled into the program.
struct Resource {
    std::string type;  // "#5" for a numbered type, else the name
    std::string name;  // "#1" for a numbered resource, else the name as stored
    std::vector<unsigned char> data;
};
std::vector<Resource> ModuleResources();

}  // namespace winshim

#endif  // WINSHIM_SESSION_HPP

// The simulated desktop behind the stand-in platform functions: windows,
// classes, the message queue, pending paints and the user's steps.
#ifndef WINSHIM_DESKTOP_HPP
#define WINSHIM_DESKTOP_HPP

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "resources.hpp"
#include "winshim/session.hpp"

namespace winshim::detail {

struct Window {
    std::string className;
    WNDPROC proc = nullptr;
    Window* parent = nullptr;  // the parent of a control
    Window* owner = nullptr;   // the owner of a message box
    int id = 0;
    DWORD style = 0;
    std::string text;
    bool minimized = false;
    bool needsPaint = false;
    bool destroyed = false;
    bool selectAll = false;  // an edit field whose whole text is selected
    bool boxOpen = false;    // a message box until it is answered
    int boxIndex = -1;       // a message box's record in Desktop::boxes

    HWND Handle() { return reinterpret_cast<HWND>(this); }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
};

class Desktop {
public:
    // The desktop of the running session.
    static Desktop& Current();

    void Reset(Session* session);
    Session* session = nullptr;

    // Windows. Handles stay valid (and unique) for the whole session.
    Window* Find(HWND handle);
    Window* Create(const std::string& className, WNDPROC proc, Window* parent, int id, DWORD style,
                   const std::string& text);
    Window* Child(Window* parent, int id);
    Window* MainWindow();  // the first top-level window made from a template
    Window* OpenBox();     // the newest message box not yet answered
    void Destroy(Window* window);
    void Invalidate(Window* window);  // the window and its visible controls

    // Messages.
    LRESULT Send(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
    void Post(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
    // Posts a message that the loop retrieves before all others, as a translated key is.
    void PostFirst(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuit(int exitCode);
    // The next message for the program's loop: 1, 0 for the quit message, -1 on failure.
    BOOL NextMessage(MSG* message);
    LRESULT DefaultProc(Window* window, UINT message, WPARAM wParam, LPARAM lParam);

    // Calls made by the program.
    void Record(const std::string& function, const std::string& arguments,
                const void* buffer = nullptr);
    std::string Describe(HWND handle);

    std::vector<Resource> resources;
    struct RegisteredClass {
        std::string name;
        std::string menuName;
        WNDCLASSEXA record;
    };
    std::deque<RegisteredClass> classes;  // a deque keeps each name where the record points
    const RegisteredClass* FindClass(const std::string& name) const;
    std::vector<Call> calls;
    std::vector<MessageBoxRecord> boxes;
    std::deque<Step> steps;
    bool ranOutOfSteps = false;
    bool failRegistration = false;
    bool failCreation = false;
    bool failQueue = false;
    int boxDepth = 0;

private:
    std::vector<std::unique_ptr<Window>> windows_;
    std::deque<MSG> queue_;
    bool quitPosted_ = false;
    int quitCode_ = 0;
    long waits_ = 0;
    int failures_ = 0;  // failed waits in a row

    BOOL WaitForMessage(MSG* message);
};

bool SameText(const std::string& a, const std::string& b);  // without regard to case
HINSTANCE ModuleInstance();
const HDC kPaintContext = reinterpret_cast<HDC>(0xDC);

// What TranslateMessage and DispatchMessageA do, for the message box's own loop.
void Translate(const MSG& message);
LRESULT Dispatch(const MSG& message);

// The window procedures of the built-in control classes.
LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MessageBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The procedure of a built-in class by name (any case), or null.
WNDPROC BuiltInClassProc(const std::string& className);

// Texts and resource names as call records show them: "text", #number or null.
std::string QuoteText(const char* text);
std::string ResourceName(LPCSTR name);

// A name for a message in call records: "WM_COMMAND" or the number.
std::string MessageName(UINT message);

// What the default procedure returns for colour requests, so tests can see it passed on.
const LRESULT kDefaultColourBrush = COLOR_WINDOW + 1;

}  // namespace winshim::detail

#endif  // WINSHIM_DESKTOP_HPP

// winshim: a small stand-in for the Windows user-interface API, enough for the
// calculator's window code to build and run on systems without it. The types,
// constants and functions keep the platform's names and values; behind them
// is a simulated desktop that tests script through <winshim/session.hpp>.
#ifndef WINSHIM_WINDOWS_H
#define WINSHIM_WINDOWS_H

#include <cstdint>

#define WINAPI
#define CALLBACK

typedef int BOOL;
typedef unsigned char BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef WORD ATOM;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef std::intptr_t INT_PTR;
typedef char* LPSTR;
typedef const char* LPCSTR;

// Handles are opaque pointers, each of its own type.
#define WINSHIM_HANDLE(name) \
    struct name##__;         \
    typedef name##__* name
WINSHIM_HANDLE(HWND);
WINSHIM_HANDLE(HINSTANCE);
WINSHIM_HANDLE(HICON);
WINSHIM_HANDLE(HCURSOR);
WINSHIM_HANDLE(HBRUSH);
WINSHIM_HANDLE(HMENU);
WINSHIM_HANDLE(HDC);
#undef WINSHIM_HANDLE

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define TRUE 1
#define FALSE 0

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xFFFF))
#define MAKEWPARAM(low, high)                                                  \
    (static_cast<WPARAM>((static_cast<DWORD>(static_cast<WORD>(high)) << 16) | \
                         static_cast<WORD>(low)))
// A resource named by a number instead of a text.
#define MAKEINTRESOURCEA(i) \
    (reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define IS_INTRESOURCE(p) ((reinterpret_cast<std::uintptr_t>(p) >> 16) == 0)

struct POINT {
    LONG x;
    LONG y;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};

// Class styles and the room a dialog-template window needs in its class.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define DLGWINDOWEXTRA 30

#define COLOR_WINDOW 5
#define COLOR_BTNFACE 15
#define IDC_ARROW MAKEINTRESOURCEA(32512)

// Window styles.
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_TABSTOP 0x00010000L
#define SS_LEFT 0x0000L
#define SS_RIGHT 0x0002L
#define ES_AUTOHSCROLL 0x0080L
#define BS_PUSHBUTTON 0x0000L
#define BS_CENTER 0x0300L

// Show commands.
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

// Messages, notifications and system commands.
#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SHOWWINDOW 0x0018
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORSTATIC 0x0138
#define EM_SETSEL 0x00B1
#define BM_CLICK 0x00F5
#define BN_CLICKED 0
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define SC_MINIMIZE 0xF020
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

// Message boxes.
#define MB_OK 0x00000000L
#define IDOK 1

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass);
HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name);
HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam);
BOOL WINAPI ShowWindow(HWND window, int showCommand);
BOOL WINAPI GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax);
BOOL WINAPI TranslateMessage(const MSG* message);
LRESULT WINAPI DispatchMessageA(const MSG* message);
LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void WINAPI PostQuitMessage(int exitCode);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
HWND WINAPI GetDlgItem(HWND dialog, int id);
int WINAPI GetWindowTextA(HWND window, LPSTR text, int maxCount);
BOOL WINAPI SetWindowTextA(HWND window, LPCSTR text);

// The program's entry point, which the program defines.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

#endif  // WINSHIM_WINDOWS_H

// The calculator's WinMain and window procedure run through scripted sessions
// on the stand-in platform: the user's typing, clicks and the close box reach
// the program as messages, as they do on Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resource.h"
#include "winshim/session.hpp"

LRESULT CALLBACK CalcWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

using winshim::Session;
using winshim::User;

const char kHelpText[] =
    "Edit the value and degrees of freedom fields\n"
    "and the probability of a chi-square value as\n"
    "high or higher than the one entered is displayed";

void CloseWindow(User& user) {
    user.Close();
}

// Runs the program through its steps and the close box; expects a clean end.
void RunAndClose(Session& session, int showCommand = SW_SHOWNORMAL) {
    session.Then(CloseWindow);
    EXPECT_EQ(session.Run(WinMain, showCommand), 0);
    EXPECT_FALSE(session.RanOutOfSteps()) << "the program still waited after the window closed";
}

std::size_t IndexOf(const std::vector<std::string>& calls, const std::string& call) {
    return static_cast<std::size_t>(std::find(calls.begin(), calls.end(), call) - calls.begin());
}

TEST(WindowStart, RegistersTheClassThenMakesAndShowsTheWindow) {
    Session session;
    RunAndClose(session, SW_SHOWNORMAL);

    const std::vector<std::string> start = {
        R"(LoadIconA(instance, "Kestrune"))",
        R"(LoadCursorA(null, #32512))",
        R"(LoadIconA(instance, "Kestrune"))",
        R"(RegisterClassExA("Kestrune"))",
        R"(CreateDialogParamA(instance, "Kestrune", null, null, 0))",
        R"(ShowWindow(Kestrune, 1))",
        R"(GetMessageA(null, 0, 0))",
    };
    // The program's own calls, less those its window procedure makes meanwhile.
    std::vector<std::string> calls;
    for (const std::string& call : session.CallTexts()) {
        if (call.rfind("DefWindowProcA", 0) != 0) calls.push_back(call);
    }
    ASSERT_GE(calls.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + start.size()), start);

    const WNDCLASSEXA* record = session.RegisteredClass("Kestrune");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->cbSize, sizeof(WNDCLASSEXA));
    EXPECT_EQ(record->style, 3u);
    EXPECT_EQ(record->lpfnWndProc, CalcWndProc);
    EXPECT_EQ(record->cbClsExtra, 0);
    EXPECT_EQ(record->cbWndExtra, 30);
    EXPECT_EQ(record->hInstance, session.Instance());
    EXPECT_NE(record->hIcon, nullptr) << "the icon group Kestrune was not found";
    EXPECT_EQ(record->hIconSm, record->hIcon);
    EXPECT_NE(record->hCursor, nullptr);
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(record->hbrBackground), 16);
    EXPECT_EQ(record->lpszMenuName, nullptr);
}

TEST(WindowStart, FirstPaintShowsTheProbabilityOfTheTemplateTexts) {
    struct Case {
        int showCommand;
        const char* beforeRestore;  // the result once the program first waits
    };
    const Case cases[] = {
        {SW_SHOWNORMAL, "0.050000"},
        {SW_SHOWDEFAULT, "0.050000"},
        // A minimized window paints nothing until it is restored.
        {SW_SHOWMINNOACTIVE, "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("show command " + std::to_string(c.showCommand));
        Session session;
        session
            .Then([&](User& user) {
                EXPECT_EQ(user.Text(IDC_VALUE), "3.84146");
                EXPECT_EQ(user.Text(IDC_DF), "1");
                EXPECT_EQ(user.Text(IDC_PROB), c.beforeRestore);
                user.Restore();
            })
            .Then([](User& user) { EXPECT_EQ(user.Text(IDC_PROB), "0.050000"); });
        RunAndClose(session, c.showCommand);
    }
}

TEST(WindowStart, EndsAtOnceWhenThePlatformFails) {
    struct Case {
        const char* name;
        void (Session::*fault)();
        const char* lastCall;
    };
    const Case cases[] = {
        {"class registration", &Session::FailClassRegistration, R"(RegisterClassExA("Kestrune"))"},
        {"window creation", &Session::FailWindowCreation,
         R"(CreateDialogParamA(instance, "Kestrune", null, null, 0))"},
        {"message queue", &Session::FailMessageQueue, "GetMessageA(null, 0, 0)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        (session.*c.fault)();
        EXPECT_NE(session.Run(WinMain, SW_SHOWNORMAL), 0);
        ASSERT_FALSE(session.Calls().empty());
        EXPECT_EQ(session.Calls().back().text, c.lastCall);
    }
}

TEST(WindowTyping, ResultFollowsEveryKeystroke) {
    struct Keys {
        int field;
        const char* keys;  // '\b' is Backspace
        const char* value;
        const char* df;
        const char* result;
    };
    const Keys steps[] = {
        {IDC_VALUE, "\b\b\b\b\b\b\b", "", "1", "*****"},  // a deleted field
        {IDC_VALUE, "2", "2", "1", "0.157299"},
        {IDC_VALUE, "0", "20", "1", "0.000008"},
        {IDC_DF, "\b", "20", "", "*****"},
        {IDC_DF, "3", "20", "3", "0.000170"},
        {IDC_DF, "\b5", "20", "5", "0.001250"},
        {IDC_DF, "0", "20", "50", "0.999953"},
        {IDC_VALUE, "\b", "2", "50", "1.000000"},
    };
    Session session;
    for (const Keys& step : steps) {
        session.Then([&](User& user) { user.Type(step.field, step.keys); });
        session.Then([&](User& user) {
            SCOPED_TRACE(std::string("after typing into field ") + std::to_string(step.field));
            EXPECT_EQ(user.Text(IDC_VALUE), step.value);
            EXPECT_EQ(user.Text(IDC_DF), step.df);
            EXPECT_EQ(user.Text(IDC_PROB), step.result);
        });
    }
    RunAndClose(session);
}

TEST(WindowTyping, ReplacedTextsShowTheirResult) {
    const std::string blanks79(79, ' ');
    struct Texts {
        std::string value;
        std::string df;
        const char* result;
    };
    const Texts rows[] = {
        {"1e1", "10", "0.440493"},
        {"2.5", "2.5", "0.381471"},
        {"3,84146", "1", "0.083265"},
        {"abc", "1", "*****"},
        {"3.84146", "0.99", "*****"},
        // The field is read through an 81-character buffer: 80 characters count.
        {blanks79 + "5", "2", "0.082085"},
        {blanks79 + " 5", "2", "*****"},
        {"5", blanks79 + " 2", "*****"},
        // The probability cannot be computed: the program says so and goes on.
        {"1000", "1000", "no result"},
        {"100002", "100000", "no result"},
        {"10", "10", "0.440493"},
    };
    Session session;
    for (const Texts& row : rows) {
        session.Then([&](User& user) {
            user.Replace(IDC_VALUE, row.value);
            user.Replace(IDC_DF, row.df);
        });
        session.Then([&](User& user) {
            EXPECT_EQ(user.Text(IDC_PROB), row.result)
                << "value \"" << row.value << "\", d.f. \"" << row.df << "\"";
        });
    }
    RunAndClose(session);
}

TEST(WindowRefresh, ReadsBothFieldsThroughOneBufferAndWritesTheResultEveryTime) {
    Session session;
    std::size_t from = 0;
    LRESULT returned = 0;
    LRESULT passedOn = 0;
    session.Then([&](User& user) {
        from = session.Calls().size();
        // What an edit field sends before it draws.
        returned = user.Send(WM_CTLCOLOREDIT, 0, 0);
        passedOn = DefWindowProcA(user.Window(), WM_CTLCOLOREDIT, 0, 0);
    });
    RunAndClose(session);

    const std::vector<std::string> expected = {
        "GetDlgItem(Kestrune, 1)",
        "GetWindowTextA(#1, 81)",
        "GetDlgItem(Kestrune, 2)",
        "GetWindowTextA(#2, 81)",
        "GetDlgItem(Kestrune, 3)",
        R"(SetWindowTextA(#3, "0.050000"))",
        "DefWindowProcA(Kestrune, WM_CTLCOLOREDIT)",
    };
    const std::vector<std::string> calls = session.CallTexts(from);
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + expected.size()), expected);
    EXPECT_EQ(returned, passedOn) << "the colours are the default ones";

    const auto& made = session.Calls();
    EXPECT_EQ(made[from + 1].buffer, made[from + 3].buffer);
    EXPECT_EQ(made[from + 1].buffer, made[from + 5].buffer);
}

TEST(WindowProcedure, HandlesItsFourMessagesAndPassesTheRestOn) {
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        bool passedOn;  // to DefWindowProcA
    };
    const Case cases[] = {
        {"WM_CREATE", WM_CREATE, 0, false},
        {"an edit field's change notice", WM_COMMAND, MAKEWPARAM(IDC_VALUE, EN_CHANGE), true},
        {"a command of no button", WM_COMMAND, 99, true},
        {"WM_GETTEXTLENGTH", WM_GETTEXTLENGTH, 0, true},
    };
    Session session;
    for (const Case& c : cases) {
        session.Then([&](User& user) {
            SCOPED_TRACE(c.name);
            const std::size_t from = session.Calls().size();
            const LRESULT result = user.Send(c.message, c.wParam, 0);
            const std::vector<std::string> calls = session.CallTexts(from);
            if (c.passedOn) {
                ASSERT_EQ(calls.size(), 1u);
                EXPECT_EQ(calls[0].rfind("DefWindowProcA(Kestrune, ", 0), 0u) << calls[0];
                const LRESULT passedOn = DefWindowProcA(user.Window(), c.message, c.wParam, 0);
                EXPECT_EQ(result, passedOn);
            } else {
                EXPECT_TRUE(calls.empty()) << calls.front();
                EXPECT_EQ(result, 0);
            }
        });
    }
    RunAndClose(session);
    EXPECT_TRUE(session.Boxes().empty());
}

TEST(WindowBoxes, HelpAndAboutShowTheirBoxAndChangeNoField) {
    struct Case {
        int button;
        const char* caption;
    };
    const Case cases[] = {{IDC_HELPBTN, "Kestrune Help"}, {IDC_ABOUTBTN, "About Kestrune"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        Session session;
        std::size_t opened = 0;
        session.Then([&](User& user) { user.Click(c.button); })
            .Then([&](User& user) {
                const winshim::MessageBoxRecord* box = user.OpenBox();
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->caption, c.caption);
                EXPECT_EQ(box->owner, user.Window());
                EXPECT_EQ(box->type, static_cast<UINT>(MB_OK));
                // The calculator takes no input while its box is open, but still repaints.
                opened = session.Calls().size();
                user.Type(IDC_VALUE, "9");
                user.Uncover();
            })
            .Then([&](User& user) {
                EXPECT_NE(user.OpenBox(), nullptr);
                const std::vector<std::string> calls = session.CallTexts(opened);
                EXPECT_NE(IndexOf(calls, R"(SetWindowTextA(#3, "0.050000"))"), calls.size())
                    << "no refresh while the box was open";
                user.AnswerBox();
            })
            .Then([](User& user) {
                EXPECT_EQ(user.OpenBox(), nullptr);
                EXPECT_EQ(user.Text(IDC_VALUE), "3.84146");
                EXPECT_EQ(user.Text(IDC_DF), "1");
                EXPECT_EQ(user.Text(IDC_PROB), "0.050000");
            });
        RunAndClose(session);

        ASSERT_EQ(session.Boxes().size(), 1u);
        const std::vector<std::string> calls = session.CallTexts();
        const std::size_t box = IndexOf(calls, "DefWindowProcA(Kestrune, WM_COMMAND)");
        EXPECT_GT(box, IndexOf(calls, "DefWindowProcA(Kestrune, WM_CTLCOLOREDIT)"));
        EXPECT_LT(IndexOf(calls, "DefWindowProcA(Kestrune, WM_COMMAND)"), calls.size());
    }
}

TEST(WindowBoxes, TextsAreTheProgramsOwn) {
    Session session;
    session.Then([](User& user) { user.Click(IDC_HELPBTN); })
        .Then([](User& user) { user.AnswerBox(); })
        .Then([](User& user) { user.Click(IDC_ABOUTBTN); })
        .Then([](User& user) { user.AnswerBox(); });
    RunAndClose(session);

    ASSERT_EQ(session.Boxes().size(), 2u);
    EXPECT_EQ(session.Boxes()[0].text, kHelpText);
    const std::string about = session.Boxes()[1].text;
    EXPECT_NE(about.find("Kestrune"), std::string::npos) << about;
    EXPECT_NE(about.find("the Kestrune developers"), std::string::npos) << about;
    EXPECT_GE(std::count(about.begin(), about.end(), '\n'), 2) << about;
}

TEST(WindowClose, TheCloseBoxEndsTheProgramWithExitCodeZero) {
    Session session;
    RunAndClose(session);
    const std::vector<std::string> calls = session.CallTexts();
    const std::vector<std::string> closing = {
        "DispatchMessageA(Kestrune, WM_SYSCOMMAND)",
        "DefWindowProcA(Kestrune, WM_SYSCOMMAND)",
        "DefWindowProcA(Kestrune, WM_CLOSE)",
        "PostQuitMessage(0)",
        "GetMessageA(null, 0, 0)",
    };
    std::vector<std::string> seen;
    for (const std::string& call : calls) {
        if (std::find(closing.begin(), closing.end(), call) != closing.end() &&
            call.rfind("GetMessageA", 0) != 0) {
            seen.push_back(call);
        }
    }
    seen.push_back(calls.back());
    EXPECT_EQ(seen, closing);
    EXPECT_EQ(IndexOf(calls, "DefWindowProcA(Kestrune, WM_DESTROY)"), calls.size())
        << "WM_DESTROY is the program's own";
}

}  // namespace

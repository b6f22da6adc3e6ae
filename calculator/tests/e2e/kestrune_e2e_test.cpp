// kestrune.exe on the real platform, driven from this process as a user's
// input reaches it. Every test ends with the close box and exit code 0, so a
// test also fails when the calculator died on the way.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "calculator_process.hpp"
#include "chisquare/chisquare.hpp"
#include "probability_text.hpp"
#include "resource.h"

namespace {

using e2e::CalculatorProcess;
using e2e::TextOf;

const char kHelpText[] =
    "Edit the value and degrees of freedom fields\n"
    "and the probability of a chi-square value as\n"
    "high or higher than the one entered is displayed";

class Calculator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(calculator.Started()) << "kestrune.exe did not start or show its window";
        ASSERT_EQ(calculator.WaitForResult("0.050000"), "0.050000") << "the first paint";
    }
    void TearDown() override {
        if (!calculator.Started()) return;
        calculator.PressCloseBox();
        EXPECT_EQ(calculator.WaitForExit(), 0u) << "exit code after the close box";
    }

    // Replaces both fields and waits for the result they give.
    std::string ResultFor(const std::string& value, const std::string& df,
                          const std::string& expected) {
        calculator.MarkResult();
        calculator.Replace(IDC_VALUE, value);
        calculator.Replace(IDC_DF, df);
        return calculator.WaitForResult(expected);
    }

    CalculatorProcess calculator;
};

TEST_F(Calculator, WindowAndControlsFollowTheTemplate) {
    const HWND window = calculator.Window();
    EXPECT_EQ(TextOf(window), "Kestrune");
    // The platform adds WS_CLIPSIBLINGS to every top-level window, and
    // DS_3DLOOK to every window made from a dialog template.
    EXPECT_EQ(e2e::StyleOf(window) & ~(WS_CLIPSIBLINGS | DS_3DLOOK), 0x00CA0000 | WS_VISIBLE);
    RECT frame = {};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);

    struct Control {
        const char* className;
        int id;
        const char* text;
        LONG style;
    };
    const Control expected[] = {
        {"Static", 0xFFFF, "value", 0x50000002},     {"Edit", IDC_VALUE, "3.84146", 0x50810000},
        {"Static", 0xFFFF, "d.f.", 0x50000002},      {"Edit", IDC_DF, "1", 0x50810000},
        {"Static", 0xFFFF, "prob", 0x50000002},      {"Static", IDC_PROB, "0.050000", 0x50000000},
        {"Button", IDC_HELPBTN, "Help", 0x50010300}, {"Button", IDC_ABOUTBTN, "About", 0x50010300},
    };
    const std::vector<HWND> children = e2e::ChildrenOf(window);
    ASSERT_EQ(children.size(), std::size(expected));
    for (std::size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1) + " \"" + expected[i].text + "\"");
        EXPECT_STRCASEEQ(e2e::ClassOf(children[i]).c_str(), expected[i].className);
        EXPECT_EQ(GetDlgCtrlID(children[i]), expected[i].id);
        EXPECT_EQ(TextOf(children[i]), expected[i].text);
        // An edit field trades WS_BORDER for the sunken WS_EX_CLIENTEDGE.
        const LONG style = e2e::StyleOf(children[i]);
        const bool borderMoved = (GetWindowLongA(children[i], GWL_EXSTYLE) & WS_EX_CLIENTEDGE) &&
                                 (expected[i].style & WS_BORDER);
        EXPECT_EQ(borderMoved ? style | WS_BORDER : style, expected[i].style);
    }
}

TEST_F(Calculator, FieldTextsShowTheirResults) {
    const std::string blanks80(80, ' ');
    struct Row {
        std::string value;
        std::string df;
        const char* result;
    };
    const Row rows[] = {
        {"3.84146", "1", "0.050000"},
        {"1", "1", "0.317311"},
        {"10", "10", "0.440493"},
        {"1e1", "10", "0.440493"},
        {"2.5", "2.5", "0.381471"},
        {"0.0001", "1", "0.992021"},
        {"20", "3", "0.000170"},
        {"50", "1", "0.000000"},
        {"1", "50", "1.000000"},
        {"5abc", "2", "0.082085"},
        {"  5", "2", "0.082085"},
        {"3,84146", "1", "0.083265"},
        {"1e-300", "1", "1.000000"},
        {"1e-400", "1", "*****"},
        {"0", "1", "*****"},
        {"-1", "1", "*****"},
        {"", "1", "*****"},
        {"abc", "1", "*****"},
        {"3.84146", "0.99", "*****"},
        {"3.84146", "0", "*****"},
        {"3.84146", "", "*****"},
        {"1000", "1000", "no result"},
        {"100002", "100000", "no result"},
        {blanks80 + "5", "2", "*****"},
        {"5", blanks80 + "2", "*****"},
        {"5", "2", "0.082085"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ResultFor(row.value, row.df, row.result), row.result)
            << "value \"" << row.value << "\", d.f. \"" << row.df << "\"";
    }
}

// The result text that the rule gives for two field texts on this platform.
std::string RuleResult(const std::string& value, const std::string& df) {
    FieldText result = {};
    try {
        ProbabilityText(value.c_str(), df.c_str(), result);
    } catch (const ChiSquare::XMsg&) {
        return "no result";
    }
    return result;
}

TEST_F(Calculator, ManyFieldTextsShowWhatTheRuleGives) {
    const char* const values[] = {
        "0.5",   "1",   "3.84146", "7.5",   "1e1", "  12", ".25",  "9x",
        "-2",    "0",   "1e-300",  "1e400", "975", "1001", "1500", "1e5",
        "3e154", "nan", "inf",     "0x10",  "+4",  "4e",   "5.",   "1,5",
    };
    const char* const dfs[] = {"1", "2",   "2.5",  "7",     "10", "50",    "0.99",
                               "",  "abc", "1000", "1e400", " 3", "100000"};
    for (const char* value : values) {
        for (const char* df : dfs) {
            const std::string expected = RuleResult(value, df);
            EXPECT_EQ(ResultFor(value, df, expected), expected)
                << "value \"" << value << "\", d.f. \"" << df << "\"";
        }
    }
}

TEST_F(Calculator, EachKeystrokeChangesTheResultAtOnce) {
    struct Keys {
        int field;
        const char* keys;  // '\b' is Backspace
        const char* value;
        const char* df;
        const char* result;
    };
    const Keys steps[] = {
        {IDC_VALUE, "\b\b\b\b\b\b\b", "", "1", "*****"},
        {IDC_VALUE, "2", "2", "1", "0.157299"},
        {IDC_VALUE, "0", "20", "1", "0.000008"},
        {IDC_DF, "\b", "20", "", "*****"},
        {IDC_DF, "3", "20", "3", "0.000170"},
        {IDC_DF, "\b", "20", "", "*****"},
        {IDC_DF, "5", "20", "5", "0.001250"},
        {IDC_DF, "0", "20", "50", "0.999953"},
        {IDC_VALUE, "\b", "2", "50", "1.000000"},
        {IDC_VALUE, ".", "2.", "50", "1.000000"},
        {IDC_VALUE, "5", "2.5", "50", "1.000000"},
        {IDC_DF, "\b\b", "2.5", "", "*****"},
        {IDC_DF, "2", "2.5", "2", "0.286505"},
        {IDC_DF, ".", "2.5", "2.", "0.286505"},
        {IDC_DF, "5", "2.5", "2.5", "0.381471"},
        {IDC_VALUE, "e", "2.5e", "2.5", "0.381471"},
        {IDC_VALUE, "1", "2.5e1", "2.5", "0.000008"},
    };
    for (const Keys& step : steps) {
        SCOPED_TRACE(std::string("keys \"") + step.keys + "\" in field " +
                     std::to_string(step.field));
        calculator.MarkResult();
        calculator.Type(step.field, step.keys);
        EXPECT_EQ(calculator.WaitForResult(step.result), step.result);
        EXPECT_EQ(calculator.Text(IDC_VALUE), step.value);
        EXPECT_EQ(calculator.Text(IDC_DF), step.df);
    }
}

TEST_F(Calculator, TypingOverASelectedTextReplacesIt) {
    calculator.MarkResult();
    calculator.SelectAllAndType(IDC_VALUE, "10");
    calculator.SelectAllAndType(IDC_DF, "10");
    EXPECT_EQ(calculator.WaitForResult("0.440493"), "0.440493");
    calculator.MarkResult();
    calculator.SelectAllAndType(IDC_DF, "\b");
    EXPECT_EQ(calculator.WaitForResult("*****"), "*****");
    EXPECT_EQ(calculator.Text(IDC_DF), "");
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

TEST_F(Calculator, TabEnterAndEscGetNoDialogHandling) {
    const HWND focus = FocusOf(calculator.ThreadId());
    for (UINT key : {VK_TAB, VK_RETURN, VK_ESCAPE}) {
        calculator.PressVirtualKey(IDC_VALUE, key);
        calculator.PressVirtualKey(IDC_DF, key);
    }
    // The keys were handled by the time the refresh for a later one shows.
    calculator.MarkResult();
    calculator.Type(IDC_VALUE, "0");
    EXPECT_EQ(calculator.WaitForResult("0.050000"), "0.050000");
    EXPECT_EQ(calculator.Text(IDC_VALUE), "3.841460");
    EXPECT_EQ(calculator.Text(IDC_DF), "1");
    EXPECT_EQ(calculator.FindMessageBox(), nullptr) << "a key pressed a button";
    EXPECT_EQ(FocusOf(calculator.ThreadId()), focus) << "a key moved the focus";
}

// Without a maximize box or sizing border (see the style test) the user can
// only minimize and restore the window.
TEST_F(Calculator, MinimizesAndRepaintsWhenRestored) {
    const HWND window = calculator.Window();
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsIconic(window) != 0; })) << "not minimized";
    calculator.MarkResult();
    PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(calculator.WaitForResult("0.050000"), "0.050000") << "no refresh on restoring";
    EXPECT_FALSE(IsIconic(window));
}

TEST_F(Calculator, HelpAndAboutShowTheirBoxesAndChangeNoField) {
    struct Case {
        int button;
        const char* caption;
        const char* textPart;
    };
    const Case cases[] = {
        {IDC_HELPBTN, "Kestrune Help", kHelpText},
        {IDC_ABOUTBTN, "About Kestrune", "the Kestrune developers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        calculator.Click(c.button);
        HWND box = nullptr;
        ASSERT_TRUE(e2e::WaitUntil([&] { return (box = calculator.FindMessageBox()) != nullptr; }))
            << "no message box appeared";
        EXPECT_EQ(TextOf(box), c.caption);

        std::vector<std::string> texts;
        std::vector<HWND> buttons;
        for (HWND child : e2e::ChildrenOf(box)) {
            const std::string className = e2e::ClassOf(child);
            if (lstrcmpiA(className.c_str(), "Static") == 0 && IsWindowVisible(child)) {
                texts.push_back(TextOf(child));
            }
            if (lstrcmpiA(className.c_str(), "Button") == 0 && IsWindowVisible(child)) {
                buttons.push_back(child);
            }
        }
        bool found = false;
        for (const std::string& text : texts) found |= text.find(c.textPart) != std::string::npos;
        EXPECT_TRUE(found) << "the box's texts do not contain \"" << c.textPart << "\"";
        ASSERT_EQ(buttons.size(), 1u) << "MB_OK: one button";
        EXPECT_EQ(GetDlgCtrlID(buttons[0]), IDOK);
        EXPECT_FALSE(IsWindowEnabled(calculator.Window())) << "the box is modal to the calculator";

        PostMessageA(buttons[0], BM_CLICK, 0, 0);
        EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindow(box); })) << "the box did not close";
        EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(calculator.Window()) != 0; }));
        EXPECT_EQ(calculator.Text(IDC_VALUE), "3.84146");
        EXPECT_EQ(calculator.Text(IDC_DF), "1");
        EXPECT_EQ(calculator.Text(IDC_PROB), "0.050000");
    }
}

}  // namespace

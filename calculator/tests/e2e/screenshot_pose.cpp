// Starts kestrune.exe, enters a value and its degrees of freedom, and holds
// the calculator still while a screenshot is taken: it creates the file
// "posed" in the directory given, then waits (a minute at most) for the file
// "taken" there before it closes the calculator. Exits with the calculator's
// exit code, or 2 when the pose failed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "calculator_process.hpp"
#include "resource.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrune_pose DIRECTORY\n");
        return 2;
    }
    const std::string directory = std::string(argv[1]) + "\\";
    e2e::CalculatorProcess calculator;
    if (!calculator.Started()) return 2;
    calculator.MarkResult();
    calculator.SelectAllAndType(IDC_VALUE, "7.5");
    calculator.SelectAllAndType(IDC_DF, "3");
    if (calculator.WaitForResult("0.057558") != "0.057558") return 2;

    std::FILE* posed = std::fopen((directory + "posed").c_str(), "w");
    if (!posed) return 2;
    std::fclose(posed);
    const std::string taken = directory + "taken";
    e2e::WaitUntil([&] { return GetFileAttributesA(taken.c_str()) != INVALID_FILE_ATTRIBUTES; },
                   60000);
    calculator.PressCloseBox();
    return static_cast<int>(calculator.WaitForExit());
}

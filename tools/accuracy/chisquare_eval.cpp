// Evaluates ChiSquare routines for the accuracy report.
//
// Reads one call per line from standard input, a routine name and its
// arguments separated by blanks ("prob_chi2 1000 1000"), and writes one line
// per call: the results as hexadecimal floats, exact to the last bit, or
// "raise: " and the error message. Unknown routines and malformed lines give
// "bad: " and the line, so the caller's line count stays in step.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "chisquare/chisquare.hpp"

namespace {

using Args = std::vector<double>;

void Append(std::string& out, double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%a", v);
    if (!out.empty()) out += ' ';
    out += text;
}

void AppendFault(std::string& out, int fault) {
    out += " fault=" + std::to_string(fault);
}

struct Routine {
    const char* name;
    std::size_t arity;
    void (*evaluate)(const Args& args, std::string& out);  // appends the results
};

const Routine kRoutines[] = {
    {"LNGAMMA", 1, [](const Args& a, std::string& out) { Append(out, ChiSquare::LNGAMMA(a[0])); }},
    {"GAMMP", 2,
     [](const Args& a, std::string& out) { Append(out, ChiSquare::GAMMP(a[0], a[1])); }},
    {"GAMMQ", 2,
     [](const Args& a, std::string& out) { Append(out, ChiSquare::GAMMQ(a[0], a[1])); }},
    {"prob_chi2", 2,
     [](const Args& a, std::string& out) { Append(out, ChiSquare::prob_chi2(a[0], a[1])); }},
    {"point_normal", 1,
     [](const Args& a, std::string& out) { Append(out, ChiSquare::point_normal(a[0])); }},
    {"point_chi2", 2,
     [](const Args& a, std::string& out) { Append(out, ChiSquare::point_chi2(a[0], a[1])); }},
    // alpha, K (at most 1000), median: the K rates.
    {"discrete_gamma", 3,
     [](const Args& a, std::string& out) {
         const int k = static_cast<int>(a[1]);
         if (k < 1 || k > 1000) return;
         std::vector<double> rates(k), freqs(k), cumfreqs(k);
         ChiSquare::discrete_gamma(a[0], k, rates.data(), freqs.data(), cumfreqs.data(),
                                   static_cast<int>(a[2]));
         for (const double r : rates) Append(out, r);
     }},
    {"BetaInc", 3,
     [](const Args& a, std::string& out) { Append(out, ChiSquare::BetaInc(a[0], a[1], a[2])); }},
    {"BetaRatio", 4,
     [](const Args& a, std::string& out) {
         int fault = -1;
         Append(out, ChiSquare::BetaRatio(a[0], a[1], a[2], a[3], fault));
         AppendFault(out, fault);
     }},
    {"BetaRatioInverse", 4,
     [](const Args& a, std::string& out) {
         int fault = -1;
         Append(out, ChiSquare::BetaRatioInverse(a[0], a[1], a[2], a[3], fault));
         AppendFault(out, fault);
     }},
};

std::string Evaluate(const std::string& line) {
    std::istringstream in(line);
    std::string name;
    in >> name;
    Args args;
    std::string word;
    while (in >> word) args.push_back(std::strtod(word.c_str(), nullptr));
    for (const Routine& r : kRoutines) {
        if (name != r.name) continue;
        if (args.size() != r.arity) break;
        std::string out;
        try {
            r.evaluate(args, out);
        } catch (const ChiSquare::XMsg& e) {
            return std::string("raise: ") + e.message;
        }
        return out;
    }
    return "bad: " + line;
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) std::cout << Evaluate(line) << '\n';
    return 0;
}

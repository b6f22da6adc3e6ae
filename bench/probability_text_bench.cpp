// The result-text rule: two conversions, the tests, one tail probability and
// the formatting, as one refresh of the calculator does.
#include <benchmark/benchmark.h>

#include "grids.hpp"
#include "probability_text.hpp"

namespace {

struct TextPair {
    const char* value;
    const char* df;
};

// Typical field texts, with a few invalid ones as they occur while typing.
const TextPair kTexts[] = {
    {"3.84146", "1"}, {"1", "1"},       {"10", "10"},     {"2.5", "2.5"},
    {"0.0001", "1"},  {"20", "3"},      {"50", "1"},      {"1", "50"},
    {"150", "120"},   {"3.8", "1"},     {"", "1"},        {"3.", "1"},
    {"abc", "1"},     {"3.84146", "0"}, {"6.63490", "1"}, {"1e1", "10"},
};

void BM_ProbabilityText(benchmark::State& state) {
    FieldText result;
    for (auto _ : state) {
        for (const TextPair& t : kTexts) {
            ProbabilityText(t.value, t.df, result);
            benchmark::DoNotOptimize(result);
        }
    }
    CountCalls(state, sizeof kTexts / sizeof kTexts[0]);
}
BENCHMARK(BM_ProbabilityText);

}  // namespace

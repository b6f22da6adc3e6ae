// The fixed argument grids of the benchmarks. Each of our routines and its
// Boost.Math counterpart run over the same grid, chosen inside the domain
// where both return a value: our series and continued fractions raise from
// about 780 degrees of freedom near the mean, so the grids stay below.
#ifndef KESTRUNE_BENCH_GRIDS_HPP
#define KESTRUNE_BENCH_GRIDS_HPP

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

struct ChiSquarePoint {
    double value, df;
};

// Degrees of freedom from 1 to 500 and values from far below to far above
// each: both the series and the continued fraction are exercised.
inline std::vector<ChiSquarePoint> ChiSquareGrid() {
    std::vector<ChiSquarePoint> grid;
    for (const double df : {1.0, 2.0, 3.0, 5.0, 10.0, 20.0, 50.0, 100.0, 500.0}) {
        for (const double ratio : {0.01, 0.1, 0.5, 0.8, 1.0, 1.2, 2.0, 5.0})
            grid.push_back({df * ratio, df});
    }
    return grid;
}

struct QuantilePoint {
    double prob, df;
};

inline std::vector<QuantilePoint> QuantileGrid() {
    std::vector<QuantilePoint> grid;
    for (const double df : {0.5, 1.0, 2.0, 5.0, 10.0, 30.0, 100.0}) {
        for (const double prob : {0.001, 0.01, 0.05, 0.25, 0.5, 0.75, 0.95, 0.99, 0.999})
            grid.push_back({prob, df});
    }
    return grid;
}

struct BetaPoint {
    double x, a, b;
};

inline std::vector<BetaPoint> BetaGrid() {
    std::vector<BetaPoint> grid;
    for (const double a : {0.5, 2.0, 10.0, 50.0}) {
        for (const double b : {0.5, 3.0, 20.0}) {
            for (const double x : {0.05, 0.2, 0.4, 0.5, 0.6, 0.8, 0.95}) grid.push_back({x, a, b});
        }
    }
    return grid;
}

// Reports the time per call of one routine: each benchmark iteration runs
// over the whole grid.
inline void CountCalls(benchmark::State& state, std::size_t callsPerIteration) {
    state.counters["per_call"] = benchmark::Counter(
        static_cast<double>(callsPerIteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

#endif  // KESTRUNE_BENCH_GRIDS_HPP

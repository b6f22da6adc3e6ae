// The incomplete beta function and its inverse against Boost.Math.
#include <benchmark/benchmark.h>

#include <boost/math/special_functions/beta.hpp>
#include <vector>

#include "chisquare/chisquare.hpp"
#include "grids.hpp"

namespace {

void BM_BetaInc(benchmark::State& state) {
    const auto grid = BetaGrid();
    for (auto _ : state) {
        for (const BetaPoint& p : grid) benchmark::DoNotOptimize(ChiSquare::BetaInc(p.x, p.a, p.b));
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_BetaInc);

void BM_boost_ibeta(benchmark::State& state) {
    const auto grid = BetaGrid();
    for (auto _ : state) {
        for (const BetaPoint& p : grid) benchmark::DoNotOptimize(boost::math::ibeta(p.a, p.b, p.x));
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_boost_ibeta);

struct InversePoint {
    double p, q, logBeta, alpha;
};

// ln B(p, q) is the caller's part of BetaRatioInverse, so it is computed
// here, outside the timed loop.
std::vector<InversePoint> InverseGrid() {
    std::vector<InversePoint> grid;
    for (const double p : {0.5, 2.0, 10.0}) {
        for (const double q : {0.5, 2.0, 10.0}) {
            const double logBeta =
                ChiSquare::LNGAMMA(p) + ChiSquare::LNGAMMA(q) - ChiSquare::LNGAMMA(p + q);
            for (const double alpha : {0.05, 0.25, 0.5, 0.75, 0.95})
                grid.push_back({p, q, logBeta, alpha});
        }
    }
    return grid;
}

void BM_BetaRatioInverse(benchmark::State& state) {
    const auto grid = InverseGrid();
    int fault = 0;
    for (auto _ : state) {
        for (const InversePoint& g : grid) {
            benchmark::DoNotOptimize(
                ChiSquare::BetaRatioInverse(g.p, g.q, g.logBeta, g.alpha, fault));
        }
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_BetaRatioInverse);

void BM_boost_ibeta_inv(benchmark::State& state) {
    const auto grid = InverseGrid();
    for (auto _ : state) {
        for (const InversePoint& g : grid)
            benchmark::DoNotOptimize(boost::math::ibeta_inv(g.p, g.q, g.alpha));
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_boost_ibeta_inv);

}  // namespace

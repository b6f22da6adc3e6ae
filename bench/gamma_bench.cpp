// The chi-square tail probability and percentage point against Boost.Math.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include "chisquare/chisquare.hpp"
#include "grids.hpp"

namespace {

void BM_prob_chi2(benchmark::State& state) {
    const auto grid = ChiSquareGrid();
    for (auto _ : state) {
        for (const ChiSquarePoint& p : grid)
            benchmark::DoNotOptimize(ChiSquare::prob_chi2(p.value, p.df));
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_prob_chi2);

void BM_boost_gamma_q(benchmark::State& state) {
    const auto grid = ChiSquareGrid();
    for (auto _ : state) {
        for (const ChiSquarePoint& p : grid)
            benchmark::DoNotOptimize(boost::math::gamma_q(p.df * 0.5, p.value * 0.5));
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_boost_gamma_q);

}  // namespace

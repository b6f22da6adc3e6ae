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

void BM_point_chi2(benchmark::State& state) {
    const auto grid = QuantileGrid();
    for (auto _ : state) {
        for (const QuantilePoint& p : grid)
            benchmark::DoNotOptimize(ChiSquare::point_chi2(p.prob, p.df));
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_point_chi2);

void BM_boost_chi_squared_quantile(benchmark::State& state) {
    const auto grid = QuantileGrid();
    for (auto _ : state) {
        for (const QuantilePoint& p : grid) {
            const boost::math::chi_squared_distribution<double> dist(p.df);
            benchmark::DoNotOptimize(boost::math::quantile(dist, p.prob));
        }
    }
    CountCalls(state, grid.size());
}
BENCHMARK(BM_boost_chi_squared_quantile);

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "chisquare/chisquare.hpp"
#include "pinned.hpp"
#include "test_support.hpp"

using namespace ChiSquare;

namespace {

const double kUnwritten = -12345.0;

// The three output arrays of one call, filled beforehand with a marker so
// that a test can see what was written.
struct Categories {
    explicit Categories(int size)
        : rates(size, kUnwritten), freqs(size, kUnwritten), cumfreqs(size, kUnwritten) {}
    void Compute(double alpha, int K, int median) {
        discrete_gamma(alpha, K, rates.data(), freqs.data(), cumfreqs.data(), median);
    }
    bool Untouched() const {
        for (const std::vector<double>* v : {&rates, &freqs, &cumfreqs})
            for (const double d : *v)
                if (d != kUnwritten) return false;
        return true;
    }
    std::vector<double> rates, freqs, cumfreqs;
};

const char* ModeName(int median) {
    return median ? "median" : "mean";
}

// Quantiles and partial means are accurate to some 5e-7 relatively, so the
// rates to about 1e-6 of the largest.
TEST(DiscreteGamma, AgreesWithHighPrecisionValues) {
    const struct {
        double alpha;
        int median;
        std::vector<double> rates;
    } cases[] = {
        {0.5, 0, {0.0333877533836, 0.251915917593, 0.820268481974, 2.89442784705}},
        {0.5, 1, {0.0290777547619, 0.28071453714, 0.924773065114, 2.76543464298}},
        {1, 0, {0.136953782645, 0.476751856235, 1.0, 2.38629436112}},
        {1, 1, {0.145784355733, 0.513131593515, 1.07083104522, 2.27025300553}},
        {0.2,
         0,
         {1.65953061735e-5, 0.00104580246384, 0.011062175849, 0.056488787275, 0.198373436119,
          0.568942563655, 1.5193966763, 5.64467396304}},
        {0.2,
         1,
         {3.72305940365e-6, 0.000904816994382, 0.0116534487828, 0.0631249479402, 0.226849270438,
          0.655721983215, 1.73876773825, 5.30297407132}},
        {5, 0, {0.556016778881, 0.938179230523, 1.5058039906}},
        {5, 1, {0.592628717205, 0.957697588084, 1.44967369471}},
    };
    for (const auto& c : cases) {
        const int K = static_cast<int>(c.rates.size());
        Categories got(K);
        got.Compute(c.alpha, K, c.median);
        for (int i = 0; i < K; ++i) {
            EXPECT_NEAR(got.rates[i], c.rates[i], 1e-5 * c.rates.back())
                << "alpha " << c.alpha << ", K " << K << ", " << ModeName(c.median) << ", category "
                << i;
        }
    }
}

TEST(DiscreteGamma, RatesAddUpToK) {
    for (const double alpha : {0.01, 0.3, 1.0, 2.5, 40.0}) {
        for (const int K : {1, 2, 5, 16, 100}) {
            for (const int median : {0, 1}) {
                Categories got(K);
                got.Compute(alpha, K, median);
                const double sum = std::accumulate(got.rates.begin(), got.rates.end(), 0.0);
                EXPECT_NEAR(sum, K, 1e-6 * K)
                    << "alpha " << alpha << ", K " << K << ", " << ModeName(median);
            }
        }
    }
}

// cumfreqs is the running sum of the doubles 1/K, not i/K: ten times 0.1
// adds up to just below 1.
TEST(DiscreteGamma, FrequenciesAndTheirRunningSums) {
    for (const int median : {0, 1}) {
        Categories got(10);
        got.Compute(0.5, 10, median);
        double running = 0.0;
        for (int i = 0; i < 10; ++i) {
            running += 0.1;
            EXPECT_EQ(got.freqs[i], 0.1) << ModeName(median) << ", category " << i;
            EXPECT_EQ(got.cumfreqs[i], running) << ModeName(median) << ", category " << i;
        }
        EXPECT_NE(got.cumfreqs[9], 1.0);
    }
}

TEST(DiscreteGamma, SingleCategoryHasRateOne) {
    Categories mean(1);
    mean.Compute(0.7, 1, 0);
    EXPECT_EQ(mean.rates[0], 1.0);
    Categories median(1);
    median.Compute(0.7, 1, 1);
    EXPECT_NEAR(median.rates[0], 1.0, 1e-15);
    for (const Categories* c : {&mean, &median}) {
        EXPECT_EQ(c->freqs[0], 1.0);
        EXPECT_EQ(c->cumfreqs[0], 1.0);
    }
}

// Quantiles shrink like p^(1/alpha): for small alpha the medians underflow,
// the lower ones first, and the highest category carries the whole weight.
// Rescaling by K over their sum would then give ∞·0 (sum subnormal) or
// K/0 (every median 0) and NaN rates.
TEST(DiscreteGamma, UnderflowingMediansGiveTheirLimit) {
    for (const double alpha : {1.85e-4, 1e-5, 1e-300}) {
        for (const int median : {0, 1}) {
            Categories got(4);
            got.Compute(alpha, 4, median);
            const std::vector<double> want = {0.0, 0.0, 0.0, 4.0};
            EXPECT_EQ(got.rates, want) << "alpha " << alpha << ", " << ModeName(median);
        }
    }
}

// The quantiles of the first and last categories stay within the
// probabilities that point_chi2 accepts up to these numbers of categories.
TEST(DiscreteGamma, LargestNumbersOfCategories) {
    const struct { int K, median; } cases[] = {{250000, 1}, {500000, 0}};
    for (const auto& c : cases) {
        Categories got(c.K);
        got.Compute(1.0, c.K, c.median);
        EXPECT_GT(got.rates.front(), 0.0) << ModeName(c.median);
        EXPECT_NEAR(std::accumulate(got.rates.begin(), got.rates.end(), 0.0), c.K, 1e-6 * c.K)
            << ModeName(c.median);
    }
}

TEST(DiscreteGamma, UnusableArgumentsRaiseBeforeWriting) {
    const std::string alphaOut = "Error in routine discrete_gamma: alpha out of range";
    const std::string kLow = "Error in routine discrete_gamma: K less than 1";
    const std::string kHigh = "Error in routine discrete_gamma: K too large";
    const struct {
        double alpha;
        int K, median;
        const std::string& message;
    } cases[] = {
        {0.0, 4, 0, alphaOut},  {-1.0, 4, 1, alphaOut},  {kNaN, 4, 0, alphaOut},
        {kInf, 4, 1, alphaOut}, {1e308, 4, 0, alphaOut}, {0.5, 0, 0, kLow},
        {0.5, -3, 1, kLow},     {0.5, 250001, 1, kHigh}, {0.5, 500001, 0, kHigh},
        {kNaN, 0, 0, alphaOut},  // alpha is tested first
    };
    for (const auto& c : cases) {
        Categories got(4);
        EXPECT_EQ(RaisedMessage([&] { got.Compute(c.alpha, c.K, c.median); }), c.message)
            << "alpha " << c.alpha << ", K " << c.K << ", " << ModeName(c.median);
        EXPECT_TRUE(got.Untouched()) << "alpha " << c.alpha << ", K " << c.K;
    }
}

// An error deep inside reaches the caller; the categories before it keep
// their rates, and the frequencies are not yet written.
TEST(DiscreteGamma, ErrorsOfTheRoutinesBeneathPass) {
    for (const int median : {0, 1}) {
        Categories got(4);
        EXPECT_EQ(RaisedMessage([&] { got.Compute(1000, 4, median); }),
                  "Error in routine GSER:  a too large, ITMAX too small")
            << ModeName(median);
        EXPECT_EQ(got.freqs[0], kUnwritten) << ModeName(median);
    }
}

TEST(DiscreteGamma, PinnedOutputs) {
    const struct {
        int median;
        double rates[4];
    } cases[] = {
        {0, {0.033387753479139359, 0.25191591900511323, 0.82026852890730284, 2.8944277986084446}},
        {1, {0.029077752998859265, 0.28071452068056157, 0.92477301654165101, 2.7654347097789285}},
    };
    for (const auto& c : cases) {
        Categories got(4);
        got.Compute(0.5, 4, c.median);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(Pinned(got.rates[i], c.rates[i]))
                << ModeName(c.median) << ", category " << i;
    }
}

}  // namespace

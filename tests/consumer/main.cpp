// Links the module the way another program would and checks one result.
#include <chisquare/chisquare.hpp>

#include <cmath>
#include <cstdio>

int main() {
    const double p = ChiSquare::prob_chi2(3.84146, 1);
    std::printf("prob_chi2(3.84146, 1) = %.6f\n", p);
    try {
        ChiSquare::prob_chi2(1000, 1000);
    } catch (const ChiSquare::XMsg& e) {
        std::printf("%s\n", e.message);
        return std::fabs(p - 0.05) < 1e-7 ? 0 : 1;
    }
    return 1;
}

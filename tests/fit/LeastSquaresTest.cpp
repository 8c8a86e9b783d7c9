// The least-squares engine: exact cases, the fixed constant, R² and the inputs it must refuse.
#include "fit/LeastSquares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Fit {
    bool ok = false;
    std::vector<double> c;
    double r2 = 12345; // untouched marker
};

Fit fitFree(const std::vector<double> &x, const std::vector<double> &y, int m) {
    Fit f;
    f.c.assign(m + 1, 0.0);
    f.ok = fitPolynomialFree(static_cast<int>(x.size()), m, x.data(), y.data(), f.c.data(), f.r2);
    return f;
}

Fit fitFixed(const std::vector<double> &x, const std::vector<double> &y, int m, double c) {
    Fit f;
    f.c.assign(m + 1, 0.0);
    f.ok = fitPolynomialFixedConstant(static_cast<int>(x.size()), m, x.data(), y.data(), c, f.c.data(), f.r2);
    return f;
}

} // namespace

TEST(LeastSquares, OrderZeroIsTheMean) {
    Fit f = fitFree({1, 2, 3, 4}, {2, 4, 5, 9}, 0);
    ASSERT_TRUE(f.ok);
    EXPECT_DOUBLE_EQ(f.c[0], 5.0);
    EXPECT_DOUBLE_EQ(f.r2, 0.0);
}

TEST(LeastSquares, OrderPlusOnePointsAreInterpolated) {
    const std::vector<double> x = {-1, 0.5, 2, 3}, y = {4, -1, 7, 2};
    Fit f = fitFree(x, y, 3);
    ASSERT_TRUE(f.ok);
    for (size_t j = 0; j < x.size(); ++j) {
        const double fitted = f.c[0] + f.c[1] * x[j] + f.c[2] * x[j] * x[j] + f.c[3] * x[j] * x[j] * x[j];
        EXPECT_NEAR(fitted, y[j], 1e-9);
    }
    EXPECT_NEAR(f.r2, 1.0, 1e-12);
}

TEST(LeastSquares, RecoversAQuadraticFromNoisyFreeData) {
    std::vector<double> x, y;
    for (int j = 0; j <= 10; ++j) {
        x.push_back(j * 0.1);
        y.push_back(1 - 2 * x.back() + 3 * x.back() * x.back() + (j % 2 ? 0.01 : -0.01));
    }
    Fit f = fitFree(x, y, 2);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.c[0], 1, 0.02);
    EXPECT_NEAR(f.c[1], -2, 0.05);
    EXPECT_NEAR(f.c[2], 3, 0.05);
    EXPECT_GT(f.r2, 0.99);
    EXPECT_LT(f.r2, 1.0);
}

TEST(LeastSquares, AllYEqualFitsTheConstantWithRSquaredMinusOne) {
    Fit f = fitFree({0.1, 0.2, 0.4, 0.7, 0.9}, {3, 3, 3, 3, 3}, 2);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.c[0], 3, 1e-12);
    EXPECT_NEAR(f.c[1], 0, 1e-10);
    EXPECT_NEAR(f.c[2], 0, 1e-10);
    EXPECT_EQ(f.r2, -1);
}

TEST(LeastSquares, FixedConstantIsExactAndTheRestMinimiseTheResidual) {
    const std::vector<double> x = {0.5, 1, 1.5, 2, 3};
    std::vector<double> y;
    for (double v : x)
        y.push_back(0.3 + 2 * v - 0.5 * v * v);
    Fit exact = fitFixed(x, y, 2, 0.3);
    ASSERT_TRUE(exact.ok);
    EXPECT_EQ(exact.c[0], 0.3);
    EXPECT_NEAR(exact.c[1], 2, 1e-10);
    EXPECT_NEAR(exact.c[2], -0.5, 1e-10);
    EXPECT_NEAR(exact.r2, 1, 1e-12);

    // Order 1 through a constant c that is not the best one: C1 = sum x(y - c) / sum x^2.
    const double c = 1.0;
    Fit held = fitFixed(x, y, 1, c);
    ASSERT_TRUE(held.ok);
    double sxy = 0, sxx = 0;
    for (size_t j = 0; j < x.size(); ++j) {
        sxy += x[j] * (y[j] - c);
        sxx += x[j] * x[j];
    }
    EXPECT_EQ(held.c[0], c);
    EXPECT_NEAR(held.c[1], sxy / sxx, 1e-12);
}

TEST(LeastSquares, FixedConstantOfOrderZeroIsTheConstant) {
    Fit f = fitFixed({1, 2}, {5, 7}, 0, 2.5);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.c[0], 2.5);
    EXPECT_DOUBLE_EQ(f.r2, 1 - (2.5 * 2.5 + 4.5 * 4.5) / 2);
}

TEST(LeastSquares, UndeterminedOrNonFiniteFitsFailAndLeaveRSquared) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char *what;
        std::vector<double> x, y;
        int m;
        bool fixed;
    } cases[] = {
        {"all x equal", {0.3, 0.3, 0.3, 0.3}, {1, 2, 3, 4}, 1, false},
        {"all x equal at 1", {1, 1, 1}, {1, 2, 3}, 2, false},
        {"fewer distinct x than terms", {0.1, 0.2, 0.2, 0.1, 0.3}, {1, 2, 3, 4, 5}, 3, false},
        {"fixed constant, one non-zero x for two terms", {0, 0.4, 0.4, 0}, {1, 2, 3, 4}, 2, true},
        {"x from 1e-300 to 1e300", {1e-300, 1, 1e300}, {1, 2, 3}, 1, false},
        {"NaN x", {0.1, nan, 0.3}, {1, 2, 3}, 1, false},
        {"infinite y", {0.1, 0.2, 0.3}, {1, inf, 3}, 1, false},
        {"NaN y with fixed constant", {0.1, 0.2, 0.3}, {1, nan, 3}, 1, true},
        {"negative order", {0.1, 0.2}, {1, 2}, -1, false},
        {"no points", {}, {}, 1, false},
        {"order above the limit", {0.1, 0.2}, {1, 2}, maxEngineOrder + 1, false},
    };
    for (const Case &c : cases) {
        std::vector<double> coefficients(std::max(c.m, 0) + 1);
        double r2 = 12345;
        const int n = static_cast<int>(c.x.size());
        const bool ok =
            c.fixed ? fitPolynomialFixedConstant(n, c.m, c.x.data(), c.y.data(), 0.5, coefficients.data(), r2)
                    : fitPolynomialFree(n, c.m, c.x.data(), c.y.data(), coefficients.data(), r2);
        EXPECT_FALSE(ok) << c.what;
        EXPECT_EQ(r2, 12345) << c.what;
    }
}

TEST(LeastSquares, HighOrdersOnTheirMinimumPointsStayFiniteAndHonest) {
    for (int m = 1; m <= 15; ++m) {
        std::vector<double> x, y;
        for (int j = 0; j <= m; ++j) {
            x.push_back(j * 0.1);
            y.push_back(std::sin(j));
        }
        Fit f = fitFree(x, y, m);
        ASSERT_TRUE(f.ok) << m;
        for (double c : f.c)
            EXPECT_TRUE(std::isfinite(c)) << m;
        EXPECT_TRUE(std::isfinite(f.r2));
        EXPECT_LE(f.r2, 1.0);
        EXPECT_GT(f.r2, 0.999) << m;
    }
}

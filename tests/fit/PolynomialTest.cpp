// Polynomial term lists: rendering, evaluation and the derivative.
#include "fit/Polynomial.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Polynomial, RendersHighestIndexFirstWithSignsAndPowers) {
    const int e[] = {0, 1, 2, 3};
    struct Case {
        std::vector<double> c;
        const char *variable;
        int precision;
        const char *text;
    } cases[] = {
        {{1.5, -2, 0.25}, "x", 3, "= 2.500e-01*x^2 - 2.000e+00*x + 1.500e+00"},
        {{1.5, -2, 0}, "x", 3, "= -0.000e+00*x^2 - 2.000e+00*x + 1.500e+00"},
        {{-1, 2, -3, 4}, "A1", 1, "= 4.0e+00*A1^3 - 3.0e+00*A1^2 + 2.0e+00*A1 - 1.0e+00"},
        {{2, -0.5}, "LN(B2)", 2, "= -5.00e-01*LN(B2) + 2.00e+00"},
        {{0}, "x", 3, "= -0.000e+00"},
        {{123.456}, "x", -4, "= 1e+02"},
        {{1}, "x", 40, "= 1.000000000000000000000000e+00"},
        {{1e-300, 0, 0}, "x", 2, "= -0.00e+00*x^2 - 0.00e+00*x + 1.00e-300"},
    };
    Polynomial p;
    for (const Case &c : cases)
        EXPECT_EQ(p.toText(static_cast<int>(c.c.size()), c.c.data(), e, c.variable, c.precision), c.text);
}

TEST(Polynomial, EvaluatesByRepeatedMultiplication) {
    const double c[] = {1.5, -2, 0.25, 7};
    const int e[] = {0, 1, 2, -1};
    Polynomial p;
    p.setTerms(4, c, e);
    EXPECT_DOUBLE_EQ(p.evaluate(2), 1.5 - 4 + 1 + 7); // a negative exponent contributes its coefficient
    EXPECT_DOUBLE_EQ(p.evaluate(0), 1.5 + 7);
    p.setTerms(0, c, e);
    EXPECT_EQ(p.evaluate(3), 0);
}

TEST(Polynomial, DerivativeDropsTheConstantAndLowersEachPower) {
    const double c[] = {1.5, -2, 0.25, 1};
    const int e[] = {0, 1, 2, 3};
    Polynomial d;
    EXPECT_EQ(d.setDerivativeOf(4, c, e, "x", 3), "= 3.000e+00*x^2 + 5.000e-01*x - 2.000e+00");
    EXPECT_EQ(d.termCount(), 3);
    EXPECT_DOUBLE_EQ(d.evaluate(2), 12 + 1 - 2);
    EXPECT_EQ(d.setDerivativeOf(1, c, e, "x", 3), "= ");
    EXPECT_EQ(d.evaluate(5), 0);
}

TEST(Polynomial, SetTermsClearsOldTermsAndKeepsWithinCapacity) {
    std::vector<double> c(150, 1.0);
    std::vector<int> e(150, 1);
    Polynomial p;
    p.setTerms(150, c.data(), e.data());
    EXPECT_EQ(p.termCount(), Polynomial::capacity);
    EXPECT_DOUBLE_EQ(p.evaluate(2), 200);
    const double one[] = {4};
    const int zero[] = {0};
    p.setTerms(1, one, zero);
    EXPECT_EQ(p.coefficients()[1], 0);
    EXPECT_DOUBLE_EQ(p.evaluate(2), 4);
    p.setTerms(-3, one, zero);
    EXPECT_EQ(p.termCount(), 0);
}

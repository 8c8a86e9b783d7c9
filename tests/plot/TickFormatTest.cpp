// Tick label formats of the fit plot at each step boundary.
#include "plot/TickFormat.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(TickFormat, ChosenByTheStepAtEachBoundary) {
    struct Case {
        double step;
        bool exponent;
        int decimals;
    } cases[] = {
        {0.000999, true, 2}, {0.001, false, 4}, {0.00999, false, 4}, {0.01, false, 3},
        {0.0999, false, 3},  {0.1, false, 2},   {0.999, false, 2},   {1, false, 0},
        {1e6, false, 0},     {0, true, 2},      {-5, true, 2},       {NAN, false, 0},
    };
    for (const Case &c : cases) {
        const TickFormat f = tickFormatForStep(c.step);
        EXPECT_EQ(f.exponent, c.exponent) << c.step;
        EXPECT_EQ(f.decimals, c.decimals) << c.step;
    }
}

TEST(TickFormat, LabelsFollowPrintf) {
    EXPECT_EQ(formatTick(1234.5, {true, 2}), "1.23e+03");
    EXPECT_EQ(formatTick(0.5, {false, 2}), "0.50");
    EXPECT_EQ(formatTick(-0.00125, {false, 4}), "-0.0013");
    EXPECT_EQ(formatTick(12.7, {false, 0}), "13");
    EXPECT_EQ(formatTick(INFINITY, {false, 0}), "inf");
}

// Rounding, even distribution, redistribution, the 15-pixel placement rule and the wheel move of the limits.
#include "fit/ZoneLimits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RoundLimit, RoundsHalfAwayFromZeroOnlyForWholeNumberData) {
    const LimitRounding on{true, 1, 100};
    struct Case {
        double in, out;
    } cases[] = {{2.5, 3}, {2.4999, 2}, {-2.5, -3}, {-2.4, -2}, {0.4, 0}, {99.5, 100}, {1e300, 1e300}};
    for (const Case &c : cases)
        EXPECT_EQ(roundLimit(c.in, on), c.out) << c.in;
    EXPECT_EQ(roundLimit(2.5, {false, 1, 100}), 2.5);
    EXPECT_EQ(roundLimit(2.5, {true, 0.5, 500}), 2.5); // x data from 0.5: xMin < 1
    EXPECT_EQ(roundLimit(2.5, {true, 1, 99.9}), 2.5);
    EXPECT_TRUE(std::isnan(roundLimit(std::nan(""), on)));
    EXPECT_EQ(roundLimit(-INFINITY, on), -INFINITY);
}

TEST(DistributeLimits, EqualZonesEndingAtTheTop) {
    EXPECT_EQ(distributeLimits(0, 10, 4), (std::vector<double>{2.5, 5, 7.5, 10}));
    EXPECT_EQ(distributeLimits(0.1, 0.7, 3).back(), 0.7);
    EXPECT_EQ(distributeLimits(-3, 3, 0), (std::vector<double>{3}));
    EXPECT_EQ(distributeLimits(0, 6, 9).size(), 6u);
    EXPECT_EQ(distributeLimits(5, 5, 2), (std::vector<double>{5, 5}));
}

TEST(DistributeLimits, NeededForLimitsOutsideTheData) {
    const LimitRounding off;
    EXPECT_FALSE(limitsNeedRedistribution({2, 5, 10}, 1, 10, off));
    EXPECT_TRUE(limitsNeedRedistribution({0.5, 10}, 1, 10, off));
    EXPECT_TRUE(limitsNeedRedistribution({2, 10.2}, 1, 10, off));
    EXPECT_TRUE(limitsNeedRedistribution({-1e100, -1e100}, 1, 10, off)); // the start values
    EXPECT_TRUE(limitsNeedRedistribution({std::nan(""), 10}, 1, 10, off));
    // A top limit rounded above xMax still counts as inside.
    EXPECT_FALSE(limitsNeedRedistribution({50, 200}, 1, 199.6, {true, 1, 199.6}));
}

TEST(LimitPositionAllowed, KeepsFifteenPixelsFromNeighboursAndEdges) {
    const std::vector<int> pixels = {100, 200, 300};
    struct Case {
        int i, pixel;
        bool allowed;
    } cases[] = {
        {0, 65, true},  {0, 64, false},   {0, 185, true},  {0, 186, false}, // first: left edge
        {1, 115, true}, {1, 114, false},  {1, 285, true},  {1, 286, false}, // middle: neighbours
        {2, 215, true}, {2, 214, false},  {2, 435, true},  {2, 436, false}, // last: right edge
        {1, 30, false}, {-1, 200, false}, {3, 400, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(limitPositionAllowed(c.i, c.pixel, pixels, 50, 450), c.allowed) << c.i << " at " << c.pixel;
    // One movable limit is both the first and the last.
    EXPECT_TRUE(limitPositionAllowed(0, 65, {100}, 50, 450));
    EXPECT_TRUE(limitPositionAllowed(0, 435, {100}, 50, 450));
    EXPECT_FALSE(limitPositionAllowed(0, 436, {100}, 50, 450));
    EXPECT_FALSE(limitPositionAllowed(0, 100, {}, 50, 450));
}

TEST(WheelTargetPixel, StepTimesModifiersDownBelowOne) {
    EXPECT_EQ(wheelTargetPixel(100, -120, 2, false, false), 98);
    EXPECT_EQ(wheelTargetPixel(100, 0, 2, false, false), 98);
    EXPECT_EQ(wheelTargetPixel(100, 1, 2, false, false), 102);
    EXPECT_EQ(wheelTargetPixel(100, 120, 2, true, false), 106);
    EXPECT_EQ(wheelTargetPixel(100, 120, 2, false, true), 106);
    EXPECT_EQ(wheelTargetPixel(100, -120, 2, true, true), 46);
    EXPECT_EQ(wheelTargetPixel(100, 120, std::numeric_limits<int>::max(), true, true), 1000000);
}

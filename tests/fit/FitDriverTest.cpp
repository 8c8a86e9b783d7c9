// A whole fit run on plain data: accuracy, zones and overlap, the intercept, differences, curve, bad input.
#include "fit/FitDriver.h"

#include "fit/FitTransforms.h"
#include "fit/PointPalette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

// Points (x, f(x)) for x = first, first + step, ...
FitInput pointsOf(int fitType, int n, double first, double step, double (*f)(double)) {
    FitInput in;
    in.fitType = fitType;
    for (int i = 0; i < n; ++i) {
        in.cellX.push_back(first + i * step);
        in.cellY.push_back(f(in.cellX.back()));
    }
    in.fitOrders = {1, 1, 1, 1, 1, 1};
    in.plotCanvasWidth = 300;
    return in;
}

double quintic(double x) {
    return 3 - 1.5 * x + 0.25 * x * x - 0.125 * x * x * x + 0.0078125 * x * x * x * x -
           0.00048828125 * x * x * x * x * x;
}
double line(double x) {
    return 2 * x + 1;
}
double parabola(double x) {
    return x * x - 4;
}

} // namespace

TEST(FitDriver, RecoversAQuinticToSixSignificantDigits) {
    FitInput in = pointsOf(XvsY, 21, 0, 1, quintic);
    in.fitOrders = {5};
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_DOUBLE_EQ(out.xScale, 0.1);
    ASSERT_TRUE(out.zones[0].fitted);
    const double expected[] = {3, -1.5, 0.25, -0.125, 0.0078125, -0.00048828125};
    for (int k = 0; k <= 5; ++k)
        EXPECT_NEAR(out.zones[0].coefficients[k], expected[k], 1e-6 * std::fabs(expected[k])) << "C" << k;
    EXPECT_NEAR(out.zones[0].rSquared, 1, 1e-9);
}

TEST(FitDriver, AZoneNeedsOrderPlusOnePoints) {
    // Two equations of order 2, no overlap, the limit at 6.5: zone 1 holds 7, 8, 9.
    FitInput in = pointsOf(XvsY, 9, 1, 1, parabola);
    in.equationCount = 2;
    in.fitOrders = {2, 2};
    in.shownLimits = {6.5};
    FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_EQ(out.zones[1].ownPoints, 3);
    EXPECT_TRUE(out.zones[0].fitted);
    EXPECT_TRUE(out.zones[1].fitted);
    EXPECT_NEAR(out.zones[1].coefficients[0], -4, 1e-9);

    in.shownLimits = {7.5}; // zone 1 now holds 8 and 9 only
    out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::BadBoundaries);
    EXPECT_EQ(out.badBoundaries.equation, 1);
    EXPECT_EQ(out.badBoundaries.lower, 7.5);
    EXPECT_EQ(out.badBoundaries.upper, 9 * 1.0000006);
    EXPECT_EQ(out.badBoundaries.order, 2);
    EXPECT_EQ(out.badBoundaries.overlap, 0);

    in.overlap = 1; // the overlap point from zone 0 makes up for it
    out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_EQ(out.zones[1].fittedPoints, 3);
    EXPECT_EQ(out.zones[0].fittedPoints, 8);
}

TEST(FitDriver, OneEquationIgnoresTheOverlap) {
    FitInput in = pointsOf(XvsY, 5, 1, 1, line);
    in.overlap = 10;
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_EQ(out.zones[0].fittedPoints, 5);
    EXPECT_EQ(out.limits, (std::vector<double>{0.999999, 5 * 1.0000006}));
    EXPECT_FALSE(out.zones[0].hasMismatch);
}

TEST(FitDriver, NegativeXMinCountsTheSmallestPointInZoneZero) {
    FitInput in = pointsOf(XvsY, 5, -10, 5, line);
    in.equationCount = 2;
    in.shownLimits = {1};
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_EQ(out.pointZones, (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(out.rows[0].zone, 0);
    EXPECT_NEAR(out.rows[0].fitted, -19, 1e-9);
}

TEST(FitDriver, HoldsTheInterceptOnlyWhereItApplies) {
    FitInput in = pointsOf(XvsY, 6, 1, 1, line);
    in.setIntercept = true;
    in.intercept = 0.75;
    FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_TRUE(out.zones[0].interceptFixed);
    EXPECT_EQ(out.zones[0].coefficients[0], 0.75);

    in.fitType = LnXvsY;
    out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_FALSE(out.zones[0].interceptFixed);
    EXPECT_NE(out.zones[0].coefficients[0], 0.75);

    in.intercept.reset(); // an empty field matters only where the intercept is used
    EXPECT_EQ(runFit(in).status, FitStatus::Ok);
    in.fitType = XvsY;
    EXPECT_EQ(runFit(in).status, FitStatus::IllegalIntercept);
}

TEST(FitDriver, HoldsTheInterceptInTheZonesThatContainZero) {
    FitInput in = pointsOf(XvsLnY, 8, -4, 1, [](double x) { return std::exp(0.5 * x + 1); });
    in.equationCount = 3;
    in.shownLimits = {-1.5, 1.5};
    in.setIntercept = true;
    in.intercept = 2;
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_FALSE(out.zones[0].interceptFixed);
    EXPECT_TRUE(out.zones[1].interceptFixed);
    EXPECT_FALSE(out.zones[2].interceptFixed);
    EXPECT_EQ(out.zones[1].coefficients[0], 2); // ln(y) at x = 0
    EXPECT_NEAR(out.zones[0].coefficients[0], 1, 1e-9);
}

TEST(FitDriver, DifferencesSkipAZeroY) {
    FitInput in = pointsOf(XvsY, 6, 1, 1, line);
    in.cellY = {3, 5, 0, 9, 11, 14};
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    ASSERT_EQ(out.rows.size(), 6u);
    EXPECT_TRUE(out.rows[2].hasFit);
    EXPECT_FALSE(out.rows[2].hasDifference);
    double largest = 0;
    for (const RowFit &row : out.rows) {
        if (row.y == 0)
            continue;
        ASSERT_TRUE(row.hasDifference);
        EXPECT_DOUBLE_EQ(row.difference, (row.y - row.fitted) * 100 / row.y);
        if (std::fabs(row.difference) > std::fabs(largest))
            largest = row.difference;
    }
    EXPECT_EQ(out.zones[0].maxDifference, largest);
    EXPECT_GT(std::fabs(largest), 0);
}

TEST(FitDriver, DifferencesOfTheLnYTypesAreTakenOnY) {
    FitInput in = pointsOf(LnXvsLnY, 5, 1, 1, [](double x) { return 3 * x * x; });
    in.cellY[4] = 80; // 3 * 25 = 75 would be exact
    in.yScale = 2;
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_TRUE(out.converted);
    const RowFit &row = out.rows[4];
    EXPECT_DOUBLE_EQ(row.t, std::log(5.0));
    EXPECT_DOUBLE_EQ(row.y, 160);
    EXPECT_GT(row.fitted, 140);
    EXPECT_LT(row.fitted, 160);
    EXPECT_DOUBLE_EQ(row.difference, (160 - row.fitted) * 100 / 160);
}

TEST(FitDriver, MismatchComparesNeighboursAtTheirLimit) {
    FitInput in = pointsOf(XvsY, 8, 1, 1, line);
    in.cellY = {1, 2, 3, 4, 10, 12, 14, 16}; // y = x, then y = 2x
    in.equationCount = 2;
    in.shownLimits = {4.5};
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    ASSERT_TRUE(out.zones[0].hasMismatch);
    EXPECT_NEAR(out.zones[0].mismatch, (4.5 - 9) * 100 / 4.5, 1e-9);
    EXPECT_FALSE(out.zones[1].hasMismatch);
    EXPECT_EQ(out.referenceZone, 0); // the smallest y is in zone 0
    EXPECT_EQ(out.points.colours[0], pointPaletteColour(0));
    EXPECT_EQ(out.points.colours[7], pointPaletteColour(1));
}

TEST(FitDriver, TheReferenceZoneCollectedTheSmallestY) {
    FitInput in = pointsOf(XvsY, 8, 1, 1, line);
    in.cellY = {5, 6, 7, 8, 4, 3, -2, 1};
    in.equationCount = 2;
    in.shownLimits = {4.5};
    EXPECT_EQ(runFit(in).referenceZone, 1);
    in.cellY.assign(8, 3); // all equal and not negative: no point qualifies
    EXPECT_EQ(runFit(in).referenceZone, 0);
}

TEST(FitDriver, TheCurveRunsFromXMinToXMaxOnTheFittedEquations) {
    FitInput in = pointsOf(XvsY, 4, -3, 2, parabola);
    in.fitOrders = {2};
    in.plotCanvasWidth = 30; // 10 curve points
    const FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    ASSERT_EQ(out.curve.x.size(), 10u);
    EXPECT_EQ(out.curve.x.front(), -3);
    EXPECT_DOUBLE_EQ(out.curve.x.back(), 3);
    for (size_t j = 0; j < out.curve.x.size(); ++j)
        EXPECT_NEAR(out.curve.y[j], parabola(out.curve.x[j]), 1e-9);
    EXPECT_TRUE(out.positiveSlope);
    EXPECT_TRUE(out.negativeSlope);
    EXPECT_NEAR(out.yMin, 1.0 / 9 - 4, 1e-9); // the curve point at -1/3 comes closer to the vertex
    EXPECT_EQ(out.yMax, 5);
    in.plotCanvasWidth = 3; // never fewer curve points than data points
    EXPECT_EQ(runFit(in).curve.x.size(), 4u);
}

TEST(FitDriver, AnUnfittableZoneIsMarkedAndTheRunGoesOn) {
    // All x equal: the order-1 fit is not determined.
    FitInput in = pointsOf(XvsY, 4, 0.3, 0, line);
    in.cellY = {1, 2, 3, 4};
    FitOutput out = runFit(in);
    ASSERT_EQ(out.status, FitStatus::Ok);
    EXPECT_FALSE(out.zones[0].fitted);
    for (const RowFit &row : out.rows)
        EXPECT_FALSE(row.hasFit || row.hasDifference);
    for (double y : out.curve.y)
        EXPECT_EQ(y, 0);
    EXPECT_FALSE(out.positiveSlope || out.negativeSlope);

    // All y equal: fitted, R² -1.
    in = pointsOf(XvsY, 4, 1, 1, [](double) { return 7.0; });
    out = runFit(in);
    ASSERT_TRUE(out.zones[0].fitted);
    EXPECT_EQ(out.zones[0].rSquared, -1);
    EXPECT_NEAR(out.zones[0].coefficients[0], 7, 1e-12);
}

TEST(FitDriver, ExtremeInputNeverReportsANonFiniteSuccess) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char *what;
        int type, order;
        std::vector<double> x, y;
    } cases[] = {
        {"order 15 on 16 points",
         XvsY,
         15,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 3}},
        {"x from 1e-300 to 1e300, order 1", XvsY, 1, {1e-300, 1, 1e300}, {1, 2, 3}},
        {"x from 1e-300 to 1e300, order 2", XvsY, 2, {1e-300, 1, 1e300}, {1, 2, 3}},
        {"1/x of tiny x", InvXvsLnY, 1, {1e-300, 1e-200, 1}, {1, 2, 3}},
        {"huge y", XvsY, 1, {1, 2, 3}, {1e300, -1e300, 1e300}},
        {"NaN x", XvsY, 1, {1, nan, 3}, {1, 2, 3}},
        {"infinite y", XvsY, 1, {1, 2, 3}, {1, inf, 3}},
    };
    for (const Case &c : cases) {
        FitInput in;
        in.fitType = c.type;
        in.cellX = c.x;
        in.cellY = c.y;
        in.fitOrders = {c.order};
        in.plotCanvasWidth = 300;
        const FitOutput out = runFit(in);
        if (out.status != FitStatus::Ok) {
            EXPECT_EQ(out.status, FitStatus::IllegalValues) << c.what;
            continue;
        }
        const ZoneFit &zone = out.zones[0];
        if (zone.fitted) {
            for (double k : zone.coefficients)
                EXPECT_TRUE(std::isfinite(k)) << c.what;
            EXPECT_TRUE(std::isfinite(zone.rSquared)) << c.what;
        }
        for (const RowFit &row : out.rows) {
            EXPECT_TRUE(!row.hasFit || std::isfinite(row.fitted)) << c.what;
            EXPECT_TRUE(!row.hasDifference || std::isfinite(row.difference)) << c.what;
        }
        for (double y : out.curve.y)
            EXPECT_TRUE(std::isfinite(y)) << c.what;
        EXPECT_TRUE(std::isfinite(out.yMin) && std::isfinite(out.yMax)) << c.what;
    }
}

TEST(FitDriver, WideXRangesFitWhereTheUnscaledEquationHolds) {
    FitInput in;
    in.cellX = {1e-300, 1, 1e300};
    in.cellY = {1, 2, 3};
    in.fitOrders = {1};
    FitOutput out = runFit(in);
    ASSERT_TRUE(out.zones[0].fitted); // on scaled x the points are 0, 1e-300 and 1
    EXPECT_NEAR(out.zones[0].coefficients[1] * 1e300, 1.5, 1e-9);
    in.fitOrders = {2}; // C2 would need 1e-600: not representable, so not fitted
    out = runFit(in);
    EXPECT_FALSE(out.zones[0].fitted);
}

TEST(FitDriver, IllegalValuesStopTheRun) {
    FitInput in = pointsOf(LnXvsY, 8, -1, 1, line); // x = -1 and 0 come first
    const FitOutput out = runFit(in);
    EXPECT_EQ(out.status, FitStatus::IllegalValues);
    EXPECT_EQ(out.illegalVariable, IllegalVariable::X);
    EXPECT_EQ(out.illegalRow, 0);
    EXPECT_TRUE(out.zones.empty());
    EXPECT_EQ(runFit(FitInput{}).status, FitStatus::MissingData);
}

TEST(FitDriver, RandomHostileInputKeepsEveryInvariant) {
    const double specials[] = {0,
                               -0.0,
                               1e-320,
                               -1e-300,
                               1e300,
                               -1e300,
                               1e99,
                               273.15,
                               std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity()};
    std::mt19937 random(2024);
    bool hostile = false; // a quarter of the runs get special, negative and zero values
    auto value = [&]() {
        if (hostile && random() % 30 == 0)
            return specials[random() % (sizeof specials / sizeof *specials)];
        const double v = static_cast<double>(random() % 10000 + 1) / (random() % 2 ? 100 : 1);
        return hostile && random() % 20 == 0 ? -v : v;
    };
    for (int run = 0; run < 400; ++run) {
        hostile = random() % 4 == 0;
        FitInput in;
        in.fitType = static_cast<int>(random() % 5);
        const int n = static_cast<int>(random() % 60);
        for (int i = 0; i < n; ++i) {
            in.cellX.push_back(random() % 5 == 0 && i > 0 ? in.cellX[random() % i] : value());
            in.cellY.push_back(hostile && random() % 20 == 0 ? 0.0 : value());
        }
        in.xIsTemperature = hostile && random() % 3 == 0;
        in.temperatureScale = static_cast<int>(random() % 8) - 1;
        in.yScale = random() % 6 == 0 ? value() : 1;
        in.equationCount = hostile ? static_cast<int>(random() % 8) : 1 + random() % 3;
        for (int k = 0; k < 6; ++k)
            in.fitOrders.push_back(hostile ? static_cast<int>(random() % 18) - 1 : 1 + random() % 4);
        for (int k = 0; k < static_cast<int>(random() % 7); ++k)
            in.shownLimits.push_back(n > 0 && random() % 3 ? in.cellX[random() % n] : value());
        std::sort(in.shownLimits.begin(), in.shownLimits.end());
        if (random() % 4 == 0)
            std::reverse(in.shownLimits.begin(), in.shownLimits.end());
        in.overlap = static_cast<int>(random() % 25) - 3;
        in.setIntercept = random() % 2;
        if (random() % 4)
            in.intercept = value();
        in.plotCanvasWidth = static_cast<int>(random() % 1000) - 10;
        const FitOutput out = runFit(in);
        if (out.status != FitStatus::Ok)
            continue;
        for (const ZoneFit &zone : out.zones) {
            if (!zone.fitted)
                continue;
            for (double k : zone.coefficients)
                ASSERT_TRUE(std::isfinite(k)) << run;
            ASSERT_TRUE(std::isfinite(zone.rSquared) && zone.rSquared <= 1) << run;
            ASSERT_TRUE(!zone.interceptFixed || zone.coefficients[0] == *in.intercept) << run;
        }
        for (const RowFit &row : out.rows) {
            ASSERT_TRUE(!row.hasFit || std::isfinite(row.fitted)) << run;
            ASSERT_TRUE(!row.hasDifference || (row.y != 0 && std::isfinite(row.difference))) << run;
        }
        for (double y : out.curve.y)
            ASSERT_TRUE(std::isfinite(y)) << run;
        ASSERT_GE(out.curve.x.size(), out.points.x.size()) << run;
        ASSERT_TRUE(std::is_sorted(out.points.x.begin(), out.points.x.end())) << run;
    }
}

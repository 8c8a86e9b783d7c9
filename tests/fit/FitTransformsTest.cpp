// Reading points into the fitted space: temperature conversion, transforms, illegal values, sort, x scale.
#include "fit/FitTransforms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

FitInput inputOf(int fitType, std::vector<double> x, std::vector<double> y) {
    FitInput in;
    in.fitType = fitType;
    in.cellX = std::move(x);
    in.cellY = std::move(y);
    return in;
}

} // namespace

TEST(FitTransforms, ConvertsTemperaturesByListIndex) {
    struct Case {
        int scale;
        double in, out;
    } cases[] = {
        {0, 100, 373.15}, {1, 212, 373.15}, {2, 212, 100}, {3, 373.15, 100},
        {4, 100, 212},    {5, 373.15, 212}, {2, -40, -40}, {9, 0, 273.15}, // unknown index reads as "C -> K"
    };
    for (const Case &c : cases)
        EXPECT_NEAR(convertTemperature(c.in, c.scale), c.out, 1e-9) << c.scale;
}

TEST(FitTransforms, TransformsEachFitTypeAndNamesTheIllegalVariable) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    struct Case {
        int type;
        double cx, cy;
        IllegalVariable bad;
        double x = 0, y = 0;
    } cases[] = {
        {XvsY, -2, -3, IllegalVariable::None, -2, -3},
        {LnXvsY, std::exp(2.0), -3, IllegalVariable::None, 2, -3},
        {XvsLnY, -2, std::exp(1.5), IllegalVariable::None, -2, 1.5},
        {LnXvsLnY, std::exp(1.0), std::exp(-1.0), IllegalVariable::None, 1, -1},
        {InvXvsLnY, 4, 1, IllegalVariable::None, 0.25, 0},
        {LnXvsY, 0, 1, IllegalVariable::X},
        {LnXvsY, 1, -1, IllegalVariable::None, 0, -1},
        {XvsLnY, 0, 0, IllegalVariable::Y},
        {LnXvsLnY, 1, -2, IllegalVariable::Y},
        {LnXvsLnY, -1, 0, IllegalVariable::XAndY},
        {InvXvsLnY, -4, 1, IllegalVariable::X},
        {InvXvsLnY, 1e-320, 1, IllegalVariable::X}, // 1/x overflows
        {XvsY, nan, 1, IllegalVariable::X},
        {XvsY, 1, inf, IllegalVariable::Y},
        {LnXvsY, inf, 1, IllegalVariable::X},
        {XvsLnY, 1, nan, IllegalVariable::Y},
    };
    for (const Case &c : cases) {
        FitInput in = inputOf(c.type, {}, {});
        double x, y;
        EXPECT_EQ(transformPoint(in, c.cx, c.cy, x, y), c.bad) << c.type << " " << c.cx << " " << c.cy;
        if (c.bad != IllegalVariable::None)
            continue;
        EXPECT_NEAR(x, c.x, 1e-12);
        EXPECT_NEAR(y, c.y, 1e-12);
    }
}

TEST(FitTransforms, ConvertsAndScalesBeforeTransforming) {
    FitInput in = inputOf(LnXvsLnY, {}, {});
    in.xIsTemperature = true;
    in.temperatureScale = 3; // K -> C: 274.15 K is 1 C, ln 1 = 0
    in.yScale = 2;
    double x, y;
    ASSERT_EQ(transformPoint(in, 274.15, 0.5, x, y), IllegalVariable::None);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 0, 1e-12);
    EXPECT_EQ(transformPoint(in, 273.15, 0.5, x, y), IllegalVariable::X); // 0 C after conversion
    FitInput scaled = inputOf(XvsY, {}, {});
    scaled.yScale = 1e300;
    EXPECT_EQ(transformPoint(scaled, 1, 1e10, x, y), IllegalVariable::Y); // y overflows
}

TEST(FitTransforms, TheFirstIllegalRowStopsTheReading) {
    // "ln(x) vs ln(y)" with x = 0 in row 5 and y = 0 in row 7: only row 5 is reported, naming x.
    FitPoints p = prepareFitPoints(inputOf(LnXvsLnY, {1, 2, 3, 4, 5, 0, 7, 8}, {1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(p.status, FitStatus::IllegalValues);
    EXPECT_EQ(p.illegalVariable, IllegalVariable::X);
    EXPECT_EQ(p.illegalRow, 5);
    EXPECT_TRUE(p.x.empty());
    EXPECT_EQ(illegalValuesMessage(p.illegalVariable),
              "Some of your x values are 0 or negative, pick a different plot type.");
    EXPECT_EQ(illegalValuesMessage(IllegalVariable::Y),
              "Some of your y values are 0 or negative, pick a different plot type.");
    EXPECT_EQ(illegalValuesMessage(IllegalVariable::XAndY),
              "Some of your x and y values are 0 or negative, pick a different plot type.");
    EXPECT_EQ(prepareFitPoints(inputOf(XvsY, {}, {})).status, FitStatus::MissingData);
}

TEST(FitTransforms, SortsPointsByXWithTheirRowsAndRanges) {
    FitPoints p = prepareFitPoints(inputOf(XvsY, {3e150, -1, 2e150, 5}, {10, 20, 30, -40}));
    ASSERT_EQ(p.status, FitStatus::Ok);
    EXPECT_EQ(p.x, (std::vector<double>{-1, 5, 2e150, 3e150}));
    EXPECT_EQ(p.y, (std::vector<double>{20, -40, 30, 10}));
    EXPECT_EQ(p.rows, (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(p.xMin, -1);
    EXPECT_EQ(p.xMax, 3e150); // beyond the 1e99 start values
    EXPECT_EQ(p.yMin, -40);
    EXPECT_EQ(p.yMax, 30);
}

TEST(FitTransforms, ScalesXOnlyForXvsYAndLarsonMiller) {
    struct Case {
        int type;
        double xMax, s;
    } cases[] = {
        {XvsY, 20, 0.1},
        {XvsY, 5, 1},
        {XvsY, 999, 0.01},
        {XvsY, 0.05, 10},
        {XvsY, 0, 1},
        {XvsY, -30, 1},
        {Lmp, 35.2, 0.1},
        {LnXvsY, 20, 1},
        {XvsLnY, 20, 1},
        {InvXvsLnY, 20, 1},
        {XvsY, std::numeric_limits<double>::infinity(), 1},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(xScaleFactor(c.type, c.xMax), c.s) << c.type << " " << c.xMax;
    EXPECT_DOUBLE_EQ(shownValue(XvsY, 2), 2);
    EXPECT_DOUBLE_EQ(shownValue(LnXvsY, 2), 2);
    EXPECT_DOUBLE_EQ(shownValue(InvXvsLnY, 2), std::exp(2.0));
}

// Checking the axis tables, exp(...) entries, pixel to value (linear, log, Arrhenius) and rounding.
#include "axis/AxisTransform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// X: real values xMin..xMax at x pixels 100..500; Y: yMin..yMax at y pixels 400 (min, below) ..100.
// The min corner (100, 400) is shared; the max points carry the other coordinate too.
AxisTables tables(const char *xMin, const char *xMax, const char *yMin, const char *yMax) {
    AxisTables t;
    const char *texts[2][2][3] = {{{xMin, "100", "400"}, {xMax, "500", "401"}},
                                  {{yMin, "100", "400"}, {yMax, "98", "100"}}};
    for (int a = 0; a < 2; ++a)
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                t.cell(a, r, c) = texts[a][r][c];
    return t;
}

AxisOptions scales(int x, int y, bool arrhenius = false) {
    AxisOptions options;
    options.axisScaleType[0] = x;
    options.axisScaleType[1] = y;
    options.arrhenius = arrhenius;
    return options;
}

} // namespace

TEST(AxisTransform, ValidatesCompleteNumericTables) {
    AxisTables t = tables("0", "10", "0", "50");
    std::vector<AxisCellEdit> edits;
    EXPECT_TRUE(validateAxisTables(t, edits));
    EXPECT_TRUE(edits.empty());
}

TEST(AxisTransform, ConvertsExpEntries) {
    AxisTables t = tables("  EXP(2.1)  ", "exp( 3,5 )", "0", "Exp(-1000)");
    std::vector<AxisCellEdit> edits;
    ASSERT_TRUE(validateAxisTables(t, edits));
    EXPECT_EQ(t.cell(AxisX, AxisMinRow, RealValueColumn), "8.166170e+00");
    EXPECT_EQ(t.cell(AxisX, AxisMaxRow, RealValueColumn), "3.311545e+01");
    EXPECT_EQ(t.cell(AxisY, AxisMaxRow, RealValueColumn), "0.000000e+00");
    ASSERT_EQ(edits.size(), 3u);
    EXPECT_EQ(edits[0].axis, AxisX);
    EXPECT_EQ(edits[0].row, AxisMinRow);
    EXPECT_EQ(edits[0].column, RealValueColumn);
    EXPECT_EQ(edits[0].text, "8.166170e+00");
    EXPECT_TRUE(edits[0].setsTip);
    EXPECT_EQ(edits[0].tip, "exp(2.1)");
    EXPECT_EQ(edits[1].tip, "exp( 3,5 )");
    EXPECT_EQ(edits[2].axis, AxisY);
    EXPECT_EQ(edits[2].row, AxisMaxRow);
}

TEST(AxisTransform, BadRealValuesFailTheCheck) {
    // The cell text the check leaves behind: malformed exp entries are lower-cased and trimmed.
    struct Case {
        std::string typed, left;
    } cases[] = {
        {"", ""},
        {"   ", "   "},
        {"exp(", "exp("},
        {" Exp() ", "exp()"},
        {"EXP(abc)", "exp(abc)"},
        {"exp(2))", "exp(2))"},
        {"exp(1000)", "exp(1000)"},
        {"-exp(1)", "-exp(1)"},
        {"2*EXP(3)", "2*exp(3)"},
        {"1e999", "1e999"},
        {"-1e999", "-1e999"},
        {"nan", "nan"},
        {"inf", "inf"},
        {"1.2.3", "1.2.3"},
        {std::string(500, '1'), std::string(500, '1')},
        {std::string(500, 'x'), std::string(500, 'x')},
        {"exp(" + std::string(500, '9') + ")", "exp(" + std::string(500, '9') + ")"},
    };
    for (const Case &c : cases) {
        AxisTables t = tables("0", "10", c.typed.c_str(), "50");
        std::vector<AxisCellEdit> edits;
        EXPECT_FALSE(validateAxisTables(t, edits)) << c.typed;
        EXPECT_EQ(t.cell(AxisY, AxisMinRow, RealValueColumn), c.left) << c.typed;
    }
}

TEST(AxisTransform, FirstFailingCellEndsTheCheck) {
    AxisTables t = tables("0", "", "exp(1)", "50");
    std::vector<AxisCellEdit> edits;
    EXPECT_FALSE(validateAxisTables(t, edits));
    EXPECT_EQ(t.cell(AxisY, AxisMinRow, RealValueColumn), "exp(1)");
    EXPECT_TRUE(edits.empty());

    t = tables("0", "10", "0", "50");
    t.cell(AxisX, AxisMaxRow, XPixelsColumn) = "";
    EXPECT_FALSE(validateAxisTables(t, edits));
}

TEST(AxisTransform, LinearPixelToValueUsesOnlyTheAxisCoordinate) {
    AxisTables t = tables("0", "10", "0", "50");
    AxisOptions linear = scales(0, 0);
    EXPECT_DOUBLE_EQ(*pixelToValue(t, linear, AxisX, 300), 5);
    EXPECT_DOUBLE_EQ(*pixelToValue(t, linear, AxisX, 100), 0);
    EXPECT_DOUBLE_EQ(*pixelToValue(t, linear, AxisX, 600), 12.5);
    EXPECT_DOUBLE_EQ(*pixelToValue(t, linear, AxisY, 250), 25); // y grows downwards
    EXPECT_DOUBLE_EQ(*pixelToValue(t, linear, AxisY, 460), -10);
    EXPECT_DOUBLE_EQ(*pixelToValue(t, linear, AxisY, 250.5), 24.916666666666668);
    EXPECT_FALSE(pixelToValue(t, linear, 2, 300));
    EXPECT_FALSE(pixelToValue(t, linear, -1, 300));
}

TEST(AxisTransform, LogarithmicPixelToValue) {
    AxisTables t = tables("1", "1000", "10", "0,1");
    AxisOptions log = scales(1, 1);
    EXPECT_NEAR(*pixelToValue(t, log, AxisX, 300), 31.6227766, 1e-7);
    EXPECT_NEAR(*pixelToValue(t, log, AxisX, 100), 1, 1e-12);
    EXPECT_NEAR(*pixelToValue(t, log, AxisX, 500), 1000, 1e-9);
    EXPECT_NEAR(*pixelToValue(t, log, AxisY, 250), 1, 1e-12);
    EXPECT_FALSE(logAxisInvalid(t, log, AxisX));

    // A log axis needs positive min and max real values; the linear axis beside it is unaffected.
    for (const char *bad : {"0", "-1", ""}) {
        AxisTables minBad = tables(bad, "1000", "0", "50");
        AxisTables maxBad = tables("1", bad, "0", "50");
        for (const AxisTables &b : {minBad, maxBad}) {
            EXPECT_FALSE(pixelToValue(b, scales(1, 0), AxisX, 300)) << bad;
            EXPECT_TRUE(logAxisInvalid(b, scales(1, 0), AxisX)) << bad;
            EXPECT_FALSE(logAxisInvalid(b, scales(1, 0), AxisY)) << bad;
            EXPECT_DOUBLE_EQ(*pixelToValue(b, scales(1, 0), AxisY, 250), 25);
            EXPECT_FALSE(logAxisInvalid(b, scales(0, 0), AxisX)) << bad;
        }
    }
}

TEST(AxisTransform, ArrheniusConvertsXOnly) {
    AxisTables t = tables("0", "5", "0", "50");
    AxisOptions arrhenius = scales(0, 0, true);
    EXPECT_DOUBLE_EQ(*pixelToValue(t, arrhenius, AxisX, 300), 400); // 1000 / 2.5
    EXPECT_DOUBLE_EQ(*pixelToValue(t, arrhenius, AxisX, 100), 0);   // 0 stays 0
    EXPECT_DOUBLE_EQ(*pixelToValue(t, arrhenius, AxisY, 250), 25);
}

TEST(AxisTransform, EqualPixelPositionsGiveNonNumberTexts) {
    AxisTables t = tables("0", "10", "1", "1000");
    t.cell(AxisX, AxisMaxRow, XPixelsColumn) = "100";
    t.cell(AxisY, AxisMaxRow, YPixelsColumn) = "400";
    NumberFormatSettings format;
    std::vector<AxisCellEdit> edits;
    struct Case {
        double x, y;
        const char *xText;
        const char *yText;
    } cases[] = {
        {150, 500, "inf", "inf"},
        {50, 300, "-inf", "0.000000e+00"},
        {100, 400, "nan", "nan"},
    };
    for (const Case &c : cases) {
        PointValues v = transformPoint(t, edits, scales(0, 1), format, c.x, c.y, false);
        EXPECT_EQ(v.error, AxisError::None);
        EXPECT_EQ(v.text[0], c.xText) << c.x;
        EXPECT_EQ(v.text[1], c.yText) << c.y;
    }
    t.cell(AxisX, AxisMaxRow, RealValueColumn) = "0";
    EXPECT_EQ(transformPoint(t, edits, scales(0, 1), format, 150, 400, false).text[0], "nan");
}

TEST(AxisTransform, RoundXValue) {
    NumberFormatSettings format;
    struct Case {
        double value, rounded;
        const char *text;
    } cases[] = {
        {9.6, 9.6, "9.6000"}, {10.4, 10, "10.0000"},   {-12.5, -13, "-13.000"}, {12.5, 13, "13.000"},
        {10, 10, "10.0000"},  {-9.5, -9.5, "-9.5000"}, {99.5, 100, "100.000"},  {-10.5, -11, "-11.000"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(roundXValue(c.value), c.rounded) << c.value;
        EXPECT_EQ(formatAxisValue(AxisX, roundXValue(c.value), format), c.text) << c.value;
    }
}

TEST(AxisTransform, TransformPoint) {
    NumberFormatSettings format;
    std::vector<AxisCellEdit> edits;
    AxisTables t = tables("0", "100", "exp(0)", "50");
    PointValues v = transformPoint(t, edits, scales(0, 0), format, 225, 250, true);
    EXPECT_EQ(v.error, AxisError::None);
    EXPECT_EQ(v.count, 2);
    EXPECT_EQ(v.text[0], "31.000"); // 31.25 rounded
    EXPECT_EQ(v.text[1], "25.500"); // 1 + 49 / 2
    EXPECT_EQ(edits.size(), 1u);
    EXPECT_EQ(t.cell(AxisY, AxisMinRow, RealValueColumn), "1.000000e+00");
    EXPECT_EQ(transformPoint(t, edits, scales(0, 0), format, 225, 250, false).text[0], "31.250");

    t = tables("0", "100", "0", "50");
    v = transformPoint(t, edits, scales(0, 1), format, 225, 250, false);
    EXPECT_EQ(v.error, AxisError::NonPositiveLogValue);
    EXPECT_EQ(v.count, 1);
    EXPECT_EQ(v.text[0], "31.250");
    EXPECT_EQ(transformPoint(t, edits, scales(1, 0), format, 225, 250, false).count, 0);

    t = tables("0", "100", "", "50");
    v = transformPoint(t, edits, scales(0, 0), format, 225, 250, false);
    EXPECT_EQ(v.error, AxisError::IncompleteTables);
    EXPECT_EQ(v.count, 0);
}

TEST(AxisTransform, ErrorTexts) {
    EXPECT_STREQ(kAxisErrorCaption, "Axis error");
    EXPECT_STREQ(axisErrorText(AxisError::IncompleteTables),
                 "Enter the real values for the axis min and max");
    EXPECT_STREQ(axisErrorText(AxisError::NonPositiveLogValue),
                 "For a log type axis the value must be greater than 0.");
    EXPECT_STREQ(axisErrorText(AxisError::None), "");
}

// Variable expression, equation texts, coefficient tables, adjusted coefficients, program-style lines and
// the plot summary text.
#include "fit/EquationText.h"

#include "axis/NumberFormat.h"
#include "fit/Polynomial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

ZoneFit fitted(std::vector<double> coefficients) {
    ZoneFit zone;
    zone.order = static_cast<int>(coefficients.size()) - 1;
    zone.fitted = true;
    zone.coefficients = std::move(coefficients);
    return zone;
}

std::string text(int fitType, bool simple, const std::string &cell, const ZoneFit &zone, int decimals = 3) {
    return equationText(zone, {fitType, simple, variableExpression(fitType, simple, cell), decimals});
}

double evaluate(const std::vector<double> &c, double x) {
    double sum = 0;
    for (size_t i = c.size(); i-- > 0;)
        sum = sum * x + c[i];
    return sum;
}

} // namespace

TEST(VariableExpression, StandsForTheFittedVariable) {
    struct Case {
        int fitType;
        bool simple;
        const char *cell, *expected;
    } cases[] = {
        {XvsY, false, "A1", "A1"},         {LnXvsY, false, "A1", "LN(A1)"},    {XvsLnY, false, "B$2", "B$2"},
        {LnXvsLnY, false, "C3", "LN(C3)"}, {InvXvsLnY, false, "A1", "(1/A1)"}, {Lmp, false, "D4", "D4"},
        {LnXvsY, true, "A1", "x"},         {InvXvsLnY, true, "", "x"},         {XvsY, false, "", ""},
        {LnXvsY, false, "", ""},           {InvXvsLnY, false, "", ""},         {9, false, "A1", "A1"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(variableExpression(c.fitType, c.simple, c.cell), c.expected) << c.fitType << " " << c.cell;
}

TEST(VariableExpression, ExcelCellIsTrimmedUpperCasedAndFreeOfControlCharacters) {
    EXPECT_EQ(normalizeExcelCell("  a1 \t"), "A1");
    EXPECT_EQ(normalizeExcelCell("sheet1!$b$2"), "SHEET1!$B$2");
    EXPECT_EQ(normalizeExcelCell("a\r\n1"), "A1");
    EXPECT_EQ(normalizeExcelCell("\xC3\xA4x"), "\xC3\xA4X"); // bytes of other scripts are kept as they are
    EXPECT_EQ(normalizeExcelCell(" \n\t "), "");
}

TEST(EquationText, EveryFitTypeGivesAValidFormula) {
    const ZoneFit line = fitted({1.5, -0.25});
    struct Case {
        int fitType;
        bool simple;
        const char *expected;
    } cases[] = {
        {XvsY, false, "= -2.500E-01*A1 + 1.500E+00"},
        {LnXvsY, false, "= -2.500E-01*LN(A1) + 1.500E+00"},
        {XvsLnY, false, "= exp(-2.500E-01*A1 + 1.500E+00)"},
        {LnXvsLnY, false, "= exp(-2.500E-01*LN(A1) + 1.500E+00)"},
        {InvXvsLnY, false, "= exp(-2.500E-01*(1/A1) + 1.500E+00)"},
        {Lmp, false, "= exp(-2.500E-01*A1 + 1.500E+00)"},
        {XvsY, true, "= -2.500E-01*x + 1.500E+00"},
        {XvsLnY, true, "= -2.500E-01*x + 1.500E+00"},
        {Lmp, true, "-2.500E-01x + 1.500E+00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(text(c.fitType, c.simple, "A1", line), c.expected) << c.fitType << " simple " << c.simple;
    EXPECT_EQ(text(XvsY, false, "A1", fitted({0.5, -1, 2.25})),
              "= 2.250E+00*A1^2 - 1.000E+00*A1 + 5.000E-01");
    EXPECT_EQ(text(Lmp, true, "A1", fitted({0.5, -1, 2.25}), 2), "2.25E+00x2 - 1.00E+00x + 5.00E-01");
}

TEST(EquationText, MissingCellAndFailedFit) {
    EXPECT_EQ(text(XvsY, false, "", fitted({1, 2})), "You must enter a value for the Excel cell");
    EXPECT_EQ(text(XvsY, false, "A1", ZoneFit()), "error - not fitted");
    EXPECT_EQ(text(XvsY, false, "", ZoneFit()), "error - not fitted");
}

TEST(EquationText, AnyCellTextAndAnyCoefficientIsSafe) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    const std::vector<double> odd = {nan, -inf, 1e308, -1e-308, 0};
    const std::string cells[] = {"=*^", "e-e+", std::string(5000, 'z'), "\x01\x7f\xff", "((", "A1^4 "};
    for (const std::string &cell : cells)
        for (int type = 0; type <= Lmp; ++type)
            for (bool simple : {false, true}) {
                const std::string t = text(type, simple, normalizeExcelCell(cell), fitted(odd), 20);
                EXPECT_FALSE(t.empty());
                EXPECT_EQ(t.find('\n'), std::string::npos);
            }
}

TEST(CoefficientTable, RowsHoldTheCoefficientsForwardReversedAndAdjusted) {
    std::vector<double> c(16), adjusted(16);
    for (int i = 0; i < 16; ++i) {
        c[i] = i + 1;
        adjusted[i] = -(i + 1);
    }
    const CoefficientTable table = coefficientTable(fitted(c), adjusted, 2, false);
    EXPECT_EQ(table.order, 15);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(table.cells[0][i], formatScientific(i + 1, 2));
        EXPECT_EQ(table.cells[1][15 - i], formatScientific(i + 1, 2));
        EXPECT_EQ(table.cells[2][i], formatScientific(-(i + 1), 2));
        EXPECT_TRUE(table.fromFit[0][i] && table.fromFit[1][i] && table.fromFit[2][i]);
    }
    EXPECT_EQ(table.cells[0][0], "1.00e+00");
    EXPECT_EQ(table.coefficientRow(true).back(), "-1.60e+01");
}

TEST(CoefficientTable, UnusedCellsAreEmptyOrZeroAndAFailedFitLeavesAllEmpty) {
    const CoefficientTable plain = coefficientTable(fitted({1.5, -0.25}), {2.5, -0.25}, 3, false);
    EXPECT_EQ(plain.cells[0][0], "1.500e+00");
    EXPECT_EQ(plain.cells[0][1], "-2.500e-01");
    EXPECT_EQ(plain.cells[0][2], "");
    EXPECT_EQ(plain.cells[1][15], "1.500e+00");
    EXPECT_EQ(plain.cells[1][14], "-2.500e-01");
    EXPECT_EQ(plain.cells[1][13], "");
    EXPECT_EQ(plain.cells[2][0], "2.500e+00");
    EXPECT_EQ(plain.coefficientRow(false), (std::vector<std::string>{"1.500e+00", "-2.500e-01"}));

    const CoefficientTable zeros = coefficientTable(fitted({1.5, -0.25}), {}, 3, true);
    EXPECT_EQ(zeros.cells[0][2], "0.0");
    EXPECT_EQ(zeros.cells[1][0], "0.0");
    EXPECT_EQ(zeros.cells[2][0], "0.0"); // no adjusted coefficients given
    EXPECT_EQ(zeros.cells[2][15], "0.0");
    EXPECT_FALSE(zeros.fromFit[2][0]);

    const CoefficientTable failed = coefficientTable(ZoneFit(), {}, 3, true);
    EXPECT_EQ(failed.order, -1);
    for (const auto &row : failed.cells)
        for (const std::string &cell : row)
            EXPECT_EQ(cell, "");
    EXPECT_TRUE(failed.coefficientRow(false).empty());
}

TEST(AdjustedCoefficients, NeighboursMeetAtTheirLimitsAroundTheReferenceZone) {
    const std::vector<ZoneFit> zones = {fitted({0, 1}), fitted({5, 2}), fitted({-1, -1, 0.5}),
                                        fitted({4, 0})};
    const std::vector<double> limits = {0, 1, 2, 3.5, 5};
    for (int reference = 0; reference < 4; ++reference) {
        const auto adjusted = adjustedCoefficients(zones, limits, reference);
        ASSERT_EQ(adjusted.size(), 4u);
        EXPECT_EQ(adjusted[reference], zones[reference].coefficients) << reference;
        for (int k = 0; k + 1 < 4; ++k) {
            const double at = limits[k + 1];
            EXPECT_NEAR(evaluate(adjusted[k], at), evaluate(adjusted[k + 1], at), 1e-12)
                << reference << " " << k;
        }
        for (int k = 0; k < 4; ++k) // only the constant term moves
            for (size_t i = 1; i < adjusted[k].size(); ++i)
                EXPECT_EQ(adjusted[k][i], zones[k].coefficients[i]);
    }
    // Reference zone 0: the first equation stays, the second is lifted from 1.75 to meet 6 at x = 2.5.
    const auto two = adjustedCoefficients({fitted({1, 2}), fitted({3, -0.5})}, {1, 2.5, 4}, 0);
    EXPECT_EQ(two[0], (std::vector<double>{1, 2}));
    EXPECT_EQ(two[1], (std::vector<double>{7.25, -0.5}));
}

TEST(AdjustedCoefficients, OneEquationAndFailedZones) {
    EXPECT_EQ(adjustedCoefficients({fitted({1, 2})}, {0, 1}, 0)[0], (std::vector<double>{1, 2}));
    // A failed middle zone gets nothing and passes no jump on; the out-of-range reference counts as the last.
    const auto adjusted = adjustedCoefficients({fitted({1, 1}), ZoneFit(), fitted({0, 1})}, {0, 1, 2, 3}, 7);
    EXPECT_TRUE(adjusted[1].empty());
    EXPECT_EQ(adjusted[0], (std::vector<double>{1, 1}));
    EXPECT_EQ(adjusted[2], (std::vector<double>{0, 1}));
}

TEST(EquationLine, SignsOfLaterTermsBecomeOperators) {
    EXPECT_EQ(equationLine(0, {"1.000e+00", "2.000e+00"}, "x", false), "eqns[0] = 2.000e+00*x + 1.000e+00");
    EXPECT_EQ(equationLine(3, {"-5.000e-01", "-1.000e+00", "-2.500e-01"}, "x", false),
              "eqns[3] = -2.500e-01*x^2 - 1.000e+00*x - 5.000e-01");
    EXPECT_EQ(equationLine(1, {"5.0e-01", "-1.0e+00", "2.0e+00", "-3.0e+00"}, "T", false),
              "eqns[1] = -3.0e+00*T^3 + 2.0e+00*T^2 - 1.0e+00*T + 5.0e-01");
    EXPECT_EQ(equationLine(2, {"4.0e+00"}, "x", true), "eqns[2] = \"4.0e+00\";");
    EXPECT_EQ(equationLine(0, {"nan", "-inf"}, "x", false), "eqns[0] = -inf*x + nan");
    EXPECT_EQ(equationLine(4, {}, "x", false), "eqns[4] = error - not fitted");
    EXPECT_EQ(equationLine(0, {"-", ""}, "x", false), "eqns[0] = *x - ");
}

TEST(PlotSummaryText, OneLinePerEquationWithItsRangeAsX) {
    SummaryTextInput in;
    in.fitType = LnXvsY;
    in.pointCount = 5;
    in.displayOnPlot = true;
    in.variable = "LN(A1)";
    in.dataXMin = 0;
    in.upperLimits = {std::log(10.0), std::log(100.0)};
    in.equationTexts = {"= 1.0E+00*LN(A1)^4 - 2.0E+00*LN(A1) + 3.0E+00", "= 5.0E-01*LN(A1) + 1.0E+00"};
    in.rSquaredTexts = {"0.999000", "0.950000"};
    in.maxDifferenceTexts = {"1.5", "-2.0"};
    in.formatX = [](double v) { return formatFixed(v, 1); };
    EXPECT_EQ(plotSummaryText(in),
              "y = 1.0E+00*LN(A1)^4\n- 2.0E+00*LN(A1) + 3.0E+00   1.0 - 10.0  R^2 = 0.999000   "
              "Max. diff. = 1.5%\n"
              "y = 5.0E-01*LN(A1) + 1.0E+00   10.0 - 100.0  R^2 = 0.950000   Max. diff. = -2.0%\n");
    in.developerMode = true;
    in.upperLimits.resize(1);
    EXPECT_EQ(plotSummaryText(in),
              "y = 1.0E+00*LN(A1)^4\n- 2.0E+00*LN(A1) + 3.0E+00   1.0 - 10.0  Max. diff. = 1.5%\n");

    in.developerMode = false;
    in.fitType = InvXvsLnY;
    in.variable = "(1/A1)";
    in.dataXMin = 0.1;
    in.upperLimits = {0.5};
    in.equationTexts = {"= exp(1.0E+00*(1/A1) + 2.0E+00)"};
    EXPECT_EQ(plotSummaryText(in),
              "y = exp(1.0E+00*(1/A1) + 2.0E+00)   10.0 - 2.0  R^2 = 0.999000   Max. diff. = 1.5%\n");
}

TEST(PlotSummaryText, EmptyWhenHiddenOrWithTooFewPoints) {
    SummaryTextInput in;
    in.fitType = XvsY;
    in.displayOnPlot = true;
    in.pointCount = 1;
    in.upperLimits = {3};
    EXPECT_EQ(plotSummaryText(in), "");
    in.pointCount = 2; // texts missing for the equation and no formatter: still a line, no crash
    EXPECT_EQ(plotSummaryText(in), "y    0.000000e+00 - 3.000000e+00  R^2 =    Max. diff. = %\n");
    in.displayOnPlot = false;
    EXPECT_EQ(plotSummaryText(in), "");
    in.displayOnPlot = true;
    in.fitType = Lmp;
    in.larsonMillerSummary = "LMP summary";
    EXPECT_EQ(plotSummaryText(in), "LMP summary");
}

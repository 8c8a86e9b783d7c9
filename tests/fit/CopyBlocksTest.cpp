// The "Copy eqns." blocks, the copied range of the hidden copy table and the clipboard text.
#include "fit/CopyBlocks.h"

#include "axis/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

ZoneFit fitted(std::vector<double> coefficients) {
    ZoneFit zone;
    zone.order = static_cast<int>(coefficients.size()) - 1;
    zone.fitted = true;
    zone.coefficients = std::move(coefficients);
    return zone;
}

// Two order-1 equations meeting 4.25 apart at x = 2.5, with reference zone 0.
CopyBlockInput twoEquations() {
    const std::vector<ZoneFit> zones = {fitted({1, 2}), fitted({3, -0.5})};
    CopyBlockInput in;
    in.limits = {0.999999, 2.5, 4.0000024};
    in.formatX = [](double v) { return formatFixed(v, 4); };
    const auto adjusted = adjustedCoefficients(zones, in.limits, 0);
    for (size_t k = 0; k < zones.size(); ++k)
        in.tables.push_back(coefficientTable(zones[k], adjusted[k], 3, false));
    in.maxDifferences = {0.54, -1.25};
    return in;
}

std::string clipboard(const CopyBlocks &blocks, int fitType, int equationCount, bool adjust, bool developer) {
    return selectionText(copyTableCells(blocks),
                         copyEquationsRange(fitType, equationCount, adjust, developer));
}

const char *const notAdjustedTwo = "not adjusted\n"
                                   "t[0] = 1.0000\n"
                                   "t[1] = 2.5000\n"
                                   "t[2] = 4.0000\n"
                                   "\n"
                                   "eqns[0] = 2.000e+00*x + 1.000e+00\n"
                                   "eqns[1] = -5.000e-01*x + 3.000e+00";
const char *const adjustedTwo = "adjusted\n"
                                "t[0] = 1.0000\n"
                                "t[1] = 2.5000\n"
                                "t[2] = 4.0000\n"
                                "\n"
                                "eqns[0] = 2.000e+00*x + 1.000e+00\n"
                                "eqns[1] = -5.000e-01*x + 7.250e+00";

} // namespace

TEST(CopyBlocks, TwoEquationsGiveLabelledBlocksOfLimitsAndLines) {
    const CopyBlocks blocks = buildCopyBlocks(twoEquations());
    EXPECT_EQ(blocks.notAdjusted, notAdjustedTwo);
    EXPECT_EQ(blocks.adjusted, adjustedTwo);
    EXPECT_EQ(clipboard(blocks, XvsY, 2, false, false), std::string(notAdjustedTwo) + "\n");
    EXPECT_EQ(clipboard(blocks, XvsY, 2, true, false),
              std::string(notAdjustedTwo) + "\n" + adjustedTwo + "\n");
}

TEST(CopyBlocks, OneEquationHasNoLabelAndCopiesOnlyTheNotAdjustedBlock) {
    CopyBlockInput in = twoEquations();
    in.limits = {0.999999, 4.0000024};
    in.tables.resize(1);
    const CopyBlocks blocks = buildCopyBlocks(in);
    const char *const expected = "t[0] = 1.0000\n"
                                 "t[1] = 4.0000\n"
                                 "\n"
                                 "eqns[0] = 2.000e+00*x + 1.000e+00";
    EXPECT_EQ(blocks.notAdjusted, expected);
    EXPECT_EQ(clipboard(blocks, XvsY, 1, true, false), std::string(expected) + "\n");
}

TEST(CopyBlocks, DeveloperModeCompactsTheBlocks) {
    CopyBlockInput in = twoEquations();
    in.developerMode = true;
    in.tables[1] = coefficientTable(fitted({3, -0.5, 0.25}), {3, -0.5, 0.25}, 3, false);
    const CopyBlocks blocks = buildCopyBlocks(in);
    EXPECT_EQ(blocks.notAdjusted, "not adjusted\n"
                                  "t[0] = 1.0000; t[1] = 2.5000; t[2] = 4.0000; \n"
                                  "eqns[0] = \"2.000E+00x + 1.000E+00\"; // 0.5%\n"
                                  "eqns[1] = \"2.500E-01x2 - 5.000E-01x + 3.000E+00\"; // -1.2%");
    EXPECT_EQ(blocks.adjusted, "adjusted\n"
                               "t[0] = 1.0000; t[1] = 2.5000; t[2] = 4.0000; \n"
                               "eqns[0] = \"2.000E+00x + 1.000E+00\";\n"
                               "eqns[1] = \"2.500E-01x2 - 5.000E-01x + 3.000E+00\";");
}

TEST(CopyBlocks, LimitsAreRoundedAndShownAsX) {
    CopyBlockInput in = twoEquations();
    in.fitType = LnXvsY;
    in.limitsAsX = true;
    in.limits = {std::log(0.5), std::log(20.0), std::log(150.0)};
    in.formatX = [](double v) { return formatFixed(v, 3); };
    std::string block = buildCopyBlocks(in).notAdjusted;
    EXPECT_EQ(block.substr(0, block.find("\n\n")),
              "not adjusted\nt[0] = 0.500\nt[1] = 20.000\nt[2] = 150.000");

    in.fitType = InvXvsLnY;
    in.limits = {0.1, 0.25, 2};
    block = buildCopyBlocks(in).notAdjusted;
    EXPECT_EQ(block.substr(0, block.find("\n\n")), "not adjusted\nt[0] = 10.000\nt[1] = 4.000\nt[2] = 0.500");

    in.fitType = XvsY;
    in.limitsAsX = false;
    in.rounding = {true, 1, 100};
    in.limits = {1.4, 50.5, 120.2};
    block = buildCopyBlocks(in).notAdjusted;
    EXPECT_EQ(block.substr(0, block.find("\n\n")),
              "not adjusted\nt[0] = 1.000\nt[1] = 51.000\nt[2] = 120.000");
}

TEST(CopyBlocks, LarsonMillerDeveloperNote) {
    CopyBlockInput in = twoEquations();
    in.fitType = Lmp;
    in.developerMode = true;
    in.larsonMiller = {"20.00", 811.3, 922.1, -3.7};
    const std::string block = buildCopyBlocks(in).notAdjusted;
    EXPECT_EQ(block.substr(0, block.find('\n', 13)), "not adjusted\nt[0] = 1.0000; t[1] = 2.5000; "
                                                     "t[2] = 4.0000; // 20.00, 811, 923, 4");
}

TEST(CopyBlocks, MissingTablesOrLimitsAndFailedEquations) {
    CopyBlockInput in = twoEquations();
    in.limits.resize(2); // fewer limits than equations: only the equations the limits cover
    EXPECT_EQ(buildCopyBlocks(in).notAdjusted,
              "t[0] = 1.0000\nt[1] = 2.5000\n\neqns[0] = 2.000e+00*x + 1.000e+00");
    in.limits.clear();
    EXPECT_EQ(buildCopyBlocks(in).notAdjusted, "");
    in = twoEquations();
    in.tables[1] = coefficientTable(ZoneFit(), {}, 3, false);
    in.formatX = nullptr;
    const std::string block = buildCopyBlocks(in).notAdjusted;
    EXPECT_EQ(block.substr(block.rfind('\n') + 1), "eqns[1] = error - not fitted");
    EXPECT_NE(block.find("t[1] = 2.500000e+00"), std::string::npos);
}

TEST(CopyEquations, RangeAndClipboardText) {
    struct Case {
        int fitType, equations;
        bool adjust, developer;
        int firstRow, lastRow, lastColumn;
    } cases[] = {
        {XvsY, 1, false, false, 1, 1, 0},    {XvsY, 2, false, false, 1, 1, 0},
        {XvsY, 2, true, false, 1, 2, 0},     {XvsY, 1, true, false, 1, 1, 0},
        {Lmp, 2, false, false, 0, 1, 6},     {Lmp, 2, true, false, 0, 2, 6},
        {Lmp, 1, true, false, 0, 1, 6},      {Lmp, 2, true, true, 1, 2, 0},
        {InvXvsLnY, 3, true, true, 1, 2, 0},
    };
    for (const Case &c : cases) {
        const CellRange range = copyEquationsRange(c.fitType, c.equations, c.adjust, c.developer);
        EXPECT_EQ(range.firstRow, c.firstRow);
        EXPECT_EQ(range.lastRow, c.lastRow);
        EXPECT_EQ(range.firstColumn, 0);
        EXPECT_EQ(range.lastColumn, c.lastColumn);
    }
    const std::vector<std::vector<std::string>> cells = {{"a", "b", "c"}, {"d"}};
    EXPECT_EQ(selectionText(cells, {0, 1, 0, 2}), "a\tb\tc\nd\t\t\n");
    EXPECT_EQ(selectionText(cells, {-1, 0, 1, 1}), "\nb\n");
    EXPECT_EQ(selectionText(cells, {0, -1, 0, 0}), "");
}

TEST(CopyEquations, RoundLarsonMillerConstantWarning) {
    EXPECT_TRUE(larsonMillerConstantHasTwoDecimals("20.15"));
    EXPECT_FALSE(larsonMillerConstantHasTwoDecimals("20.00"));
    EXPECT_FALSE(larsonMillerConstantHasTwoDecimals("20.5"));
    EXPECT_FALSE(larsonMillerConstantHasTwoDecimals(""));
}

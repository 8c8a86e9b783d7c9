// The axis angle read-out and the one-time log-scaling and reversed-axis warnings.
#include "axis/AxisChecks.h"

#include <gtest/gtest.h>

namespace {

AxisTables realValues(const char *xMin, const char *xMax, const char *yMin, const char *yMax) {
    AxisTables t;
    t.cell(AxisX, AxisMinRow, RealValueColumn) = xMin;
    t.cell(AxisX, AxisMaxRow, RealValueColumn) = xMax;
    t.cell(AxisY, AxisMinRow, RealValueColumn) = yMin;
    t.cell(AxisY, AxisMaxRow, RealValueColumn) = yMax;
    return t;
}

AxisOptions scales(int x, int y) {
    AxisOptions options;
    options.axisScaleType[0] = x;
    options.axisScaleType[1] = y;
    return options;
}

const AxisWarningOptions both{true, true};
const char *const kScalingTail = "\n\nThese settings are allowed but might not be what you intended.\n\n"
                                 "You can disable this warning in the \"Options\" menu.";
const char *const kReversedText =
    "Your min value is greater than your max value. This is allowed but might not "
    "be what you intended.\n\nYou can disable this warning in the \"Options\" menu.";

} // namespace

TEST(AxisChecks, AngleReadout) {
    // The min corner is at (100, 400); window y grows downwards.
    struct Case {
        int axis;
        double x, y;
        const char *text;
        AngleTint tint;
    } cases[] = {
        {AxisX, 200, 400, "0.00", AngleTint::Green},
        {AxisX, 1100, 401, "-0.06", AngleTint::Yellow},
        {AxisX, 200, 390, "5.71", AngleTint::Red},
        {AxisX, 10100, 399.13, "0.00", AngleTint::Green},
        {AxisX, 1000, 400.0000001, "0.00", AngleTint::Green}, // would read "-0.00"
        {AxisY, 100, 0, "90.00", AngleTint::Green},
        {AxisY, 101, 300, "89.43", AngleTint::Red},
        {AxisY, 100.1, 300, "89.94", AngleTint::Yellow},
        {AxisY, 99, 300, "90.57", AngleTint::Red},
    };
    for (const Case &c : cases) {
        std::optional<AxisAngleReadout> r = axisAngleReadout(c.axis, 100, 400, c.x, c.y);
        ASSERT_TRUE(r) << c.x << ", " << c.y;
        EXPECT_EQ(r->text, c.text) << c.x << ", " << c.y;
        EXPECT_EQ(r->tint, c.tint) << c.x << ", " << c.y;
    }
    EXPECT_NEAR(axisAngleReadout(AxisY, 100, 400, 101, 300)->degrees, 89.427, 1e-3);
}

TEST(AxisChecks, NoAngleUntilTheCursorIsPastTheCorner) {
    EXPECT_FALSE(axisAngleReadout(AxisX, 100, 400, 100.1, 300));
    EXPECT_FALSE(axisAngleReadout(AxisX, 100, 400, 100, 400));
    EXPECT_FALSE(axisAngleReadout(AxisX, 100, 400, 50, 400));
    EXPECT_FALSE(axisAngleReadout(AxisY, 100, 400, 100, 400.5));
    EXPECT_FALSE(axisAngleReadout(AxisY, 100, 400, 300, 399.95));
    EXPECT_TRUE(axisAngleReadout(AxisY, 100, 400, 100, 399.8));
}

TEST(AxisChecks, LogScalingWarning) {
    struct Case {
        const char *xMin;
        const char *xMax;
        int xScale;
        const char *yMin;
        const char *yMax;
        int yScale;
        const char *lines; // nullptr: no warning
    } cases[] = {
        {"1", "1000", 0, "0", "50", 0, "Check your X-axis linear/log scaling.\n"},
        {"0", "50", 0, "1", "10", 1, "Check your Y-axis linear/log scaling."},
        {"1", "1000", 0, "1", "10", 1,
         "Check your X-axis linear/log scaling.\nCheck your Y-axis linear/log scaling."},
        {"1", "99,9", 0, "1", "99.9", 1, nullptr}, // exactly at the ratio: neither
        {"1", "100", 1, "1", "99", 0, nullptr},
        {"-1", "1000", 0, "0", "1e6", 0, nullptr}, // only positive pairs are judged
        {"1000", "1", 1, "10", "1", 0, "Check your X-axis linear/log scaling.\n"},
    };
    for (const Case &c : cases) {
        AxisWarningFlags flags;
        std::optional<AxisWarning> w = checkAxisSanity(realValues(c.xMin, c.xMax, c.yMin, c.yMax),
                                                       scales(c.xScale, c.yScale), {true, false}, flags);
        EXPECT_TRUE(flags.logWarningShown);
        EXPECT_FALSE(flags.reversedWarningShown);
        if (!c.lines) {
            EXPECT_FALSE(w) << c.xMax << " " << c.yMax;
            continue;
        }
        ASSERT_TRUE(w) << c.xMax << " " << c.yMax;
        EXPECT_EQ(w->caption, "Axis scaling options");
        EXPECT_EQ(w->text, std::string(c.lines) + kScalingTail);
    }
}

TEST(AxisChecks, ReversedWarning) {
    struct Case {
        const char *xMin;
        const char *xMax;
        const char *yMin;
        const char *yMax;
        const char *caption; // nullptr: no warning
    } cases[] = {
        {"10", "0", "0", "50", "X-axis definition warning"},
        {"0", "10", "50", "-50", "Y-axis definition warning"},
        {"10", "0", "50", "0", "X & Y-axis definitions warning"},
        {"5", "5", "0", "50", "X-axis definition warning"}, // equal counts as reversed
        {"0", "10", "0", "50", nullptr},
    };
    for (const Case &c : cases) {
        AxisWarningFlags flags;
        std::optional<AxisWarning> w =
            checkAxisSanity(realValues(c.xMin, c.xMax, c.yMin, c.yMax), scales(0, 0), {false, true}, flags);
        EXPECT_TRUE(flags.reversedWarningShown);
        EXPECT_FALSE(flags.logWarningShown);
        if (!c.caption) {
            EXPECT_FALSE(w);
            continue;
        }
        ASSERT_TRUE(w) << c.xMin;
        EXPECT_EQ(w->caption, c.caption);
        EXPECT_EQ(w->text, kReversedText);
    }
}

TEST(AxisChecks, EachWarningOncePerClickInTurn) {
    AxisTables t = realValues("1000", "1", "0", "50"); // X reversed, and too narrow for its log scale
    AxisWarningFlags flags;
    std::optional<AxisWarning> first = checkAxisSanity(t, scales(1, 0), both, flags);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->caption, "Axis scaling options");
    EXPECT_FALSE(flags.reversedWarningShown); // the reversed check waits for the next click
    std::optional<AxisWarning> second = checkAxisSanity(t, scales(1, 0), both, flags);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->caption, "X-axis definition warning");
    EXPECT_FALSE(checkAxisSanity(t, scales(1, 0), both, flags));

    // A scaling check that finds nothing lets the reversed check speak at the same click.
    AxisWarningFlags fresh;
    std::optional<AxisWarning> w =
        checkAxisSanity(realValues("10", "0", "0", "50"), scales(0, 0), both, fresh);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->caption, "X-axis definition warning");
    EXPECT_TRUE(fresh.logWarningShown && fresh.reversedWarningShown);

    // Options off: nothing is checked and no flag is set.
    AxisWarningFlags untouched;
    EXPECT_FALSE(checkAxisSanity(t, scales(1, 0), {false, false}, untouched));
    EXPECT_FALSE(untouched.logWarningShown || untouched.reversedWarningShown);
}

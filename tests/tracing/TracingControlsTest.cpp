// Reading the colour tolerance and the search length from their fields, and the preset buttons.
#include "tracing/TracingControls.h"

#include <gtest/gtest.h>

TEST(TracingControls, ColorToleranceResetsOutside25To100) {
    struct Case {
        const char *text;
        int value;
        bool reset;
    } cases[] = {
        {"70", 70, false},  {"25", 25, false}, {"100", 100, false}, {" 60", 60, false},
        {"60x", 60, false}, {"24", 50, true},  {"101", 50, true},   {"150", 50, true},
        {"", 50, true},     {"abc", 50, true}, {"-70", 50, true},   {"99999999999999999999", 50, true},
    };
    for (const Case &c : cases) {
        FieldReading reading = readColorTolerance(c.text);
        EXPECT_EQ(reading.value, c.value) << c.text;
        EXPECT_EQ(reading.reset, c.reset) << c.text;
    }
}

TEST(TracingControls, TolerancePresets) {
    EXPECT_EQ(tolerancePresetValue(0), 25);
    EXPECT_EQ(tolerancePresetValue(1), 50);
    EXPECT_EQ(tolerancePresetValue(2), 100);
    EXPECT_EQ(tolerancePresetValue(-1), 25);
    EXPECT_EQ(tolerancePresetValue(3), 25);
    // A stored value that is no preset shows "M" selected.
    EXPECT_EQ(tolerancePresetIndex("25"), 0);
    EXPECT_EQ(tolerancePresetIndex("100"), 2);
    EXPECT_EQ(tolerancePresetIndex("70"), 1);
    EXPECT_EQ(tolerancePresetIndex("150"), 1);
    EXPECT_EQ(tolerancePresetIndex(""), 1);
}

TEST(TracingControls, SearchLengthResetsOutside10To100) {
    struct Case {
        const char *text;
        int value;
        bool reset;
    } cases[] = {
        {"10", 10, false}, {"100", 100, false}, {"45", 45, false}, {"9", 30, true},
        {"101", 30, true}, {"", 30, true},      {"x20", 30, true},
    };
    for (const Case &c : cases) {
        FieldReading reading = readSearchLength(c.text);
        EXPECT_EQ(reading.value, c.value) << c.text;
        EXPECT_EQ(reading.reset, c.reset) << c.text;
    }
}

TEST(TracingControls, SearchLengthPresetsAndPointCounts) {
    EXPECT_EQ(searchLengthPresetValue(4), 100);
    EXPECT_EQ(searchLengthPresetValue(7), 10);
    EXPECT_EQ(searchLengthPresetIndex("50"), 3);
    EXPECT_EQ(searchLengthPresetIndex("45"), 2);
    EXPECT_EQ(autoFindPointCount(0), 10);
    EXPECT_EQ(autoFindPointCount(13), 1000);
    EXPECT_EQ(autoFindPointCount(99), 1000);
    EXPECT_EQ(autoFindPointCount(-1), 10);
}

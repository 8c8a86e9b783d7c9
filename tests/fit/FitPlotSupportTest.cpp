// The point palette and the wheel step of the zone-limit fields.
#include "fit/PointPalette.h"
#include "fit/WheelStep.h"

#include <gtest/gtest.h>

#include <cstdio>

TEST(PointPalette, HoldsTwentyTwoColoursThenBlackOrWhite) {
    EXPECT_EQ(pointPaletteColour(0), 0xFFFF0000u);
    EXPECT_EQ(pointPaletteColour(5), 0xFF8080FFu);  // 128/128/255
    EXPECT_EQ(pointPaletteColour(9), 0xFFBEA03Cu);  // 190/160/60
    EXPECT_EQ(pointPaletteColour(21), 0xFF800040u); // 128/0/64
    EXPECT_EQ(pointPaletteColour(22), 0xFF000000u);
    EXPECT_EQ(pointPaletteColour(22, true), 0xFFFFFFFFu);
    EXPECT_EQ(pointPaletteColour(-1, true), 0xFFFFFFFFu);
}

TEST(WheelStep, IsOneMoreThanThePixelsNeededToChangeTheText) {
    // x = pixel / 100 with 1 decimal: pixel 100 reads 1.0, 1.1 first at 105 (k = 5), 0.9 first at 94 (m = 6).
    auto text = [](int pixel) {
        char s[32];
        std::snprintf(s, sizeof s, "%.1f", pixel * 0.01 + 1e-9);
        return std::string(s);
    };
    EXPECT_EQ(wheelStep(text, 1000), 7);
    EXPECT_EQ(wheelStep(text, 5), 6); // the left side finds no change within 5 pixels
    // A flat x range never changes its text: the search stops at the limit.
    EXPECT_EQ(wheelStep([](int) { return std::string("5.0"); }, 1000), 1);
}

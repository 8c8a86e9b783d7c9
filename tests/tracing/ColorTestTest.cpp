// The colour test with its strict tolerance, the swatch text colour and the swatch text.
#include "tracing/ColorTest.h"

#include <gtest/gtest.h>

TEST(ColorTest, EachComponentMustDifferByLessThanTheTolerance) {
    const uint32_t curve = rgbColor(200, 30, 30);
    struct Case {
        int r, g, b, tolerance;
        bool matches;
    } cases[] = {
        {240, 60, 0, 50, true},     {250, 30, 30, 50, false}, {151, 79, 79, 50, true},
        {150, 30, 30, 50, false},   {200, 30, 55, 25, false}, {200, 30, 54, 25, true},
        {200, 30, 30, 0, false},    {200, 30, 30, 1, true},   {0, 255, 255, 256, true},
        {200, 255, 30, 100, false},
    };
    for (const Case &c : cases) {
        uint32_t pixel = rgbColor(c.r, c.g, c.b);
        EXPECT_EQ(colorMatches(pixel, curve, c.tolerance), c.matches) << c.r << " " << c.g << " " << c.b;
        EXPECT_EQ((ColorTest{curve, c.tolerance}.matches(pixel)), c.matches);
    }
}

TEST(ColorTest, AlphaIsIgnored) {
    EXPECT_TRUE(colorMatches(0x00C81E1E, 0xFFC81E1E, 25));
    EXPECT_TRUE(colorMatches(0xFFC81E1E, 0x12C81E1E, 25));
}

TEST(ColorTest, RgbColorClampsComponents) {
    EXPECT_EQ(rgbColor(200, 30, 30), 0xFFC81E1Eu);
    EXPECT_EQ(rgbColor(-5, 300, 0), 0xFF00FF00u);
}

TEST(ColorTest, ContrastColorByLuminance) {
    EXPECT_EQ(contrastColor(rgbColor(10, 10, 120)), 0xFFFFFFFFu); // L = 22.54
    EXPECT_EQ(contrastColor(rgbColor(255, 255, 0)), 0xFF000000u);
    EXPECT_EQ(contrastColor(rgbColor(0, 0, 255)), 0xFFFFFFFFu); // L = 29.07
    EXPECT_EQ(contrastColor(rgbColor(0, 171, 0)), 0xFF000000u); // L = 100.38
    EXPECT_EQ(contrastColor(rgbColor(0, 170, 0)), 0xFFFFFFFFu); // L = 99.79
}

TEST(ColorTest, SwatchTextPadsEachComponentToThreeColumns) {
    EXPECT_EQ(colorSwatchText(rgbColor(5, 30, 200)), "  5   30  200");
    EXPECT_EQ(colorSwatchText(0x00FFFFFF), "255  255  255");
}

// Canvas cursor shapes with and without "Wide", their colours, the colour-pick cursor and the adaptive
// choice.
#include "image/CursorShapes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One row of a cursor: '#' black, 'o' white, '.' transparent.
std::string row(const std::vector<uint32_t>& pixels, int r) {
    std::string text;
    for (int c = 0; c < cursorSize; ++c) {
        uint32_t p = pixels.at(r * cursorSize + c);
        text += p == 0 ? '.' : p == 0xFF000000 ? '#' : p == 0xFFFFFFFF ? 'o' : '?';
    }
    return text;
}

std::string runs(std::initializer_list<std::pair<char, int>> parts) {
    std::string text;
    for (auto part : parts) text += std::string(part.second, part.first);
    return text;
}

} // namespace

TEST(CursorShapes, ShapesWithAndWithoutWide) {
    const std::string empty(cursorSize, '.');
    struct Case {
        int type;
        bool wide;
        int r;
        std::string expected;
    } cases[] = {
        {cursorSolid, false, 0, runs({{'.', 14}, {'#', 2}, {'.', 15}})},
        {cursorSolid, false, 15, std::string(cursorSize, '#')},
        {cursorSolid, true, 14, std::string(cursorSize, '#')},
        {cursorSolidHollow, false, 15, runs({{'#', 13}, {'.', 4}, {'#', 14}})},
        {cursorSolidHollow, false, 13, empty},
        {cursorSolidHollow, false, 12, runs({{'.', 14}, {'#', 2}, {'.', 15}})},
        {cursorSolidHollow, true, 15, runs({{'#', 12}, {'.', 6}, {'#', 13}})},
        {cursorSolidHollow, true, 12, empty},
        {cursorSolidHollow, true, 11, runs({{'.', 14}, {'#', 2}, {'.', 15}})},
        {cursorOutline, false, 14, runs({{'#', 14}, {'.', 3}, {'#', 14}})},
        {cursorOutline, false, 16, runs({{'#', 14}, {'.', 3}, {'#', 14}})},
        {cursorOutline, false, 15, empty},
        {cursorOutline, false, 0, runs({{'.', 14}, {'#', 1}, {'.', 1}, {'#', 1}, {'.', 14}})},
        {cursorOutline, true, 13, runs({{'#', 13}, {'.', 5}, {'#', 13}})},
        {cursorOutline, true, 15, empty},
        {cursorOutline, true, 30, runs({{'.', 13}, {'#', 1}, {'.', 3}, {'#', 1}, {'.', 13}})},
        {7, false, 14, runs({{'#', 14}, {'.', 3}, {'#', 14}})}, // unknown types are Outline
    };
    for (const Case& c : cases) {
        std::vector<uint32_t> pixels = canvasCursorPixels(c.type, cursorBlack, c.wide);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(cursorSize * cursorSize));
        EXPECT_EQ(row(pixels, c.r), c.expected) << "type " << c.type << " wide " << c.wide << " row " << c.r;
        for (int r = 0; r < cursorSize; ++r) // every shape is the same across rows and down columns
            for (int k = 0; k < cursorSize; ++k)
                ASSERT_EQ(pixels[r * cursorSize + k], pixels[k * cursorSize + r]) << r << "," << k;
    }
    EXPECT_EQ(canvasCursorPixels(cursorSolid, cursorBlack, true),
              canvasCursorPixels(cursorSolid, cursorBlack, false));
}

TEST(CursorShapes, Colours) {
    for (int type : {cursorSolid, cursorSolidHollow, cursorOutline}) {
        std::vector<uint32_t> black = canvasCursorPixels(type, cursorBlack, true);
        EXPECT_EQ(canvasCursorPixels(type, cursorAdaptive, true), black);
        EXPECT_EQ(canvasCursorPixels(type, 9, true), black);
        std::vector<uint32_t> white = canvasCursorPixels(type, cursorWhite, true);
        std::vector<uint32_t> mixed = canvasCursorPixels(type, cursorBlackWhite, true);
        for (int i = 0; i < cursorSize * cursorSize; ++i) {
            EXPECT_EQ(white[i], black[i] ? 0xFFFFFFFFu : 0u);
            EXPECT_EQ(mixed[i], black[i] ? (i % 2 ? 0xFFFFFFFFu : 0xFF000000u) : 0u);
        }
    }
    EXPECT_EQ(row(canvasCursorPixels(cursorSolid, cursorBlackWhite, false), 15).substr(0, 4),
              "o#o#"); // 465 is odd
}

TEST(CursorShapes, ColourPickCursor) {
    std::vector<uint32_t> pixels = colourPickCursorPixels(cursorBlack);
    const std::string centre = runs({{'.', 15}, {'#', 1}, {'.', 15}});
    EXPECT_EQ(row(pixels, 15), std::string(cursorSize, '#'));
    EXPECT_EQ(row(pixels, 6), centre);
    EXPECT_EQ(row(pixels, 7), runs({{'.', 7}, {'#', 17}, {'.', 7}}));
    EXPECT_EQ(row(pixels, 8), runs({{'.', 7}, {'#', 1}, {'.', 7}, {'#', 1}, {'.', 7}, {'#', 1}, {'.', 7}}));
    EXPECT_EQ(row(pixels, 23), row(pixels, 7));
    EXPECT_EQ(row(pixels, 24), centre);
    EXPECT_EQ(row(pixels, 0), centre);
    EXPECT_EQ(row(colourPickCursorPixels(cursorWhite), 7), runs({{'.', 7}, {'o', 17}, {'.', 7}}));
}

TEST(CursorShapes, StockCrosshairAndAdaptiveChoice) {
    EXPECT_TRUE(usesStockCrosshair(cursorSolidHollow, cursorBlackWhite));
    EXPECT_FALSE(usesStockCrosshair(cursorSolidHollow, cursorBlack));
    EXPECT_FALSE(usesStockCrosshair(cursorSolid, cursorBlackWhite));
    EXPECT_FALSE(usesStockCrosshair(cursorOutline, cursorBlackWhite));
    // Grey 100 is exactly on the limit; red 76.2, green 149.7, blue 29.1; alpha plays no part.
    struct Case {
        uint32_t pixel;
        bool white;
    } cases[] = {{0xFF646464, true}, {0xFF656565, false}, {0xFF000000, true}, {0xFFFFFFFF, false},
                 {0xFFFF0000, true}, {0xFF00FF00, false}, {0xFF0000FF, true}, {0x00646464, true}};
    for (const Case& c : cases) EXPECT_EQ(adaptiveCursorIsWhite(c.pixel), c.white) << std::hex << c.pixel;
}

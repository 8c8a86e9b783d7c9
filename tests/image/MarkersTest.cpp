// Marker, line and extended-cursor pixels: the edge rules, the hollow passes, and safe clipping.
#include "image/Markers.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// Draws the paints onto a picture of '.' with one letter per colour, in paint order.
std::vector<std::string> render(const std::vector<PixelPaint>& paints, int width, int height) {
    std::vector<std::string> rows(height, std::string(width, '.'));
    for (const PixelPaint& p : paints) {
        char mark = p.color == 0xFF000000   ? 'k'
                    : p.color == 0xFFFF0000 ? 'r'
                    : p.color == 0xFF0000FF ? 'b'
                                            : '#';
        rows.at(p.y).at(p.x) = mark;
    }
    return rows;
}

bool allDrawable(const std::vector<PixelPaint>& paints, int width, int height) {
    for (const PixelPaint& p : paints)
        if (p.x <= 0 || p.x >= width || p.y <= 0 || p.y >= height) return false;
    return true;
}

} // namespace

TEST(Markers, ColourTableAndOutlineRule) {
    EXPECT_EQ(markerColor(0), 0xFFFF0000u);
    EXPECT_EQ(markerColor(4), 0xFFEBEB00u);
    EXPECT_EQ(markerColor(7), 0xFF00A0E6u);
    EXPECT_EQ(markerColor(8), 0xFF00FF00u);
    EXPECT_EQ(markerColor(-1), 0xFF00FF00u);
    EXPECT_EQ(highlightOutlineColor(2), 0xFFFF0000u);
    for (int index : {0, 1, 3, 7}) EXPECT_EQ(highlightOutlineColor(index), 0xFF000000u) << index;
}

TEST(Markers, SolidMarkerThreePixelsInLosesRowAndColumnZero) {
    PictureGeometry picture{12, 12, 5, 7};
    std::vector<PixelPaint> paints;
    appendMarker(paints, picture, 5 + 3, 7 + 3, 0xFF123456, dataMarkerSize, false);
    std::vector<std::string> expected = {
        "............", "...#........", "...#........", ".#######....", "...#........", "...#........",
        "...#........", "...#........", "............", "............", "............", "............",
    };
    EXPECT_EQ(render(paints, 12, 12), expected);
}

TEST(Markers, SolidMarkerNearEdges) {
    const int w = 40, h = 30;
    PictureGeometry picture{w, h, 5, 7};
    struct Case {
        int ix, iy;
        bool drawn;
    } cases[] = {
        {2, 15, false}, {3, 15, true},     {w - 3, 15, true},  {w - 2, 15, false}, {20, 2, false},
        {20, 3, true},  {20, h - 3, true}, {20, h - 2, false}, {0, 0, false},      {-4, 15, false},
    };
    for (MarkerSize size : {referenceMarkerSize, dataMarkerSize})
        for (const Case& c : cases) {
            std::vector<PixelPaint> paints;
            appendMarker(paints, picture, c.ix + 5, c.iy + 7, 0xFF123456, size, false);
            SCOPED_TRACE(testing::Message() << "centre " << c.ix << "," << c.iy << " length " << size.length);
            EXPECT_EQ(!paints.empty(), c.drawn);
            EXPECT_TRUE(allDrawable(paints, w, h));
        }
    std::vector<PixelPaint> inside;
    appendMarker(inside, picture, 20 + 5, 15 + 7, 0xFF123456, referenceMarkerSize, false);
    EXPECT_EQ(inside.size(), 90u); // two 3 x 15 bars
}

TEST(Markers, HollowMarkerOutlineThenColourAroundAFreeCentre) {
    PictureGeometry picture{60, 60, 0, 0};
    std::vector<PixelPaint> paints;
    appendHighlightMarker(paints, picture, 30, 30, 2); // blue data points: red outline
    std::vector<std::string> art = render(paints, 60, 60);
    // Horizontal bar: outline rows -2 .. 1 at offsets -20 .. -5 and 5 .. 19, colour rows -1 .. 0 at
    // -18 .. -5 and 5 .. 17. Vertical bar: outline columns -1 .. 2, colour columns 0 .. 1.
    struct Case {
        int dx, dy;
        char expected;
    } cases[] = {{-21, 0, '.'},  {-20, -2, 'r'}, {-20, -1, 'r'}, {-19, 1, 'r'},  {-18, -2, 'r'},
                 {-18, -1, 'b'}, {-5, 0, 'b'},   {-4, 0, '.'},   {0, 0, '.'},    {4, 0, '.'},
                 {5, 0, 'b'},    {17, 0, 'b'},   {18, 0, 'r'},   {19, 0, 'r'},   {20, 0, '.'},
                 {5, 1, 'r'},    {5, 2, '.'},    {5, -3, '.'},   {-2, -10, '.'}, {-1, -10, 'r'},
                 {0, -10, 'b'},  {1, -10, 'b'},  {2, -10, 'r'},  {3, -10, '.'},  {0, -20, 'r'},
                 {0, -19, 'r'},  {0, -18, 'b'},  {0, 17, 'b'},   {0, 18, 'r'},   {0, 19, 'r'},
                 {0, 20, '.'},   {0, 4, '.'},    {0, 5, 'b'}};
    for (const Case& c : cases)
        EXPECT_EQ(art[30 + c.dy][30 + c.dx], c.expected) << "offset " << c.dx << "," << c.dy;

    paints.clear();
    appendHighlightMarker(paints, picture, 30, 30, 3);
    EXPECT_EQ(paints.front().color, 0xFF000000u); // black data points get a black outline too
    EXPECT_EQ(paints.back().color, markerColor(3));
    paints.clear();
    appendHighlightMarker(paints, picture, 30, 30, 0);
    EXPECT_EQ(render(paints, 60, 60)[30][10], 'k');
}

TEST(Markers, AnyPositionOrSizeStaysInsideThePicture) {
    const int w = 20, h = 16;
    const int positions[] = {INT_MIN, -1000, -1, 0, 1, 10, w, w + 5, INT_MAX};
    const MarkerSize sizes[] = {referenceMarkerSize, dataMarkerSize, {INT_MAX, INT_MAX},
                                {INT_MIN, INT_MIN},  {-5, 3},        {0, 0}};
    for (PictureGeometry picture : {PictureGeometry{w, h, 0, 0}, PictureGeometry{w, h, INT_MIN, INT_MAX},
                                    PictureGeometry{0, 0, 0, 0}, PictureGeometry{-5, -5, 0, 0}})
        for (int x : positions)
            for (int y : positions)
                for (MarkerSize size : sizes)
                    for (bool hollow : {false, true}) {
                        std::vector<PixelPaint> paints;
                        appendMarker(paints, picture, x, y, 0xFF123456, size, hollow);
                        ASSERT_TRUE(allDrawable(paints, w, h))
                            << x << "," << y << " thickness " << size.thickness;
                        ASSERT_LE(paints.size(), 8u * w * h);
                    }
}

TEST(Markers, LineStepsAndExcludesItsEnd) {
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::pair<int, int>> pixels;
    } cases[] = {
        {2, 5, 8, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}},
        {5, 8, 5, 4, {{5, 8}, {5, 7}, {5, 6}, {5, 5}}},
        {0, 0, 3, 3, {{0, 0}, {0, 0}, {1, 1}, {2, 2}}}, // d = 4.24: four steps of 0.707
        {4, 4, 4, 4, {}},
        {-3, 2, 3, 2, {{0, 2}, {1, 2}, {2, 2}}}, // columns -3 .. -1 are off the picture
        {2, 2, 4, 3, {{2, 2}, {2, 2}}},          // d = 2.24: steps 0 and 1 (x 2.89, y 2.45)
    };
    for (const Case& c : cases) {
        std::vector<PixelPaint> paints;
        appendLine(paints, 10, 10, c.x1, c.y1, c.x2, c.y2, 0xFF00FF00);
        std::vector<std::pair<int, int>> got;
        for (const PixelPaint& p : paints) got.push_back({p.x, p.y});
        EXPECT_EQ(got, c.pixels) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(Markers, LineFromFarAwayOnlyWalksThePicture) {
    const int w = 20, h = 10;
    struct Case {
        int x1, y1, x2, y2;
    } cases[] = {{INT_MIN, 5, INT_MAX, 5},
                 {INT_MAX, INT_MAX, INT_MIN, INT_MIN},
                 {5, INT_MIN, 5, INT_MAX},
                 {INT_MIN, INT_MIN, INT_MIN, 0},
                 {-100, -100, -50, -50}};
    for (const Case& c : cases) {
        std::vector<PixelPaint> paints;
        appendLine(paints, w, h, c.x1, c.y1, c.x2, c.y2, 0xFF00FF00);
        EXPECT_LE(paints.size(), 2u * (w + h)) << c.x1 << "," << c.y1;
        for (const PixelPaint& p : paints) ASSERT_TRUE(p.x >= 0 && p.x < w && p.y >= 0 && p.y < h);
    }
    std::vector<PixelPaint> across;
    appendLine(across, w, h, INT_MIN, 5, INT_MAX, 5, 0xFF00FF00);
    EXPECT_GE(across.size(), static_cast<size_t>(w - 1));
}

TEST(Markers, ExtendedCursorCoversRowAndColumn) {
    struct Case {
        int ix, iy;
        size_t count;
    } cases[] = {{3, 4, 10 + 8 - 1},   {0, 4, 0}, {3, 0, 0}, {-1, -1, 0}, {20, 4, 10}, {3, INT_MAX, 8},
                 {INT_MAX, INT_MAX, 0}};
    for (const Case& c : cases) {
        std::vector<PixelPaint> paints;
        appendExtendedCursor(paints, 10, 8, c.ix, c.iy, 0xFF00FF00);
        EXPECT_EQ(paints.size(), c.count) << c.ix << "," << c.iy;
        for (const PixelPaint& p : paints) {
            ASSERT_TRUE(p.x >= 0 && p.x < 10 && p.y >= 0 && p.y < 8);
            EXPECT_TRUE(p.x == c.ix || p.y == c.iy);
        }
    }
}

// The magnified views: the window onto both pictures, cross-hair, line and markers, and the arrows.
#include "image/Magnifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

constexpr uint32_t dataColor = 0xFF0000FF, referenceColor = 0xFFFF0000, background = 0xFF777777;
using Points = std::vector<std::pair<int, int>>;
constexpr int width = 100, height = 80, offsetX = 10, offsetY = 20;

// Every pixel tells where it came from: x in the low byte, y in the next, 0x80 marks the working image.
struct Fixture {
    std::vector<uint32_t> view, work;
    MagnifierSource source;
    Fixture() : view(width * height), work(width * height) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                view[y * width + x] = 0xFF000000u | y << 8 | x;
                work[y * width + x] = 0xFF800000u | y << 8 | x;
            }
        source.viewPixels = view.data();
        source.workPixels = work.data();
        source.picture = {width, height, offsetX, offsetY};
        source.background = background;
        source.dataColor = dataColor;
        source.referenceColor = referenceColor;
        source.showLine = false;
    }
    // Builds the views centred on image pixel (ix, iy).
    MagnifiedViews build(int ix, int iy) const {
        MagnifiedViews views;
        EXPECT_TRUE(buildMagnifiedViews(source, ix + offsetX, iy + offsetY, views));
        return views;
    }
};

uint32_t at(const std::vector<uint32_t>& pixels, int c, int r) {
    return pixels.at(r * magnifiedSize + c);
}

} // namespace

TEST(Magnifier, ShowsTheSixtyPixelsAroundTheCentre) {
    Fixture f;
    MagnifiedViews v = f.build(50, 40);
    ASSERT_EQ(v.plain.size(), 3600u);
    for (int r = 0; r < magnifiedSize; r += 7)
        for (int c = 0; c < magnifiedSize; c += 5) {
            EXPECT_EQ(at(v.plain, c, r), f.view[(10 + r) * width + 20 + c]);
            EXPECT_EQ(at(v.marked, c, r), f.work[(10 + r) * width + 20 + c]);
        }
    v = f.build(5, 78); // left and bottom parts lie outside the picture
    EXPECT_EQ(at(v.plain, 24, 30), background);
    EXPECT_EQ(at(v.plain, 25, 30), f.view[78 * width + 0]);
    EXPECT_EQ(at(v.marked, 25, 31), f.work[79 * width + 0]);
    EXPECT_EQ(at(v.marked, 25, 32), background);
}

TEST(Magnifier, NothingWhenFarOutsideOrTooSmall) {
    Fixture f;
    struct Case {
        int ix, iy;
        bool built;
    } cases[] = {{-30, 40, true},         {-31, 40, false},
                 {50, -30, true},         {50, -31, false},
                 {width + 29, 40, true},  {width + 30, 40, false},
                 {50, height + 29, true}, {50, height + 30, false},
                 {INT_MIN / 2, 0, false}, {INT_MAX - offsetX, 0, false}};
    for (const Case& c : cases) {
        MagnifiedViews v;
        v.plain = {1};
        EXPECT_EQ(buildMagnifiedViews(f.source, c.ix + offsetX, c.iy + offsetY, v), c.built)
            << c.ix << "," << c.iy;
        if (!c.built) {
            EXPECT_EQ(v.plain, std::vector<uint32_t>{1});
        }
    }
    MagnifiedViews v;
    EXPECT_FALSE(buildMagnifiedViews(f.source, INT_MIN, INT_MAX, v));
    f.source.picture.width = 59;
    EXPECT_FALSE(buildMagnifiedViews(f.source, 50, 50, v));
    f.source.picture.width = width;
    f.source.workPixels = nullptr;
    EXPECT_FALSE(buildMagnifiedViews(f.source, 50, 50, v));
}

TEST(Magnifier, CrossHairIsFullInThePlainViewAndOpenInTheMarkedOne) {
    Fixture f;
    f.source.showLine = true;
    MagnifiedViews v = f.build(50, 40);
    for (int i = 0; i < magnifiedSize; ++i) {
        EXPECT_EQ(at(v.plain, i, 30), dataColor);
        EXPECT_EQ(at(v.plain, 30, i), dataColor);
        bool gap = i >= 27 && i <= 33;
        EXPECT_EQ(at(v.marked, i, 30) == dataColor, !gap) << i;
        EXPECT_EQ(at(v.marked, 30, i) == dataColor, !gap) << i;
    }
    EXPECT_EQ(at(v.marked, 30, 30), f.work[40 * width + 50]);
    EXPECT_EQ(at(v.plain, 29, 29), f.view[39 * width + 49]);
}

TEST(Magnifier, LineDrawnAlongItsLongerAxisWithoutItsLargerEnd) {
    Fixture f;
    f.source.showLine = true;
    f.source.linePlaced = true;
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::pair<int, int>> on, off; // positions in the marked view
    } cases[] = {
        // slope 0.5 through (40, 35): x 40 .. 59, y = floor(0.5 x + 15)
        {40, 35, 60, 45, {{20, 25}, {21, 25}, {22, 26}, {39, 34}}, {{40, 35}, {19, 25}, {21, 26}}},
        {60, 45, 40, 35, {{20, 25}, {39, 34}}, {{40, 35}}},
        // steep: y 30 .. 49, x = floor((y + 420) / 10)
        {45, 30, 47, 50, {{25, 20}, {25, 29}, {26, 30}, {26, 39}}, {{27, 40}, {26, 29}}},
    };
    for (const Case& c : cases) {
        f.source.lineX1 = c.x1, f.source.lineY1 = c.y1, f.source.lineX2 = c.x2, f.source.lineY2 = c.y2;
        MagnifiedViews v = f.build(50, 40);
        for (auto p : c.on)
            EXPECT_EQ(at(v.marked, p.first, p.second), referenceColor) << p.first << "," << p.second;
        for (auto p : c.off)
            EXPECT_NE(at(v.marked, p.first, p.second), referenceColor) << p.first << "," << p.second;
        EXPECT_EQ(std::count(v.plain.begin(), v.plain.end(), referenceColor), 0);
    }
    auto countLine = [&](int x1, int y1, int x2, int y2, bool placed, bool show) {
        f.source.lineX1 = x1, f.source.lineY1 = y1, f.source.lineX2 = x2, f.source.lineY2 = y2;
        f.source.linePlaced = placed;
        f.source.showLine = show;
        MagnifiedViews v = f.build(50, 40);
        return std::count(v.marked.begin(), v.marked.end(), referenceColor);
    };
    EXPECT_EQ(countLine(50, 10, 50, 70, true, true), 0); // one column: not shown here
    EXPECT_EQ(countLine(40, 35, 60, 45, false, true), 0);
    EXPECT_EQ(countLine(40, 35, 60, 45, true, false), 0);
    EXPECT_LE(countLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, true, true), 120);
    EXPECT_LE(countLine(INT_MIN, 0, INT_MAX, 1, true, true), 120);
}

TEST(Magnifier, PointMarkersAroundTheirRelativePositions) {
    Fixture f;
    const int cx = 50 + offsetX, cy = 40 + offsetY; // centre in window coordinates
    f.source.referencePoints = {{cx + 5, cy - 6}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}};
    f.source.dataPoints = {{cx - 20, cy + 20}, {cx + 6, cy - 6}, {INT_MAX, INT_MAX}};
    MagnifiedViews v = f.build(50, 40);
    // reference at (35, 24): 3 x 17 upright bar and 17 x 3 lying bar
    for (auto p : Points{{34, 16}, {36, 32}, {27, 23}, {43, 25}, {35, 32}})
        EXPECT_EQ(at(v.marked, p.first, p.second), referenceColor) << p.first << "," << p.second;
    for (auto p : Points{{33, 16}, {34, 15}, {37, 32}, {26, 24}, {44, 24}, {35, 33}})
        EXPECT_NE(at(v.marked, p.first, p.second), referenceColor) << p.first << "," << p.second;
    // data at (10, 50): one pixel thick, five long; and on top of the reference bar at (36, 24)
    for (auto p : Points{{8, 50}, {12, 50}, {10, 48}, {10, 52}, {36, 24}, {38, 24}})
        EXPECT_EQ(at(v.marked, p.first, p.second), dataColor) << p.first << "," << p.second;
    for (auto p : Points{{7, 50}, {13, 50}, {10, 47}, {10, 53}, {9, 49}})
        EXPECT_NE(at(v.marked, p.first, p.second), dataColor) << p.first << "," << p.second;
    EXPECT_EQ(std::count(v.plain.begin(), v.plain.end(), dataColor), 0);
}

namespace {

// The columns of one row that show the arrow colour, as first .. last; -1, -1 when none.
std::pair<int, int> arrowSpan(const std::vector<uint32_t>& pixels, int row, uint32_t color) {
    int first = -1, last = -1;
    for (int c = 0; c < magnifiedSize; ++c)
        if (at(pixels, c, row) == color) {
            if (first < 0) first = c;
            last = c;
        }
    for (int c = first; c >= 0 && c <= last; ++c)
        EXPECT_EQ(at(pixels, c, row), color) << "gap in row " << row;
    return {first, last};
}

std::vector<uint32_t> transposed(const std::vector<uint32_t>& pixels) {
    std::vector<uint32_t> out(pixels.size());
    for (int r = 0; r < magnifiedSize; ++r)
        for (int c = 0; c < magnifiedSize; ++c) out[c * magnifiedSize + r] = pixels[r * magnifiedSize + c];
    return out;
}

} // namespace

TEST(Magnifier, ScanDirectionArrows) {
    const uint32_t color = 0xFF00A0E6, light = 0xFFD2D2D2, dark = 0xFFC8C8C8;
    std::vector<uint32_t> ground = scanDirectionPicture(-1, color);
    EXPECT_EQ(ground, scanDirectionPicture(4, color));
    struct Sample {
        int r, c;
        uint32_t expected;
    } samples[] = {{0, 20, light}, {0, 19, dark},   {0, 39, light},  {0, 40, dark},
                   {20, 0, light}, {20, 40, dark},  {20, 41, light}, {39, 0, light},
                   {40, 25, dark}, {41, 25, light}, {30, 30, dark},  {59, 59, dark}};
    for (const Sample& s : samples) EXPECT_EQ(at(ground, s.c, s.r), s.expected) << s.r << "," << s.c;

    std::vector<uint32_t> up = scanDirectionPicture(0, color), down = scanDirectionPicture(1, color);
    struct Span {
        int row, first, last;
    } upSpans[] = {{0, 29, 30},  {1, 29, 30},  {2, 28, 31}, {13, 23, 36},
                   {14, 22, 37}, {15, 29, 30}, {59, 29, 30}},
      downSpans[] = {{0, 29, 30},  {43, 29, 30}, {44, 21, 38}, {45, 22, 37},
                     {46, 22, 37}, {58, 28, 31}, {59, 29, 30}};
    for (const Span& s : upSpans)
        EXPECT_EQ(arrowSpan(up, s.row, color), std::make_pair(s.first, s.last)) << s.row;
    for (const Span& s : downSpans)
        EXPECT_EQ(arrowSpan(down, s.row, color), std::make_pair(s.first, s.last)) << s.row;
    EXPECT_EQ(at(up, 10, 10), at(ground, 10, 10));
    EXPECT_EQ(scanDirectionPicture(2, color), transposed(up));
    EXPECT_EQ(scanDirectionPicture(3, color), transposed(down));
}

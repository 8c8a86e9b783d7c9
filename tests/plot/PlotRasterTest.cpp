// The shapes of a plot's drawing list painted into a picture: coverage of each shape, order, clipping.
#include "plot/PlotRaster.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const uint32_t bg = 0xFFFFFFFF, ink = 0xFF112233, red = 0xFFFF0000;

PlotItem item(PlotItem::Kind kind, int x, int y, int width, int height, uint32_t colour = ink) {
    PlotItem i;
    i.kind = kind;
    i.x = x;
    i.y = y;
    i.width = width;
    i.height = height;
    i.colour = colour;
    return i;
}

PlotItem line(int x, int y, int x2, int y2, int lineWidth = 1) {
    PlotItem i = item(PlotItem::Line, x, y, 0, 0);
    i.x2 = x2;
    i.y2 = y2;
    i.lineWidth = lineWidth;
    return i;
}

// The picture as rows of '#' (ink or red) and '.' (background).
std::vector<std::string> paint(const std::vector<PlotItem> &items, int w, int h) {
    PlotScene scene;
    scene.background = bg;
    scene.items = items;
    std::vector<uint32_t> pixels;
    rasterizePlotScene(scene, pixels, w, h);
    EXPECT_EQ(pixels.size(), static_cast<size_t>(w) * h);
    std::vector<std::string> rows(h, std::string(w, '.'));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows[y][x] = pixels[y * w + x] == bg ? '.' : pixels[y * w + x] == red ? 'r' : '#';
    return rows;
}

} // namespace

TEST(PlotRaster, ShapesCoverTheirPixels) {
    struct Case {
        const char *name;
        PlotItem shape;
        std::vector<std::string> expected;
    };
    PlotItem marker = item(PlotItem::Triangle, 0, 0, 0, 0);
    marker.triangle = markerTriangle(4, 6, 5); // apex (4, -1), base (1..7, 4)
    const Case cases[] = {
        {"box", item(PlotItem::Box, 1, 1, 3, 2), {".......", ".###...", ".###...", ".......", "......."}},
        {"frame reaches x + width and y + height",
         item(PlotItem::Frame, 1, 0, 3, 3),
         {".####..", ".#..#..", ".#..#..", ".####..", "......."}},
        {"disc of 6",
         item(PlotItem::Disc, 0, 0, 6, 6),
         {".####..", "######.", "######.", "######.", "######."}},
        {"disc of 1",
         item(PlotItem::Disc, 2, 2, 1, 1),
         {".......", ".......", "..#....", ".......", "......."}},
        {"horizontal line with both ends",
         line(1, 2, 4, 2),
         {".......", ".......", ".####..", ".......", "......."}},
        {"diagonal line", line(0, 0, 4, 4), {"#......", ".#.....", "..#....", "...#...", "....#.."}},
        {"wide line", line(1, 1, 4, 1, 2), {".......", ".#####.", ".#####.", ".......", "......."}},
        {"marker triangle", marker, {"...##..", "..###..", "..####.", ".######", "......."}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(paint({c.shape}, 7, 5), c.expected) << c.name;
}

TEST(PlotRaster, LaterItemsCoverEarlierOnesAndTextsAreLeftOut) {
    PlotItem text = item(PlotItem::Text, 0, 0, 7, 5);
    text.text = "label";
    PlotItem rotated = item(PlotItem::RotatedText, 0, 0, 7, 5);
    rotated.text = "y";
    const auto rows =
        paint({item(PlotItem::Box, 0, 0, 4, 2), item(PlotItem::Disc, 1, 0, 2, 2, red), text, rotated}, 7, 3);
    EXPECT_EQ(rows, (std::vector<std::string>{"#rr#...", "#rr#...", "......."}));
}

TEST(PlotRaster, ShapesReachingFarOutsideAreClipped) {
    // Points outside the shown y range still join to the next one; the picture holds only its part.
    const auto rows = paint({line(0, -32000, 6, 32000), item(PlotItem::Disc, -30000, 2, 60000, 60000),
                             item(PlotItem::Box, -5, -5, 100000, 1), item(PlotItem::Frame, -1, -1, 9, 9)},
                            7, 5);
    EXPECT_EQ(rows[2][3], '#') << "the steep line crosses the middle";
    EXPECT_EQ(rows[4], "#######") << "the huge disc covers the lower rows";
    EXPECT_EQ(rows[0], "...#...");
    EXPECT_EQ(paint({item(PlotItem::Disc, 3, 3, 4, 4)}, 0, 0).size(), 0u);
}

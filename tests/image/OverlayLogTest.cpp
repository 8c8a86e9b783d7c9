// The overlay log: erasing puts back exactly the clean picture, the restart rule, and growth on demand.
#include "image/OverlayLog.h"
#include "image/Markers.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::vector<uint32_t> noisePicture(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    uint32_t state = 12345;
    for (uint32_t& p : pixels) {
        state = state * 1103515245u + 12345u;
        p = 0xFF000000u | (state >> 8);
    }
    return pixels;
}

// Paints onto the screen picture and logs, as the window does for every overlay.
void paint(OverlayLog& log, std::vector<uint32_t>& screen, int width, int height,
           const std::vector<PixelPaint>& paints) {
    applyPaints(screen.data(), width, height, paints);
    log.add(paints);
}

} // namespace

TEST(OverlayLog, EraseRestoresThePictureByteForByte) {
    const int w = 50, h = 40;
    PictureGeometry picture{w, h, 3, 4};
    std::vector<uint32_t> clean = noisePicture(w, h), screen = clean;
    OverlayLog log;
    log.reset(w, h);
    for (int round = 0; round < 2; ++round) {
        std::vector<PixelPaint> paints;
        const CanvasPoint centres[] = {{20, 20}, {6, 7},    {3 + w - 3, 4 + 10},
                                       {25, 24}, {-10, 60}, {3 + w, 4 + h}};
        for (CanvasPoint c : centres) {
            appendMarker(paints, picture, c.x, c.y, markerColor(round), referenceMarkerSize, false);
            appendMarker(paints, picture, c.x + 1, c.y + 2, markerColor(5), dataMarkerSize, false);
            appendHighlightMarker(paints, picture, c.x, c.y, round + 1);
        }
        paint(log, screen, w, h, paints);
        ASSERT_NE(screen, clean);
        EXPECT_EQ(log.count(), paints.size());

        std::vector<PixelPaint> restore;
        EXPECT_TRUE(log.erase(clean.data(), w, h, restore));
        EXPECT_EQ(restore.size(), paints.size());
        applyPaints(screen.data(), w, h, restore);
        EXPECT_EQ(screen, clean) << "round " << round;
        EXPECT_EQ(log.count(), 0u);
    }
    std::vector<PixelPaint> nothing;
    EXPECT_TRUE(log.erase(clean.data(), w, h, nothing));
    EXPECT_TRUE(nothing.empty());
}

TEST(OverlayLog, RestartAsksForTheWholePicture) {
    OverlayLog log;
    log.reset(4, 4); // capacity 16: the count restarts when it exceeds 14
    std::vector<uint32_t> clean(16, 0xFF112233);
    for (int i = 0; i < 14; ++i) log.add(i % 4, i / 4);
    EXPECT_EQ(log.count(), 14u);
    EXPECT_FALSE(log.lostPixels());
    log.add(2, 3);
    EXPECT_EQ(log.count(), 0u);
    EXPECT_TRUE(log.lostPixels());
    log.add(1, 1);
    std::vector<PixelPaint> paints;
    EXPECT_FALSE(log.erase(clean.data(), 4, 4, paints));
    EXPECT_TRUE(paints.empty());
    EXPECT_FALSE(log.lostPixels());
    log.add(3, 2);
    EXPECT_TRUE(log.erase(clean.data(), 4, 4, paints));
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].x, 3);
    EXPECT_EQ(paints[0].y, 2);
    EXPECT_EQ(paints[0].color, 0xFF112233u);
}

TEST(OverlayLog, EraseNeedsACleanPictureOfTheSameSize) {
    OverlayLog log;
    std::vector<PixelPaint> paints;
    EXPECT_TRUE(log.erase(nullptr, 0, 0, paints)); // no picture, nothing logged
    log.reset(10, 10);
    EXPECT_TRUE(log.erase(nullptr, 10, 10, paints));
    std::vector<uint32_t> clean(100);
    log.add(5, 5);
    EXPECT_FALSE(log.erase(clean.data(), 10, 9, paints));
    log.add(5, 5);
    EXPECT_FALSE(log.erase(nullptr, 10, 10, paints));
    EXPECT_TRUE(paints.empty());
}

TEST(OverlayLog, IgnoresPixelsOutsideThePicture) {
    OverlayLog log;
    log.add(0, 0); // before any picture
    log.reset(10, 8);
    const int outside[][2] = {{-1, 0}, {10, 0}, {0, 8}, {0, -1}, {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}};
    for (auto& p : outside) log.add(p[0], p[1]);
    EXPECT_EQ(log.count(), 0u);
    log.add({{9, 7, 0}, {10, 7, 0}});
    EXPECT_EQ(log.count(), 1u);
    std::vector<uint32_t> screen(80, 1);
    applyPaints(screen.data(), 10, 8, {{-1, 0, 2}, {10, 0, 2}, {0, 8, 2}, {INT_MIN, INT_MAX, 2}});
    EXPECT_EQ(screen, std::vector<uint32_t>(80, 1));
}

TEST(OverlayLog, MemoryFollowsTheLoggedPixelsNotThePicture) {
    OverlayLog log;
    log.reset(4000, 3000);
    EXPECT_EQ(log.memoryBytes(), 0u);
    for (int i = 0; i < 18000; ++i) log.add(i % 4000, i / 4000);
    EXPECT_LE(log.memoryBytes(), 2 * 4 * log.count());
    log.reset(30, 20);
    EXPECT_EQ(log.memoryBytes(), 0u);
    for (int round = 0; round < 5; ++round)
        for (int i = 0; i < 600; ++i) log.add(i % 30, i / 30);
    EXPECT_LE(log.memoryBytes(), 4u * 600); // never more than one 4-byte entry per picture pixel
}

// A small synthetic picture for the tracing tests: white ground, curve pixels painted in one colour.
#pragma once
#include "tracing/PointSearch.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

constexpr uint32_t curveRed = 0xFFC81E1E; // (200, 30, 30)
constexpr uint32_t white = 0xFFFFFFFF;

struct TracingPicture {
    int width, height;
    int offsetX = 0, offsetY = 0; // where the picture sits in window coordinates
    std::vector<uint32_t> pixels;

    TracingPicture(int w, int h, int ox = 0, int oy = 0, uint32_t ground = white)
        : width(w), height(h), offsetX(ox), offsetY(oy), pixels(static_cast<size_t>(w) * h, ground) {}

    PixelView view() const { return {pixels.data(), width, height, offsetX, offsetY}; }

    // Paints the image-pixel rectangle [x0, x1] x [y0, y1], clipped to the picture.
    void fill(int x0, int y0, int x1, int y1, uint32_t color = curveRed) {
        for (int y = std::max(y0, 0); y <= std::min(y1, height - 1); ++y)
            for (int x = std::max(x0, 0); x <= std::min(x1, width - 1); ++x)
                pixels[static_cast<size_t>(y) * width + x] = color;
    }

    // Paints y = f(x) (image pixels) over every column, thickness pixels high around the rounded
    // value and joined to the next column so that steep parts stay connected.
    template <class F> void drawCurve(F f, int thickness) {
        for (int x = 0; x < width; ++x) {
            int a = static_cast<int>(std::lround(f(x))), b = static_cast<int>(std::lround(f(x + 1)));
            fill(x, std::min(a, b) - thickness / 2, x, std::max(a, b) + (thickness - 1) / 2);
        }
    }
};

inline SearchSettings searchSettings(int direction, int length = 30, int location = pickMiddle,
                                     uint32_t color = curveRed, int tolerance = 50) {
    return {direction, length, location, {color, tolerance}};
}

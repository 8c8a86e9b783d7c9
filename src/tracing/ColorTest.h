// The colour test that decides which pixels belong to the curve, and the read-out texts of a colour swatch.
#pragma once
#include <cstdint>
#include <string>

// True when each of red, green and blue of the pixel differs from the curve colour by less than the
// tolerance (strictly). Both colours are 0xAARRGGBB; alpha is ignored.
inline bool colorMatches(uint32_t pixel, uint32_t curveColor, int tolerance) {
    auto near = [tolerance](int a, int b) { return (a > b ? a - b : b - a) < tolerance; };
    return near((pixel >> 16) & 0xFF, (curveColor >> 16) & 0xFF) &&
           near((pixel >> 8) & 0xFF, (curveColor >> 8) & 0xFF) && near(pixel & 0xFF, curveColor & 0xFF);
}

// The search colour and the tolerance W, as one predicate over pixels.
struct ColorTest {
    uint32_t color = 0xFF000000;
    int tolerance = 50;

    bool matches(uint32_t pixel) const { return colorMatches(pixel, color, tolerance); }
};

// The colour made of three components (each clamped to 0..255), alpha 255.
uint32_t rgbColor(int red, int green, int blue);

// Black when the luminance 0.299 r + 0.587 g + 0.114 b is above 100, otherwise white.
uint32_t contrastColor(uint32_t color);

// The swatch text "%3d  %3d  %3d" of red, green and blue.
std::string colorSwatchText(uint32_t color);

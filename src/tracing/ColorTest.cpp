// Colour helpers of the curve colour swatches.
#include "tracing/ColorTest.h"

#include <algorithm>
#include <cstdio>

uint32_t rgbColor(int red, int green, int blue) {
    auto component = [](int value) { return static_cast<uint32_t>(std::clamp(value, 0, 255)); };
    return 0xFF000000u | component(red) << 16 | component(green) << 8 | component(blue);
}

uint32_t contrastColor(uint32_t color) {
    double luminance =
        0.299 * ((color >> 16) & 0xFF) + 0.587 * ((color >> 8) & 0xFF) + 0.114 * (color & 0xFF);
    return luminance > 100 ? 0xFF000000u : 0xFFFFFFFFu;
}

std::string colorSwatchText(uint32_t color) {
    char text[32];
    std::snprintf(text, sizeof text, "%3d  %3d  %3d", static_cast<int>((color >> 16) & 0xFF),
                  static_cast<int>((color >> 8) & 0xFF), static_cast<int>(color & 0xFF));
    return text;
}

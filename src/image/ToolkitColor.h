// Conversion between the workspace's ARGB pixels (0xAARRGGBB) and the toolkit's colours (0xAABBGGRR).
#pragma once
#include <fx.h>

#include <cstdint>

inline FXColor toToolkitColor(uint32_t argb) {
    return FXRGBA((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

inline uint32_t fromToolkitColor(FXColor color) {
    return static_cast<uint32_t>(FXALPHAVAL(color)) << 24 | static_cast<uint32_t>(FXREDVAL(color)) << 16 |
           static_cast<uint32_t>(FXGREENVAL(color)) << 8 | FXBLUEVAL(color);
}

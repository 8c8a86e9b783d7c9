// A picture decoded from a file or the clipboard, and the size limits every decoder applies.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Opaque ARGB pixels (0xFFRRGGBB) row by row from the top-left, or the reason the picture was refused.
struct DecodedImage {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::string message; // a full sentence for the user; empty when ok
};

constexpr int64_t maxImageSide = 32768;
constexpr int64_t maxImagePixels = int64_t(1) << 28;

// True for 1..32768 pixels per side and at most 2^28 pixels in all.
inline bool imageSizeAcceptable(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= maxImageSide && height <= maxImageSide &&
           width * height <= maxImagePixels;
}

// The canvas cursor shapes, the colour-pick cursor, and the luminance rule of the adaptive cursor.
#include "image/CursorShapes.h"

namespace {

// Paints every pixel the shape selects in the colour of the index.
template <class Shape> std::vector<uint32_t> paintCursor(int colorIndex, Shape drawn) {
    std::vector<uint32_t> pixels(cursorSize * cursorSize, 0);
    for (int r = 0; r < cursorSize; ++r)
        for (int c = 0; c < cursorSize; ++c) {
            if (!drawn(r, c)) continue;
            int i = r * cursorSize + c;
            bool white = colorIndex == cursorWhite || (colorIndex == cursorBlackWhite && i % 2 == 1);
            pixels[i] = white ? 0xFFFFFFFF : 0xFF000000;
        }
    return pixels;
}

} // namespace

int validCursorType(int cursorType) {
    return cursorType == cursorSolid || cursorType == cursorSolidHollow ? cursorType : cursorOutline;
}

std::vector<uint32_t> canvasCursorPixels(int cursorType, int colorIndex, bool wide) {
    auto cross = [](int r, int c) { return r == 14 || r == 15 || c == 14 || c == 15; };
    switch (validCursorType(cursorType)) {
    case cursorSolid:
        return paintCursor(colorIndex, cross);
    case cursorSolidHollow: {
        int a = wide ? 12 : 13, b = wide ? 17 : 16;
        return paintCursor(
            colorIndex, [&](int r, int c) { return cross(r, c) && !(r >= a && r <= b && c >= a && c <= b); });
    }
    default: {
        int a = wide ? 13 : 14, b = wide ? 17 : 16;
        return paintCursor(colorIndex, [&](int r, int c) {
            return (r == a || r == b || c == a || c == b) && !(r >= a && r <= b && c >= a && c <= b);
        });
    }
    }
}

std::vector<uint32_t> colourPickCursorPixels(int colorIndex) {
    return paintCursor(colorIndex, [](int r, int c) {
        bool onSquare = r >= 7 && r <= 23 && c >= 7 && c <= 23 && (r == 7 || r == 23 || c == 7 || c == 23);
        return r == 15 || c == 15 || onSquare;
    });
}

bool usesStockCrosshair(int cursorType, int colorIndex) {
    return validCursorType(cursorType) == cursorSolidHollow && colorIndex == cursorBlackWhite;
}

bool adaptiveCursorIsWhite(uint32_t pixel) {
    uint32_t r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    return 299 * r + 587 * g + 114 * b <= 100000;
}

// Marker colours and the pixel patterns of plus markers, the two-point line and the extended cursor.
#include "image/Markers.h"

#include <algorithm>
#include <cmath>

const uint32_t markerColors[markerColorCount] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000,
                                                 0xFFEBEB00, 0xFFFF7823, 0xFFA046A5, 0xFF00A0E6};

int validMarkerColorIndex(int index) {
    return index >= 0 && index < markerColorCount ? index : 1;
}

uint32_t markerColor(int index) {
    return markerColors[validMarkerColorIndex(index)];
}

uint32_t highlightOutlineColor(int dataPointColorIndex) {
    return dataPointColorIndex == 2 ? markerColors[0] : 0xFF000000;
}

namespace {

// Paints the block of columns left .. left + cols - 1 and rows top .. top + rows - 1, keeping
// only pixels with 0 < px < width and 0 < py < height. Works in 64 bits, so any int input is safe
// and the cost never exceeds the picture's size.
void appendBlock(std::vector<PixelPaint>& paints, const PictureGeometry& picture, long long left,
                 long long top, long long cols, long long rows, uint32_t color) {
    long long x0 = std::max(left, 1LL), x1 = std::min(left + cols, static_cast<long long>(picture.width));
    long long y0 = std::max(top, 1LL), y1 = std::min(top + rows, static_cast<long long>(picture.height));
    for (long long py = y0; py < y1; ++py)
        for (long long px = x0; px < x1; ++px)
            paints.push_back({static_cast<int>(px), static_cast<int>(py), color});
}

// One pass of the hollow marker: bars of thickness b reaching from -h to h - 1 around the centre,
// without the offsets |o| <= gap.
void appendHollowPass(std::vector<PixelPaint>& paints, const PictureGeometry& picture, long long ix,
                      long long iy, long long b, long long h, long long gap, uint32_t color) {
    long long top = iy - b / 2, left = ix - b / 2 + 1;
    appendBlock(paints, picture, ix - h, top, h - gap, b, color);
    appendBlock(paints, picture, ix + gap + 1, top, h - 1 - gap, b, color);
    appendBlock(paints, picture, left, iy - h, b, h - gap, color);
    appendBlock(paints, picture, left, iy + gap + 1, b, h - 1 - gap, color);
}

} // namespace

void appendMarker(std::vector<PixelPaint>& paints, const PictureGeometry& picture, int x, int y,
                  uint32_t color, MarkerSize size, bool hollow, uint32_t outlineColor) {
    long long t = 2 * (static_cast<long long>(size.thickness) / 2) + 1;
    long long l = std::max(2 * (static_cast<long long>(size.length) / 2) + 1, 5LL);
    long long ix = static_cast<long long>(x) - picture.offsetX,
              iy = static_cast<long long>(y) - picture.offsetY;
    if (hollow) {
        appendHollowPass(paints, picture, ix, iy, 2 * t + 2, 2 * l + 2, l / 2, outlineColor);
        appendHollowPass(paints, picture, ix, iy, 2 * t, 2 * l, l / 2, color);
        return;
    }
    if (ix <= 2 || ix >= picture.width - 2 || iy <= 2 || iy >= picture.height - 2) return;
    appendBlock(paints, picture, ix - (l - 1) / 2, iy - (t - 1) / 2, l, t, color);
    appendBlock(paints, picture, ix - (t - 1) / 2, iy - (l - 1) / 2, t, l, color);
}

void appendHighlightMarker(std::vector<PixelPaint>& paints, const PictureGeometry& picture, int x, int y,
                           int dataPointColorIndex) {
    appendMarker(paints, picture, x, y, markerColor(dataPointColorIndex), dataMarkerSize, true,
                 highlightOutlineColor(dataPointColorIndex));
}

namespace {

// Narrows the steps lo .. hi to those where start + i * step truncates into 0 .. size - 1.
void keepStepsInside(double start, double step, int size, double& lo, double& hi) {
    if (step == 0) {
        if (!(start > -1 && start < size)) hi = lo - 1;
        return;
    }
    double a = (-1 - start) / step, b = (size - start) / step;
    if (a > b) std::swap(a, b);
    lo = std::max(lo, std::floor(a));
    hi = std::min(hi, std::ceil(b));
}

} // namespace

void appendLine(std::vector<PixelPaint>& paints, int width, int height, int x1, int y1, int x2, int y2,
                uint32_t color) {
    double dx = static_cast<double>(x2) - x1, dy = static_cast<double>(y2) - y1;
    double d = std::sqrt(dx * dx + dy * dy);
    if (!(d >= 1) || width <= 0 || height <= 0) return;
    // Only the steps that can land on the picture are walked, so far-away points cost nothing.
    double lo = 0, hi = std::floor(d) - 1;
    keepStepsInside(x1, dx / d, width, lo, hi);
    keepStepsInside(y1, dy / d, height, lo, hi);
    for (double i = lo; i <= hi; ++i) {
        double px = std::trunc(x1 + i * dx / d), py = std::trunc(y1 + i * dy / d);
        if (px >= 0 && px < width && py >= 0 && py < height)
            paints.push_back({static_cast<int>(px), static_cast<int>(py), color});
    }
}

void appendExtendedCursor(std::vector<PixelPaint>& paints, int width, int height, int ix, int iy,
                          uint32_t color) {
    if (ix <= 0 || iy <= 0) return;
    if (iy < height)
        for (int px = 0; px < width; ++px) paints.push_back({px, iy, color});
    if (ix < width)
        for (int py = 0; py < height; ++py)
            if (py != iy) paints.push_back({ix, py, color});
}

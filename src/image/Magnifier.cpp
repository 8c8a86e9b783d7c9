// The two 60 x 60 enlargements around the mouse and the scan-direction arrow picture.
#include "image/Magnifier.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int half = magnifiedSize / 2;

// Fills columns left .. left + cols - 1 of rows top .. top + rows - 1 of a magnified picture,
// skipping whatever falls outside it.
void fillBlock(std::vector<uint32_t>& pixels, long long left, long long top, long long cols, long long rows,
               uint32_t color) {
    long long x0 = std::max(left, 0LL), x1 = std::min(left + cols, static_cast<long long>(magnifiedSize));
    long long y0 = std::max(top, 0LL), y1 = std::min(top + rows, static_cast<long long>(magnifiedSize));
    for (long long r = y0; r < y1; ++r)
        for (long long c = x0; c < x1; ++c) pixels[r * magnifiedSize + c] = color;
}

void plot(std::vector<uint32_t>& pixels, long long c, long long r, uint32_t color) {
    fillBlock(pixels, c, r, 1, 1, color);
}

// The two-point line as the magnifier draws it: one pixel per step along the longer axis, the
// other coordinate floored from the line through both points; the larger end is not drawn.
// Only the steps inside the picture window around (ix, iy) are walked.
void drawMagnifiedLine(std::vector<uint32_t>& pixels, const MagnifierSource& s, long long ix, long long iy) {
    long long x1 = s.lineX1, y1 = s.lineY1, x2 = s.lineX2, y2 = s.lineY2;
    double slope = static_cast<double>(y2 - y1) / static_cast<double>(x2 - x1);
    double intercept = y1 - slope * x1;
    bool alongX = std::llabs(y2 - y1) < std::llabs(x2 - x1);
    long long from = alongX ? std::min(x1, x2) : std::min(y1, y2);
    long long to = alongX ? std::max(x1, x2) : std::max(y1, y2);
    long long centre = alongX ? ix : iy;
    from = std::max(from, centre - half);
    to = std::min(to, centre + half);
    for (long long step = from; step < to; ++step) {
        double other = alongX ? std::floor(slope * step + intercept) : std::floor((step - intercept) / slope);
        if (!(std::fabs(other) < 1e15)) continue;
        long long o = static_cast<long long>(other);
        if (alongX)
            plot(pixels, step - ix + half, o - iy + half, s.referenceColor);
        else
            plot(pixels, o - ix + half, step - iy + half, s.referenceColor);
    }
}

} // namespace

bool buildMagnifiedViews(const MagnifierSource& s, int x, int y, MagnifiedViews& views) {
    const PictureGeometry& g = s.picture;
    if (!s.viewPixels || !s.workPixels || g.width < magnifiedSize || g.height < magnifiedSize) return false;
    long long ix = static_cast<long long>(x) - g.offsetX, iy = static_cast<long long>(y) - g.offsetY;
    if (ix < -half || iy < -half || ix - half >= g.width || iy - half >= g.height) return false;

    std::vector<uint32_t> plain(magnifiedSize * magnifiedSize), marked(magnifiedSize * magnifiedSize);
    for (int r = 0; r < magnifiedSize; ++r)
        for (int c = 0; c < magnifiedSize; ++c) {
            long long px = ix - half + c, py = iy - half + r;
            int i = r * magnifiedSize + c;
            if (px >= 0 && px < g.width && py >= 0 && py < g.height) {
                std::size_t source = static_cast<std::size_t>(py) * g.width + px;
                plain[i] = s.viewPixels[source];
                marked[i] = s.workPixels[source];
            } else {
                plain[i] = marked[i] = s.background;
            }
            if (s.showLine && (r == half || c == half)) {
                plain[i] = s.dataColor;
                if (std::abs(c - half) > 3 || std::abs(r - half) > 3) marked[i] = s.dataColor;
            }
        }

    if (s.showLine && s.linePlaced && s.lineX1 != s.lineX2) drawMagnifiedLine(marked, s, ix, iy);
    for (const CanvasPoint& p : s.referencePoints) {
        long long c = static_cast<long long>(p.x) - x + half, r = static_cast<long long>(p.y) - y + half;
        fillBlock(marked, c - 1, r - 8, 3, 17, s.referenceColor);
        fillBlock(marked, c - 8, r - 1, 17, 3, s.referenceColor);
    }
    for (const CanvasPoint& p : s.dataPoints) {
        long long c = static_cast<long long>(p.x) - x + half, r = static_cast<long long>(p.y) - y + half;
        fillBlock(marked, c, r - 2, 1, 5, s.dataColor);
        fillBlock(marked, c - 2, r, 5, 1, s.dataColor);
    }
    views.plain = std::move(plain);
    views.marked = std::move(marked);
    return true;
}

std::vector<uint32_t> scanDirectionPicture(int direction, uint32_t color) {
    std::vector<uint32_t> pixels(magnifiedSize * magnifiedSize);
    for (int r = 0; r < magnifiedSize; ++r)
        for (int c = 0; c < magnifiedSize; ++c) {
            bool light =
                ((r < 20 || r > 40) && c >= 20 && c < 40) || (r >= 20 && r <= 39 && (c < 20 || c > 40));
            pixels[r * magnifiedSize + c] = light ? 0xFFD2D2D2 : 0xFFC8C8C8;
        }
    if (direction < 0 || direction > 3) return pixels;
    bool vertical = direction < 2, forward = direction % 2 == 1;
    // Drawn as an up or down arrow in (along, across); left and right are the same, transposed.
    auto put = [&](int along, int across, int count) {
        for (int k = 0; k < count; ++k)
            if (vertical)
                pixels[along * magnifiedSize + across + k] = color;
            else
                pixels[(across + k) * magnifiedSize + along] = color;
    };
    for (int along = 0; along < magnifiedSize; ++along) put(along, 29, 2);
    if (!forward)
        for (int i = 0; i <= 14; ++i) {
            int h = (i + 2) / 2;
            put(i, 30 - h, 2 * h);
        }
    else
        for (int k = 0; k <= 15; ++k) {
            int h = (18 - k) / 2;
            put(44 + k, 30 - h, 2 * h);
        }
    return pixels;
}

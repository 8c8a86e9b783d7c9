// The shapes of a fit plot's drawing list painted into an ARGB picture.
#include "plot/PlotRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Canvas {
    std::vector<uint32_t> &pixels;
    int width, height;

    // Pixels x0..x1 (both included) of row y.
    void span(int x0, int x1, int y, uint32_t colour) {
        if (y < 0 || y >= height)
            return;
        x0 = std::max(x0, 0);
        x1 = std::min(x1, width - 1);
        if (x0 <= x1)
            std::fill(pixels.begin() + static_cast<size_t>(y) * width + x0,
                      pixels.begin() + static_cast<size_t>(y) * width + x1 + 1, colour);
    }
    // Pixels x0..x1 by y0..y1, all included.
    void block(int x0, int y0, int x1, int y1, uint32_t colour) {
        for (int y = std::max(y0, 0); y <= std::min(y1, height - 1); ++y)
            span(x0, x1, y, colour);
    }
};

// Cuts the line to the rectangle [lo, hi] in both coordinates; false when nothing of it is inside.
bool clipLine(double &x0, double &y0, double &x1, double &y1, double lo, double hiX, double hiY) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - lo, hiX - x0, y0 - lo, hiY - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    return true;
}

void drawLine(Canvas &c, const PlotItem &item) {
    const int pen = std::max(item.lineWidth, 1);
    const int margin = pen;
    double x0 = item.x, y0 = item.y, x1 = item.x2, y1 = item.y2;
    if (!clipLine(x0, y0, x1, y1, -margin, c.width - 1 + margin, c.height - 1 + margin))
        return;
    int x = static_cast<int>(std::lround(x0)), y = static_cast<int>(std::lround(y0));
    const int xEnd = static_cast<int>(std::lround(x1)), yEnd = static_cast<int>(std::lround(y1));
    const int dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const int sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    const int before = (pen - 1) / 2, after = pen / 2;
    for (int error = dx + dy;;) {
        if (pen == 1)
            c.span(x, x, y, item.colour);
        else
            c.block(x - before, y - before, x + after, y + after, item.colour);
        if (x == xEnd && y == yEnd)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

using Span = std::pair<int, int>; // first and last column, both included

// Row `row` of a disc of diameter d in its d x d square: the columns whose pixel centres lie inside it.
Span discRow(int d, int row) {
    const double r = d / 2.0, dy = row + 0.5 - r;
    const double half = std::sqrt(std::max(r * r - dy * dy, 0.0));
    return {static_cast<int>(std::ceil(r - half - 0.5)), static_cast<int>(std::floor(r + half - 0.5))};
}

// The rows of the discs of the usual sizes, worked out once per picture.
class DiscRows {
  public:
    Span row(int d, int r) {
        if (d >= maxCached)
            return discRow(d, r);
        if (rows.size() <= static_cast<size_t>(d))
            rows.resize(d + 1);
        if (rows[d].empty())
            for (int i = 0; i < d; ++i)
                rows[d].push_back(discRow(d, i));
        return rows[d][r];
    }

  private:
    static constexpr int maxCached = 256;
    std::vector<std::vector<Span>> rows;
};

void drawDisc(Canvas &c, const PlotItem &item, DiscRows &discRows) {
    const int d = item.width;
    if (d <= 0 || item.x >= c.width || item.x + d <= 0)
        return;
    const int first = std::max(0, -item.y), last = std::min(d, c.height - item.y);
    for (int r = first; r < last; ++r) {
        const Span span = discRows.row(d, r);
        if (span.first <= span.second)
            c.span(item.x + span.first, item.x + span.second, item.y + r, item.colour);
    }
}

// Pixels whose centres lie inside the triangle (edges shared by two triangles belong to one of them).
void drawTriangle(Canvas &c, const PlotItem &item) {
    const int *xs = item.triangle.x, *ys = item.triangle.y;
    const int top = std::max(*std::min_element(ys, ys + 3), 0);
    const int bottom = std::min(*std::max_element(ys, ys + 3), c.height - 1);
    for (int row = top; row <= bottom; ++row) {
        const double yc = row + 0.5;
        double left = 1e300, right = -1e300;
        for (int e = 0; e < 3; ++e) {
            const double ax = xs[e], ay = ys[e], bx = xs[(e + 1) % 3], by = ys[(e + 1) % 3];
            if ((ay <= yc && yc < by) || (by <= yc && yc < ay)) {
                const double x = ax + (yc - ay) * (bx - ax) / (by - ay);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (left > right)
            continue;
        const double first = std::ceil(left - 0.5), last = std::ceil(right - 0.5) - 1;
        c.span(static_cast<int>(std::max(first, -1.0)), static_cast<int>(std::min(last, c.width + 1.0)), row,
               item.colour);
    }
}

} // namespace

void rasterizePlotScene(const PlotScene &scene, std::vector<uint32_t> &pixels, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    pixels.assign(static_cast<size_t>(width) * height, scene.background);
    Canvas c{pixels, width, height};
    DiscRows discRows;
    for (const PlotItem &item : scene.items) {
        switch (item.kind) {
        case PlotItem::Line:
            drawLine(c, item);
            break;
        case PlotItem::Frame:
            c.block(item.x, item.y, item.x + item.width, item.y, item.colour);
            c.block(item.x, item.y + item.height, item.x + item.width, item.y + item.height, item.colour);
            c.block(item.x, item.y, item.x, item.y + item.height, item.colour);
            c.block(item.x + item.width, item.y, item.x + item.width, item.y + item.height, item.colour);
            break;
        case PlotItem::Box:
            if (item.width > 0 && item.height > 0)
                c.block(item.x, item.y, item.x + item.width - 1, item.y + item.height - 1, item.colour);
            break;
        case PlotItem::Disc:
            drawDisc(c, item, discRows);
            break;
        case PlotItem::Triangle:
            drawTriangle(c, item);
            break;
        case PlotItem::Text:
        case PlotItem::RotatedText:
            break;
        }
    }
}

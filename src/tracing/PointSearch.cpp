// The search along a row or column: entry scan with the back-off at the first position, run scan, pick.
#include "tracing/PointSearch.h"

#include <algorithm>
#include <climits>

namespace {

// A target position far beyond any picture, kept inside the range of int.
int clampedTarget(long long position) {
    return static_cast<int>(std::clamp<long long>(position, INT_MIN / 2, INT_MAX / 2));
}

} // namespace

int validSearchDirection(int direction) {
    return direction >= searchUp && direction <= searchRight ? direction : searchUp;
}

int validSearchLength(int length) {
    return std::clamp(length, 1, 1 << 24);
}

bool isVerticalSearch(int direction) {
    int valid = validSearchDirection(direction);
    return valid == searchUp || valid == searchDown;
}

std::optional<SearchHit> searchAlong(const PixelView &view, const SearchSettings &settings, int from, int to,
                                     int x, int y) {
    const int direction = validSearchDirection(settings.direction);
    const bool vertical = direction == searchUp || direction == searchDown;
    const int step = direction == searchUp || direction == searchLeft ? -1 : 1;
    const int length = validSearchLength(settings.length);
    auto inside = [&](int p) { return vertical ? view.contains(x, p) : view.contains(p, y); };
    auto matches = [&](int p) { return settings.color.matches(vertical ? view.at(x, p) : view.at(p, y)); };
    auto before = [&](int p) { return step > 0 ? p < to : p > to; };

    std::optional<int> entry;
    bool first = true;
    for (int p = from; before(p) && inside(p);) {
        if (matches(p)) {
            if (!first) {
                entry = p;
                break;
            }
            p -= (length / 2 - 1) * step;
        } else {
            p += step;
        }
        first = false;
    }
    if (!entry)
        return std::nullopt;

    const int f = *entry;
    int m = f;
    for (int p = f, steps = 0;; ++steps) {
        if (!inside(p))
            return std::nullopt;
        if (!matches(p)) {
            m = p - (direction == searchLeft ? 2 : 1) * step;
            break;
        }
        p += step;
        if (steps + 1 == length)
            return std::nullopt;
    }

    if (!vertical)
        return SearchHit{static_cast<int>((f + m) * 0.5), y, static_cast<double>(y)};
    const int location = settings.pickLocation >= pickMiddle && settings.pickLocation <= pickInvertedTriangle
                             ? settings.pickLocation
                             : pickMiddle;
    double v = (f + m) * 0.5;
    if (location != pickMiddle) {
        bool twoThirds = (location == pickTriangle) == (direction == searchUp);
        v = m + (twoThirds ? 2.0 : 1.0) * (f - m) / 3.0;
    }
    return SearchHit{x, static_cast<int>(v), v};
}

std::optional<SearchHit> searchAtClick(const PixelView &view, const SearchSettings &settings, int x, int y) {
    const int direction = validSearchDirection(settings.direction);
    const long long length = validSearchLength(settings.length);
    const long long d = direction == searchUp || direction == searchRight ? length : -length;
    if (isVerticalSearch(direction))
        return searchAlong(view, settings, y, clampedTarget(y - d), x, y);
    return searchAlong(view, settings, x, clampedTarget(x + d), x, y);
}

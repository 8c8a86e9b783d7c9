// The search along one row or column for a run of curve-coloured pixels, and the search at a click.
#pragma once
#include "tracing/ColorTest.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The working image's pixels (0xAARRGGBB, index = y * width + x) and where its top-left pixel sits in
// main-window coordinates. All positions given to the searches are window coordinates.
struct PixelView {
    const uint32_t *pixels = nullptr;
    int width = 0, height = 0;
    int offsetX = 0, offsetY = 0;

    bool contains(int x, int y) const {
        long long ix = static_cast<long long>(x) - offsetX, iy = static_cast<long long>(y) - offsetY;
        return pixels && ix >= 0 && iy >= 0 && ix < width && iy < height;
    }
    // The pixel at window position (x, y), which must be inside.
    uint32_t at(int x, int y) const {
        return pixels[static_cast<size_t>(y - offsetY) * static_cast<size_t>(width) + (x - offsetX)];
    }
};

// Scan directions: Up and Down scan a column, Left and Right a row.
enum SearchDirection { searchUp = 0, searchDown = 1, searchLeft = 2, searchRight = 3 };
// Where in a vertical run the point goes.
enum PickLocation { pickMiddle = 0, pickTriangle = 1, pickInvertedTriangle = 2 };

// What steers a search; a location outside 0..2 counts as middle.
struct SearchSettings {
    int direction = searchUp;
    int length = 30; // S: a run of S pixels or more is not the curve
    int pickLocation = pickMiddle;
    ColorTest color;
};

// The direction and length a search really uses: Up for a direction outside 0..3, a length
// within 1..2^24.
int validSearchDirection(int direction);
int validSearchLength(int length);
bool isVerticalSearch(int direction);

// A found position; yExact is the unrounded y of a vertical search (y itself for horizontal ones).
struct SearchHit {
    int x, y;
    double yExact;
};

// Scans from `from` towards `to` (never examining `to` itself) along column x (vertical directions,
// from and to are y positions) or row y (horizontal ones, from and to are x positions). Entry scan:
// the first pixel that matches, except that a match at `from` itself first backs off S/2 - 1 pixels
// against the direction; then the run from that entry must end within S pixels. Any position outside
// the picture ends the search without a find.
std::optional<SearchHit> searchAlong(const PixelView &view, const SearchSettings &settings, int from, int to,
                                     int x, int y);

// The point search of a data-point click at window position (x, y): S pixels from the pointer in
// the search direction.
std::optional<SearchHit> searchAtClick(const PixelView &view, const SearchSettings &settings, int x, int y);

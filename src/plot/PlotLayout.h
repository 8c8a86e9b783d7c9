// Layout of one fit plot: the shown value ranges, the plot area, ticks and their labels, axis titles,
// the value-to-pixel mapping, summary text lines and zone-marker triangles.
#pragma once
#include "plot/TickFormat.h"

#include <functional>
#include <string>
#include <vector>

struct ValueRange {
    double low = 0, high = 1;
};

// The range a plot shows for values from low to high: unchanged when low < high with a finite span. Equal
// values v (all x or all y the same) get v -+ 5% of |v|, or v -+ 1 when that is no proper range (v = 0);
// anything else (reversed, not a number, an infinite span) shows [0, 1].
ValueRange displayRange(double low, double high);

// The font as the layout needs it (the shell measures with the plot's font).
struct TextMetrics {
    int height = 0; // line height of the font
    int ascent = 0; // baseline below the top of a line
    std::function<int(const std::string &)> width;
};

// A text placed by the top-left corner of its line box (the shell draws it at top + ascent).
struct PlacedText {
    int left = 0, top = 0, width = 0;
    std::string text;
};

struct Tick {
    int pixel = 0; // x pixel of an x tick, y pixel of a y tick
    PlacedText label;
};

// Mapped pixels are kept within +-32000 (what X11 drawing coordinates can carry); a value that is not a
// number maps to -32000.
constexpr int maxPlotCoordinate = 32000;

struct PlotLayout {
    int canvasWidth = 0, canvasHeight = 0;
    bool showAxes = true;
    double xLow = 0, xHigh = 1, yLow = 0, yHigh = 1;
    int plotLeft = 0, plotRight = 0, plotTop = 0, plotBottom = 0;
    double xPerPixel = 1, yPerPixel = 1;
    int xTickCount = 10, yTickCount = 10;
    double xTickStep = 0.1, yTickStep = 0.1;
    TickFormat xFormat, yFormat;
    int tickLength = 5;
    std::vector<Tick> xTicks, yTicks;  // empty without axes
    PlacedText xTitle;                 // centred under the plot area
    int yTitleLeft = 0, yTitleTop = 0; // the rotated y title's corner; it is yTitleWidth x yTitleHeight
    int yTitleWidth = 0, yTitleHeight = 0;
    std::string yTitle;

    // (int)((x - xLow) / xPerPixel) + plotLeft and its inverse; the y mapping counts up from plotBottom.
    int xToPixel(double x) const;
    double pixelToX(int pixel) const;
    int yToPixel(double y) const;
    // The x distance of one pixel: |pixelToX(2) - pixelToX(1)|.
    double xResolution() const;
};

// The layout of a canvas: with axes, plotTop = h, left margin = rotated y-title width (h * 100 / 80) + the
// y label width + 25, right margin = 3/4 of the x label width, plotBottom = height - 2h - 15; without
// axes no margins but 10 on the right, plotBottom = height. The x tick count is plot width / label width
// - 1 (1..10); y always has 10 intervals. A plot area of no width or height maps as one pixel wide or high.
PlotLayout computePlotLayout(int canvasWidth, int canvasHeight, bool showAxes, ValueRange x, ValueRange y,
                             const std::string &xTitle, const std::string &yTitle,
                             const TextMetrics &metrics);

// The summary text's lines (split at line ends; a final line end adds no line) as background boxes of the
// line's text width + 4, the text drawn 2 pixels in from the left: position 2 centres the block in the plot
// area by its widest line, other positions start at plotLeft (10 when that is negative); positions 0 and 2
// start at plotTop, position 3 ends at plotBottom.
std::vector<PlacedText> summaryTextLines(const std::string &text, int position, const PlotLayout &layout,
                                         const TextMetrics &metrics);

// A zone marker: apex `size` pixels above the bottom edge of the canvas at x, base on the bottom row.
struct MarkerTriangle {
    int x[3] = {}, y[3] = {};
};
MarkerTriangle markerTriangle(int x, int size, int canvasHeight);

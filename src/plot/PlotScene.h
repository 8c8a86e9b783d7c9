// What one fit plot shows, without the toolkit: its data and options (PlotModel) and the ordered list of
// lines, discs, boxes, triangles and texts its picture consists of (PlotScene).
#pragma once
#include "plot/PlotLayout.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

constexpr uint32_t plotWhite = 0xFFFFFFFF, plotBlack = 0xFF000000, plotRed = 0xFFFF0000;

// One series in the plot's units: fill colour per point, 0 (or a missing entry) for none.
struct PlotSeriesData {
    std::vector<double> x, y;
    std::vector<uint32_t> colours;
};

struct PlotModel {
    uint32_t background = plotWhite;
    std::string xTitle, yTitle, summaryText;
    std::shared_ptr<const std::vector<PlotSeriesData>> series; // no series: only the background is drawn
    std::vector<int> lineWidths;                               // per series; missing: 1, 0 draws no lines
    std::vector<int> pointSizes;                               // per series disc diameter; missing: 0
    bool useCurveColour = false;
    uint32_t curveColour = plotRed; // line and default point colour when useCurveColour, else red
    bool showAxes = true;
    bool yFromVisibleX = false; // y range from the points whose x lies in the x range
    bool outlinePoints = false; // a disc 2 pixels larger in the axis colour under each point
    int textPosition = 0;       // summary text: 0 top left, 2 top centre, 3 bottom left
    ValueRange xRange, yRange;
    int markerSize = 0;
    std::vector<double> markers; // x values of the zone markers
};

// One thing to draw. Lines join (x, y) to (x2, y2); Frame is a rectangle outline and Box a filled one at
// (x, y) of width x height; Disc fills the circle in the square at (x, y) of side width; Triangle is filled;
// Text has its line box's top-left at (x, y); RotatedText is the y title turned 90 degrees to read upwards,
// its turned picture width x height at (x, y).
struct PlotItem {
    enum Kind { Line, Frame, Box, Disc, Triangle, Text, RotatedText };
    Kind kind = Line;
    uint32_t colour = 0;
    int x = 0, y = 0, x2 = 0, y2 = 0;
    int width = 0, height = 0;
    int lineWidth = 1;
    MarkerTriangle triangle;
    std::string text;
};

struct PlotScene {
    bool drawable = false; // the canvas has width and height; nothing is drawn otherwise
    uint32_t background = plotWhite;
    uint32_t axisColour = plotBlack; // frame, ticks, texts: white on black, black otherwise
    PlotLayout layout;               // the mapping the markers, dragging and the wheel step use
    std::vector<PlotItem> items;     // in drawing order, over the canvas filled with the background
};

// The whole picture of a plot on a canvas: frame, zone markers, titles, ticks, series (lines between
// consecutive points inside the plot's x span, discs for points inside it, not clipped vertically) and
// the summary text over its background boxes. The layout is computed even when there are no series.
PlotScene buildPlotScene(const PlotModel &model, int canvasWidth, int canvasHeight,
                         const TextMetrics &metrics);
// The same, built into `scene`, whose item storage is used again.
void buildPlotScene(const PlotModel &model, int canvasWidth, int canvasHeight, const TextMetrics &metrics,
                    PlotScene &scene);

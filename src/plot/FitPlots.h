// The nine plots of a fit: the main plot, its half-size copy and the zoom views around each zone limit,
// set up from the fit's series and limits; and the rules for picking and dragging a zone limit.
#pragma once
#include "fit/ZoneLimits.h"
#include "plot/PlotScene.h"

#include <optional>

constexpr int fitMarkerSize = 15;
constexpr int zoomViewCount = 7;
constexpr int zoomViewSize = 200;

// Plot background for "Plot background" 0 white, 1 gray 200/200/200, 2 black (others white).
uint32_t plotBackgroundColour(int plotBackground);

// Point disc diameter for "Point size" 0..3: 6, 9, 12, 15 (others as 1, Medium).
int pointDiameter(int pointSizeIndex);

struct FitPlotSetup {
    bool empty = false; // draw every plot empty
    int fitType = 0;
    int plotBackground = 0;                                    // 0..2
    int pointSizeIndex = 1;                                    // 0..3
    std::string summaryText;                                   // plotSummaryText()
    std::shared_ptr<const std::vector<PlotSeriesData>> series; // the fit's points and curve
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    std::vector<double> upperLimits; // the numbers in the upper-limit fields, one per equation
};

struct FitPlotModels {
    PlotModel main, half;
    std::vector<PlotModel> zooms; // views 0..equationCount (the others are hidden)
};

// Main and half-size plot: titles "x"/"y" ("LMP/1000"/"ln(Stress)"), ranges xMin..xMax, yMin..yMax,
// points without lines and the curve as a line in green (black, white on black, for "LMP"), outlined
// points, the summary text (bottom left for "LMP"); the main plot carries a 15-pixel marker per movable
// limit, the half-size plot half the point size. Zoom view k shows a quarter of the zones on either side of
// limit L_k (L_0 = xMin) with the y range of its visible points, no axes and "#k" centred at the top.
FitPlotModels fitPlotModels(const FitPlotSetup &setup);

// The x range of zoom view k over L_0 = xMin and the upper limits L_1..L_n.
ValueRange zoomViewRange(int k, double xMin, const std::vector<double> &upperLimits);

// The pixels of the movable limits (all upper limits but the last) on a plot.
std::vector<int> limitPixels(const std::vector<double> &upperLimits, const PlotLayout &layout);

// The movable limit a press picks: pointer in the bottom 15 pixels of the canvas and the first limit
// within 14 pixels of it; -1 for none.
int limitAtPress(int pointerX, int pointerY, int canvasHeight, const std::vector<int> &pixels);

// The value limit i takes when dragged or wheeled to pixel p: roundLimit(pixelToX(p)), when both p and the
// pixel of that rounded value keep the 15-pixel margins; nothing (the limit stays) otherwise.
std::optional<double> movedLimitValue(int i, int pixel, const std::vector<double> &upperLimits,
                                      const PlotLayout &layout, const LimitRounding &rounding);

// Set-up of the nine fit plots, and picking and moving zone limits on the main plot.
#include "plot/FitPlots.h"

#include "fit/FitData.h"

#include <algorithm>
#include <cstdlib>

uint32_t plotBackgroundColour(int plotBackground) {
    return plotBackground == 2 ? plotBlack : plotBackground == 1 ? 0xFFC8C8C8 : plotWhite;
}

int pointDiameter(int pointSizeIndex) {
    static const int diameters[4] = {6, 9, 12, 15};
    return diameters[pointSizeIndex >= 0 && pointSizeIndex < 4 ? pointSizeIndex : 1];
}

ValueRange zoomViewRange(int k, double xMin, const std::vector<double> &upperLimits) {
    const int n = static_cast<int>(upperLimits.size());
    auto limit = [&](int j) { return j <= 0 ? xMin : upperLimits[std::min(j, n) - 1]; };
    if (n == 0)
        return {xMin, xMin};
    if (k <= 0)
        return {xMin, xMin + (limit(1) - xMin) / 4};
    const int j = std::min(k, n);
    const double here = limit(j);
    const double high = j == n ? here : here + (limit(j + 1) - here) / 4;
    return {here - (here - limit(j - 1)) / 4, high};
}

FitPlotModels fitPlotModels(const FitPlotSetup &setup) {
    FitPlotModels plots;
    const uint32_t background = plotBackgroundColour(setup.plotBackground);
    const std::vector<double> limits(setup.upperLimits.begin(),
                                     setup.upperLimits.begin() +
                                         std::min<size_t>(setup.upperLimits.size(), maxEquations));
    const int equationCount = std::max(static_cast<int>(limits.size()), 1);
    PlotModel base;
    base.background = background;
    plots.zooms.assign(equationCount + 1, base);
    if (setup.empty || !setup.series || setup.series->empty()) {
        plots.main = plots.half = base;
        return plots;
    }
    const bool lmp = setup.fitType == Lmp;
    base.series = setup.series;
    base.lineWidths = {0, 1};
    base.pointSizes = {pointDiameter(setup.pointSizeIndex), 0};
    base.useCurveColour = true;
    base.curveColour = !lmp ? 0xFF00FF00 : background == plotBlack ? plotWhite : plotBlack;
    base.outlinePoints = true;
    base.yRange = {setup.yMin, setup.yMax};

    plots.main = base;
    plots.main.xTitle = lmp ? "LMP/1000" : "x";
    plots.main.yTitle = lmp ? "ln(Stress)" : "y";
    plots.main.summaryText = setup.summaryText;
    plots.main.textPosition = lmp ? 3 : 0;
    plots.main.xRange = {setup.xMin, setup.xMax};
    plots.main.markerSize = fitMarkerSize;
    plots.half = plots.main;
    plots.half.pointSizes[0] /= 2;
    if (!limits.empty())
        plots.main.markers.assign(limits.begin(), limits.end() - 1);

    for (int k = 0; k <= equationCount; ++k) {
        PlotModel &zoom = plots.zooms[k];
        zoom = base;
        zoom.summaryText = "#" + std::to_string(k);
        zoom.xRange = zoomViewRange(k, setup.xMin, limits);
        zoom.yFromVisibleX = true;
        zoom.showAxes = false;
        zoom.textPosition = 2;
    }
    return plots;
}

std::vector<int> limitPixels(const std::vector<double> &upperLimits, const PlotLayout &layout) {
    std::vector<int> pixels;
    for (size_t i = 0; i + 1 < upperLimits.size(); ++i)
        pixels.push_back(layout.xToPixel(upperLimits[i]));
    return pixels;
}

int limitAtPress(int pointerX, int pointerY, int canvasHeight, const std::vector<int> &pixels) {
    if (pointerY < canvasHeight - fitMarkerSize || pointerY >= canvasHeight)
        return -1;
    for (size_t i = 0; i < pixels.size(); ++i)
        if (std::abs(pointerX - pixels[i]) <= fitMarkerSize - 1)
            return static_cast<int>(i);
    return -1;
}

std::optional<double> movedLimitValue(int i, int pixel, const std::vector<double> &upperLimits,
                                      const PlotLayout &layout, const LimitRounding &rounding) {
    const std::vector<int> pixels = limitPixels(upperLimits, layout);
    if (!limitPositionAllowed(i, pixel, pixels, layout.plotLeft, layout.plotRight))
        return std::nullopt;
    const double value = roundLimit(layout.pixelToX(pixel), rounding);
    if (!limitPositionAllowed(i, layout.xToPixel(value), pixels, layout.plotLeft, layout.plotRight))
        return std::nullopt;
    return value;
}

// Value ranges, plot area, ticks, titles, value-to-pixel mapping, summary lines and zone markers of a plot.
#include "plot/PlotLayout.h"

#include <algorithm>
#include <cmath>

namespace {

// A pixel offset truncated toward zero like (int), kept where the conversion is defined.
int safePixel(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp<double>(value, -maxPlotCoordinate, maxPlotCoordinate));
}

bool properRange(double low, double high) {
    return std::isfinite(low) && std::isfinite(high) && low < high && std::isfinite(high - low);
}

int textWidth(const TextMetrics &metrics, const std::string &text) {
    return metrics.width ? std::max(metrics.width(text), 0) : 0;
}

} // namespace

ValueRange displayRange(double low, double high) {
    if (properRange(low, high))
        return {low, high};
    if (std::isfinite(low) && low == high) {
        for (double half : {std::fabs(low) * 0.05, 1.0})
            if (properRange(low - half, low + half))
                return {low - half, low + half};
    }
    return {0, 1};
}

int PlotLayout::xToPixel(double x) const {
    const double offset = (x - xLow) / xPerPixel;
    return std::isnan(offset)
               ? -maxPlotCoordinate
               : std::clamp(safePixel(offset) + plotLeft, -maxPlotCoordinate, maxPlotCoordinate);
}

double PlotLayout::pixelToX(int pixel) const {
    return (pixel - plotLeft) * xPerPixel + xLow;
}

int PlotLayout::yToPixel(double y) const {
    const double offset = (y - yLow) / yPerPixel;
    return std::isnan(offset)
               ? -maxPlotCoordinate
               : std::clamp(plotBottom - safePixel(offset), -maxPlotCoordinate, maxPlotCoordinate);
}

double PlotLayout::xResolution() const {
    return std::fabs(pixelToX(2) - pixelToX(1));
}

PlotLayout computePlotLayout(int canvasWidth, int canvasHeight, bool showAxes, ValueRange x, ValueRange y,
                             const std::string &xTitle, const std::string &yTitle,
                             const TextMetrics &metrics) {
    PlotLayout layout;
    layout.canvasWidth = canvasWidth;
    layout.canvasHeight = canvasHeight;
    layout.showAxes = showAxes;
    x = displayRange(x.low, x.high);
    y = displayRange(y.low, y.high);
    layout.xLow = x.low;
    layout.xHigh = x.high;
    layout.yLow = y.low;
    layout.yHigh = y.high;
    const int h = std::max(metrics.height, 0);
    layout.yTickStep = (y.high - y.low) / layout.yTickCount;
    layout.yFormat = tickFormatForStep(layout.yTickStep);
    layout.xFormat = tickFormatForStep((x.high - x.low) / 10);
    const int yLabelWidth = textWidth(metrics, formatTick(y.high, layout.yFormat));
    const int xLabelWidth = std::max(textWidth(metrics, formatTick(x.high, layout.xFormat)), 1);
    layout.yTitle = yTitle.empty() ? " " : yTitle;
    layout.yTitleWidth = h * 100 / 80;
    layout.yTitleHeight = textWidth(metrics, layout.yTitle);

    layout.plotTop = h;
    const int left = showAxes ? layout.yTitleWidth + yLabelWidth + 25 : 0;
    const int right = showAxes ? 3 * xLabelWidth / 4 : 10;
    layout.plotBottom = showAxes ? canvasHeight - 2 * h - 15 : canvasHeight;
    layout.plotLeft = left;
    layout.plotRight = canvasWidth - right;
    const int plotWidth = std::max(layout.plotRight - layout.plotLeft, 1);
    const int plotHeight = std::max(layout.plotBottom - layout.plotTop, 1);

    layout.xTickCount = std::clamp(plotWidth / xLabelWidth - 1, 1, 10);
    layout.xTickStep = (x.high - x.low) / layout.xTickCount;
    layout.xFormat = tickFormatForStep(layout.xTickStep);
    layout.xPerPixel = (x.high - x.low) / plotWidth;
    layout.yPerPixel = (y.high - y.low) / plotHeight;
    if (!showAxes)
        return layout;

    for (int i = 0; i <= layout.yTickCount; ++i) {
        Tick tick;
        tick.pixel = layout.plotBottom - safePixel(i * layout.yTickStep / layout.yPerPixel);
        tick.label.text = formatTick(y.low + i * layout.yTickStep, layout.yFormat);
        tick.label.width = textWidth(metrics, tick.label.text);
        tick.label.left = layout.plotLeft - layout.tickLength - 2 - tick.label.width;
        tick.label.top = tick.pixel - h / 2;
        layout.yTicks.push_back(tick);
    }
    for (int i = 0; i <= layout.xTickCount; ++i) {
        Tick tick;
        tick.pixel = layout.plotLeft + safePixel(i * layout.xTickStep / layout.xPerPixel);
        tick.label.text = formatTick(x.low + i * layout.xTickStep, layout.xFormat);
        tick.label.width = textWidth(metrics, tick.label.text);
        tick.label.left = tick.pixel - tick.label.width / 2;
        tick.label.top = layout.plotBottom + layout.tickLength + 2;
        layout.xTicks.push_back(tick);
    }
    layout.xTitle.text = xTitle;
    layout.xTitle.width = textWidth(metrics, xTitle);
    layout.xTitle.left = layout.plotLeft + (plotWidth - layout.xTitle.width) / 2;
    layout.xTitle.top = canvasHeight - h / 2 - metrics.ascent;
    layout.yTitleLeft = 0;
    layout.yTitleTop = layout.plotTop + (plotHeight - layout.yTitleHeight) / 2;
    return layout;
}

std::vector<PlacedText> summaryTextLines(const std::string &text, int position, const PlotLayout &layout,
                                         const TextMetrics &metrics) {
    std::vector<PlacedText> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        PlacedText line;
        line.text = text.substr(start, end - start);
        line.width = textWidth(metrics, line.text) + 4;
        lines.push_back(line);
        start = end + 1;
    }
    int widest = 0;
    for (const PlacedText &line : lines)
        widest = std::max(widest, line.width);
    const int plotWidth = layout.plotRight - layout.plotLeft;
    const int left = position == 2 ? layout.plotLeft + (plotWidth - widest) / 2
                                   : (layout.plotLeft < 0 ? 10 : layout.plotLeft);
    const int h = std::max(metrics.height, 0);
    int top = position == 3 ? layout.plotBottom - static_cast<int>(lines.size()) * h : layout.plotTop;
    for (PlacedText &line : lines) {
        line.left = left;
        line.top = top;
        top += h;
    }
    return lines;
}

MarkerTriangle markerTriangle(int x, int size, int canvasHeight) {
    const int bottom = canvasHeight - 1, half = size / 2;
    return {{x, x - half, x + half}, {canvasHeight - size, bottom, bottom}};
}

// The ordered drawing list of one fit plot.
#include "plot/PlotScene.h"

#include <algorithm>

namespace {

bool isBlack(uint32_t colour) {
    return (colour & 0xFFFFFF) == 0;
}

PlotItem line(int x, int y, int x2, int y2, uint32_t colour, int width = 1) {
    PlotItem item;
    item.kind = PlotItem::Line;
    item.colour = colour;
    item.x = x;
    item.y = y;
    item.x2 = x2;
    item.y2 = y2;
    item.lineWidth = width;
    return item;
}

PlotItem box(PlotItem::Kind kind, int x, int y, int width, int height, uint32_t colour) {
    PlotItem item;
    item.kind = kind;
    item.colour = colour;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    return item;
}

PlotItem text(const PlacedText &placed, int inset, uint32_t colour) {
    PlotItem item;
    item.kind = PlotItem::Text;
    item.colour = colour;
    item.x = placed.left + inset;
    item.y = placed.top;
    item.text = placed.text;
    return item;
}

// The y range of the points whose x lies in the x range; `fallback` when there is none.
ValueRange visibleYRange(const std::vector<PlotSeriesData> &series, ValueRange x, ValueRange fallback) {
    double low = 0, high = 0;
    bool any = false;
    for (const PlotSeriesData &s : series) {
        const size_t n = std::min(s.x.size(), s.y.size());
        for (size_t j = 0; j < n; ++j) {
            if (!(s.x[j] >= x.low && s.x[j] <= x.high))
                continue;
            low = any ? std::min(low, s.y[j]) : s.y[j];
            high = any ? std::max(high, s.y[j]) : s.y[j];
            any = true;
        }
    }
    return any ? ValueRange{low, high} : fallback;
}

void addAxes(const PlotLayout &layout, uint32_t colour, std::vector<PlotItem> &items) {
    PlotItem title = text(layout.xTitle, 0, colour);
    PlotItem yTitle = box(PlotItem::RotatedText, layout.yTitleLeft, layout.yTitleTop, layout.yTitleWidth,
                          layout.yTitleHeight, colour);
    yTitle.text = layout.yTitle;
    items.push_back(title);
    items.push_back(yTitle);
    for (const Tick &tick : layout.yTicks) {
        items.push_back(
            line(layout.plotLeft - layout.tickLength, tick.pixel, layout.plotLeft, tick.pixel, colour));
        items.push_back(text(tick.label, 0, colour));
    }
    for (const Tick &tick : layout.xTicks) {
        items.push_back(
            line(tick.pixel, layout.plotBottom, tick.pixel, layout.plotBottom + layout.tickLength, colour));
        items.push_back(text(tick.label, 0, colour));
    }
}

void addSeries(const PlotModel &model, const PlotLayout &layout, uint32_t outline,
               std::vector<PlotItem> &items) {
    const uint32_t seriesColour = model.useCurveColour ? model.curveColour : plotRed;
    const std::vector<PlotSeriesData> &all = *model.series;
    for (size_t s = 0; s < all.size(); ++s) {
        const PlotSeriesData &series = all[s];
        const int lineWidth = s < model.lineWidths.size() ? model.lineWidths[s] : 1;
        const int pointSize = s < model.pointSizes.size() ? model.pointSizes[s] : 0;
        const size_t n = std::min(series.x.size(), series.y.size());
        auto inside = [&](int p) { return p >= layout.plotLeft && p <= layout.plotRight; };
        std::vector<int> px(n), py(n);
        for (size_t j = 0; j < n; ++j) {
            px[j] = layout.xToPixel(series.x[j]);
            py[j] = layout.yToPixel(series.y[j]);
        }
        for (size_t j = 1; lineWidth >= 1 && j < n; ++j)
            if (inside(px[j - 1]) && inside(px[j]))
                items.push_back(line(px[j - 1], py[j - 1], px[j], py[j], seriesColour, lineWidth));
        for (size_t j = 0; pointSize > 0 && j < n; ++j) {
            if (!inside(px[j]))
                continue;
            const int left = px[j] - pointSize / 2, top = py[j] - pointSize / 2;
            if (model.outlinePoints)
                items.push_back(
                    box(PlotItem::Disc, left - 1, top - 1, pointSize + 2, pointSize + 2, outline));
            const uint32_t own = j < series.colours.size() ? series.colours[j] : 0;
            items.push_back(box(PlotItem::Disc, left, top, pointSize, pointSize, own ? own : seriesColour));
        }
    }
}

// At most: a line to the next point, a disc and its outline per point, besides axes, markers and text.
size_t expectedItemCount(const PlotModel &model) {
    size_t count = 100 + 4 * model.markers.size();
    for (size_t s = 0; s < model.series->size(); ++s) {
        const PlotSeriesData &series = (*model.series)[s];
        const bool points = s < model.pointSizes.size() && model.pointSizes[s] > 0;
        count +=
            std::min(series.x.size(), series.y.size()) * (1 + (points ? (model.outlinePoints ? 2 : 1) : 0));
    }
    return count;
}

} // namespace

PlotScene buildPlotScene(const PlotModel &model, int canvasWidth, int canvasHeight,
                         const TextMetrics &metrics) {
    PlotScene scene;
    buildPlotScene(model, canvasWidth, canvasHeight, metrics, scene);
    return scene;
}

void buildPlotScene(const PlotModel &model, int canvasWidth, int canvasHeight, const TextMetrics &metrics,
                    PlotScene &scene) {
    scene.items.clear();
    scene.background = model.background;
    scene.axisColour = isBlack(model.background) ? plotWhite : plotBlack;
    scene.drawable = canvasWidth > 0 && canvasHeight > 0;
    const bool hasSeries = model.series && !model.series->empty();
    ValueRange y = model.yRange;
    if (hasSeries && model.yFromVisibleX)
        y = visibleYRange(*model.series, displayRange(model.xRange.low, model.xRange.high), y);
    scene.layout = computePlotLayout(canvasWidth, canvasHeight, model.showAxes, model.xRange, y, model.xTitle,
                                     model.yTitle, metrics);
    if (!scene.drawable || !hasSeries)
        return;

    const PlotLayout &layout = scene.layout;
    std::vector<PlotItem> &items = scene.items;
    items.reserve(expectedItemCount(model));
    if (model.showAxes)
        items.push_back(box(PlotItem::Frame, layout.plotLeft, layout.plotTop,
                            layout.plotRight - layout.plotLeft, layout.plotBottom - layout.plotTop,
                            scene.axisColour));
    for (double marker : model.markers) {
        PlotItem triangle;
        triangle.kind = PlotItem::Triangle;
        triangle.colour = plotRed;
        triangle.triangle = markerTriangle(layout.xToPixel(marker), model.markerSize, canvasHeight);
        items.push_back(triangle);
        const MarkerTriangle &t = triangle.triangle;
        for (int e = 0; e < 3; ++e)
            items.push_back(line(t.x[e], t.y[e], t.x[(e + 1) % 3], t.y[(e + 1) % 3], scene.axisColour));
    }
    if (model.showAxes)
        addAxes(layout, scene.axisColour, items);
    addSeries(model, layout, scene.axisColour, items);
    for (const PlacedText &placed :
         summaryTextLines(model.summaryText, model.textPosition, layout, metrics)) {
        items.push_back(
            box(PlotItem::Box, placed.left, placed.top, placed.width, metrics.height, scene.background));
        items.push_back(text(placed, 2, scene.axisColour));
    }
}

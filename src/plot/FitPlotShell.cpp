// The nine fit plots of the main window: their canvases, setting them up from the fit and drawing them, the
// zone markers, dragging a zone limit, paint and resize, and the plot fonts.
#include "app/Ordinax.h"

#include <algorithm>

#include "plot/FitPlots.h"
#include "tables/NumberText.h"

using namespace CommandId;

namespace {
const int kZoomColumns = 4;
const int kZoomSpacing = 4;

// The points of the application's normal font.
int normalFontPoints(FXApp *app) {
    return std::max(1, static_cast<int>(app->getNormalFont()->getSize()) / 10);
}
} // namespace

void Ordinax::buildFitPlots(FXComposite *page) {
    FXHorizontalFrame *row =
        new FXHorizontalFrame(page, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, kZoomSpacing, 0);
    fitCanvas = new FXCanvas(row, this, ID_FIT_PLOT, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    // Two columns of zoom views are in sight; the scroll window reaches the others.
    const int zoomWidth = 2 * zoomViewSize + 3 * kZoomSpacing + getApp()->getScrollBarSize();
    zoomScrollWindow =
        new FXScrollWindow(row, LAYOUT_FILL_Y | LAYOUT_FIX_WIDTH | FRAME_SUNKEN, 0, 0, zoomWidth);
    FXMatrix *grid = new FXMatrix(zoomScrollWindow, kZoomColumns, MATRIX_BY_COLUMNS, 0, 0, 0, 0, kZoomSpacing,
                                  kZoomSpacing, kZoomSpacing, kZoomSpacing, kZoomSpacing, kZoomSpacing);
    // Where no zoom view is shown the window has the colour of the page, not that of a text area.
    zoomScrollWindow->setBackColor(getApp()->getBaseColor());
    grid->setBackColor(getApp()->getBaseColor());
    for (FXCanvas *&canvas : zoomCanvases)
        canvas = new FXCanvas(grid, this, ID_FIT_PLOT, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0,
                              zoomViewSize, zoomViewSize);
    halfSizeCanvas = new FXCanvas(page, this, ID_FIT_PLOT, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT);
    halfSizeCanvas->hide();

    fitPlot = std::make_unique<DataPlot>(getApp(), fitPlotFontSize);
    halfSizePlot = std::make_unique<DataPlot>(getApp(), fitPlotFontSize / 2);
    for (std::unique_ptr<DataPlot> &zoom : zoomPlots)
        zoom = std::make_unique<DataPlot>(getApp(), normalFontPoints(getApp()));
    showZoomViews();
}

// The fit's series as the plots take them; the same object as long as the series stay the same, so that the
// plots can tell that nothing changed.
std::shared_ptr<const std::vector<PlotSeriesData>> Ordinax::fitPlotSeries() {
    const size_t count = static_cast<size_t>(std::max(seriesCount, 0));
    const bool same = plotSeries && plotSeries->size() == count && [&] {
        for (size_t s = 0; s < count; s++) {
            const PlotSeriesData &data = (*plotSeries)[s];
            if (data.x != seriesX[s] || data.y != seriesY[s] || data.colours != seriesColour[s])
                return false;
        }
        return true;
    }();
    if (!same) {
        auto series = std::make_shared<std::vector<PlotSeriesData>>(count);
        for (size_t s = 0; s < count; s++)
            (*series)[s] = {seriesX[s], seriesY[s], seriesColour[s]};
        plotSeries = series;
    }
    return plotSeries;
}

void Ordinax::setUpFitPlots(bool empty) {
    FitPlotSetup setup;
    setup.empty = empty || seriesCount == 0;
    setup.fitType = fitType;
    setup.plotBackground = plotBackground;
    setup.pointSizeIndex = pointSizeIndex;
    const int count = std::clamp(equationCount, 1, maxEquations);
    if (!setup.empty) {
        setup.series = fitPlotSeries();
        setup.summaryText = plotSummaryText().text();
        // The zoom views follow the limits as the upper-limit fields show them.
        for (int j = 0; j < count; j++) {
            const FXString text = upperLimitFields[j]->getText();
            setup.upperLimits.push_back(text.empty() ? upperLimits[j] : parseNumber(text.text()));
        }
    }
    if (xMin <= xMax) {
        setup.xMin = xMin;
        setup.xMax = xMax;
        setup.yMin = yMin;
        setup.yMax = yMax;
    }
    FitPlotModels models = fitPlotModels(setup);
    if (setup.empty) {
        // An empty plot keeps the data's ranges, so that its mapping and resolution stay those of the data.
        for (PlotModel *model : {&models.main, &models.half}) {
            model->xRange = {setup.xMin, setup.xMax};
            model->yRange = {setup.yMin, setup.yMax};
        }
    }
    fitPlot->setData(models.main);
    placeFitPlotMarkers();
    halfSizePlot->setData(models.half);
    PlotModel hidden;
    hidden.background = models.half.background;
    for (int k = 0; k < zoomViewCount; k++)
        zoomPlots[k]->setData(k < static_cast<int>(models.zooms.size()) ? models.zooms[k] : hidden);
    fitPlotShownEmpty = setup.empty;
}

void Ordinax::drawFitPlot(bool empty) {
    if (constructing || !fitPlot)
        return;
    setUpFitPlots(empty);
    if (fitPlotShownEmpty) {
        // Drawn once the window is idle: a fit that follows at once draws over it without showing it.
        if (!getApp()->hasChore(this, ID_FIT_PLOT))
            getApp()->addChore(this, ID_FIT_PLOT);
        return;
    }
    getApp()->removeChore(this, ID_FIT_PLOT);
    paintFitPlots();
}

void Ordinax::paintFitPlots() {
    fitPlot->draw(fitCanvas);
    xResolution = fitPlot->xResolution();
    drawHalfSizePlot();
    for (int k = 0; k < zoomViewCount; k++)
        if (zoomCanvases[k]->shown())
            zoomPlots[k]->draw(zoomCanvases[k]);
}

void Ordinax::drawHalfSizePlot() {
    halfSizeCanvas->resize(fitCanvas->getWidth() / 2, fitCanvas->getHeight() / 2);
    halfSizePlot->draw(halfSizeCanvas);
}

long Ordinax::onFitPlotChore(FXObject *, FXSelector, void *) {
    paintFitPlots();
    return 1;
}

void Ordinax::setFitPlotResolution(double xLow, double xHigh, double yLow, double yHigh) {
    if (!fitPlot)
        return;
    PlotModel shown = fitPlot->data();
    shown.xRange = {xLow, xHigh};
    shown.yRange = {yLow, yHigh};
    shown.showAxes = true;
    xResolution = fitPlot->layoutFor(shown, fitCanvas->getWidth(), fitCanvas->getHeight()).xResolution();
}

// The markers sit at the limits themselves, not at their rounded texts, so that a limit dragged to a pixel
// stays on it.
void Ordinax::placeFitPlotMarkers() {
    const int movable = std::clamp(equationCount, 1, maxEquations) - 1;
    fitPlot->setMarkers(movable, fitMarkerSize);
    for (int i = 0; i < movable; i++)
        fitPlot->setMarker(i, upperLimits[i]);
}

void Ordinax::showFitPlotMarkers() {
    if (!fitPlot)
        return;
    placeFitPlotMarkers();
    // An empty plot shows no markers.
    if (!constructing && !fitPlotShownEmpty) {
        fitPlot->draw(fitCanvas);
        xResolution = fitPlot->xResolution();
    }
}

void Ordinax::showZoomViews() {
    for (int k = 0; k < zoomViewCount; k++) {
        if (k <= equationCount)
            zoomCanvases[k]->show();
        else
            zoomCanvases[k]->hide();
    }
    zoomScrollWindow->recalc();
    replotFitPlot = true;
}

void Ordinax::setFitPlotFontSize(int points) {
    if (!fitPlot)
        return;
    fitPlot->setFontSize(points);
    halfSizePlot->setFontSize(points / 2);
    drawFitPlot(fitPlotShownEmpty);
}

std::vector<double> Ordinax::limitsInUse() const {
    return std::vector<double>(upperLimits, upperLimits + std::clamp(equationCount, 1, maxEquations));
}

long Ordinax::onFitPlotPaint(FXObject *sender, FXSelector, void *ptr) {
    FXCanvas *canvas = static_cast<FXCanvas *>(sender);
    if (replotFitPlot) {
        replotFitPlot = false;
        drawFitPlot(fitPlotShownEmpty);
    }
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    DataPlot *plot = canvas == fitCanvas        ? fitPlot.get()
                     : canvas == halfSizeCanvas ? halfSizePlot.get()
                                                : nullptr;
    for (int k = 0; k < zoomViewCount && !plot; k++)
        if (canvas == zoomCanvases[k])
            plot = zoomPlots[k].get();
    if (plot && event)
        plot->repaint(canvas, event->rect);
    return 1;
}

long Ordinax::onFitPlotResize(FXObject *sender, FXSelector, void *) {
    if (sender == fitCanvas) {
        showLimits(false);
        drawHalfSizePlot();
        replotFitPlot = true;
    }
    return 1;
}

long Ordinax::onFitPlotPress(FXObject *sender, FXSelector, void *ptr) {
    draggedLimit = -1;
    if (sender != fitCanvas || fitPlotShownEmpty)
        return 1;
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    draggedLimit = limitAtPress(event->win_x, event->win_y, fitCanvas->getHeight(),
                                limitPixels(limitsInUse(), fitPlot->layout()));
    if (draggedLimit != -1)
        fitCanvas->grab();
    return 1;
}

long Ordinax::onFitPlotDrag(FXObject *sender, FXSelector, void *ptr) {
    if (sender != fitCanvas || draggedLimit == -1)
        return 1;
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    if (auto value = movedLimitValue(draggedLimit, event->win_x, limitsInUse(), fitPlot->layout(),
                                     limitRounding())) {
        upperLimits[draggedLimit] = *value;
        showLimits(false);
    }
    return 1;
}

// Letting go of the main plot refits, so the fit follows a dragged limit.
long Ordinax::onFitPlotRelease(FXObject *sender, FXSelector, void *) {
    if (sender != fitCanvas)
        return 1;
    if (draggedLimit != -1)
        fitCanvas->ungrab();
    draggedLimit = -1;
    refit();
    return 1;
}

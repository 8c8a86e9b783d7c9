// The fit plot class: one plot drawn into an offscreen picture of its canvas's size, then shown on it.
#pragma once
#include <fx.h>

#include <memory>
#include <utility>

#include "plot/PlotScene.h"

class DataPlot {
public:
    // The plot measures its texts with the application's normal font face at `fontPoints`.
    DataPlot(FXApp *owner, int fontPoints);
    virtual ~DataPlot();
    DataPlot(const DataPlot &) = delete;
    DataPlot &operator=(const DataPlot &) = delete;

    // Replaces everything the plot shows: data, titles, colours, options, ranges and markers.
    void setData(const PlotModel &data);
    const PlotModel &data() const { return model; }
    // Overrides the shown ranges until the next setData.
    void setRanges(double xLow, double xHigh, double yLow, double yHigh);
    // `count` zone markers of `size` pixels, all at x = 0; setMarker(i, x) puts marker i at value x.
    void setMarkers(int count, int size);
    void setMarker(int i, double x);
    // Font size in points (the font is made at size x 10 decipoints); out-of-range sizes are clamped.
    void setFontSize(int points);

    // The mapping of the last draw.
    int xToPixel(double x) const { return scene.layout.xToPixel(x); }
    double pixelToX(int pixel) const { return scene.layout.pixelToX(pixel); }
    double xResolution() const { return scene.layout.xResolution(); }
    std::pair<int, int> plotArea() const { return {scene.layout.plotLeft, scene.layout.plotRight}; }
    const PlotLayout &layout() const { return scene.layout; }

    // The background alone, or the whole plot, drawn into the picture at the canvas's size and shown on the
    // canvas. A draw whose picture would be the same as the last one only shows the picture again.
    void drawEmpty(FXCanvas *canvas);
    void draw(FXCanvas *canvas);
    // Copies the exposed part of the last picture onto the canvas.
    void repaint(FXCanvas *canvas, const FXRectangle &exposed) const;
    // The offscreen picture of the last draw with its pixels read back (null before the first draw).
    FXImage *picture();

private:
    void render(FXCanvas *canvas, const PlotModel &shown);
    void paintItems(FXDCWindow &dc) const;
    void drawRotatedTitle(FXDCWindow &dc, const PlotItem &item) const;

    FXApp *owner;
    std::unique_ptr<FXFont> font;
    int fontPoints;
    std::unique_ptr<FXImage> image; // the picture, on the display side; `pixels` is its client buffer
    bool pixelsCurrent = false;     // the client buffer holds what was last drawn
    PlotModel model;
    PlotScene scene; // what the picture shows
    int width = 0, height = 0;
    bool sceneValid = false;
};

// The fit plot class: one plot drawn into an offscreen picture of its canvas's size, then shown on it.
#pragma once
#include <fx.h>

#include <memory>
#include <utility>
#include <vector>

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
    // The layout a draw of `data` on a canvas of w x h would have (the series play no part in it).
    PlotLayout layoutFor(const PlotModel &data, int w, int h) const;

    // The plot drawn into the picture at the canvas's size and shown on the canvas (a plot without series
    // shows its background). Nothing is painted again when the picture stays the same; a hidden canvas
    // gets its picture painted when picture() asks for it.
    void draw(FXCanvas *canvas);
    // Copies the exposed part of the last picture onto the canvas.
    void repaint(FXCanvas *canvas, const FXRectangle &exposed) const;
    // The offscreen picture of the last draw with its pixels read back (null before the first draw).
    FXImage *picture();

  private:
    // Paints the picture for a canvas of w x h when what it shows changed; true when it did.
    bool update(int w, int h, const PlotModel &shown);
    TextMetrics metrics() const;
    void paintPicture();
    void drawRotatedTitle(FXDCWindow &dc, const PlotItem &item) const;

    FXApp *owner;
    std::unique_ptr<FXFont> font;
    int fontPoints;
    std::unique_ptr<FXImage> image; // the picture as the display holds it, texts included
    bool pixelsCurrent = false;     // the image's own buffer holds the whole picture
    std::vector<uint32_t> pixels;   // the shapes of the picture, ARGB
    PlotModel model;
    PlotModel drawnModel;      // what the picture was drawn from
    PlotScene scene;           // what the picture shows
    PlotScene nextScene;       // storage for the next drawing list
    int width = 0, height = 0; // size of the picture
    bool sceneValid = false;
    bool pending = false; // the canvas was hidden at the last draw, pendingModel is to be painted
    FXCanvas *pendingCanvas = nullptr;
    PlotModel pendingModel;
};

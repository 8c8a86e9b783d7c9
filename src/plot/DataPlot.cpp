// The fit plot class: the shapes of its drawing list painted into pixels and its texts drawn by the toolkit,
// in an offscreen picture that is copied onto the canvas.
#include "plot/DataPlot.h"

#include <algorithm>

#include "image/ToolkitColor.h"
#include "platform/PixelUpload.h"
#include "plot/PlotRaster.h"

namespace {

bool sameItem(const PlotItem &a, const PlotItem &b) {
    if (a.kind != b.kind || a.colour != b.colour || a.x != b.x || a.y != b.y || a.x2 != b.x2 ||
        a.y2 != b.y2 || a.width != b.width || a.height != b.height || a.lineWidth != b.lineWidth ||
        a.text != b.text)
        return false;
    return std::equal(a.triangle.x, a.triangle.x + 3, b.triangle.x) &&
           std::equal(a.triangle.y, a.triangle.y + 3, b.triangle.y);
}

bool sameRange(const ValueRange &a, const ValueRange &b) {
    return a.low == b.low && a.high == b.high;
}

// Two models with the same options and the very same series draw the same picture on one canvas.
bool sameModel(const PlotModel &a, const PlotModel &b) {
    return a.background == b.background && a.xTitle == b.xTitle && a.yTitle == b.yTitle &&
           a.summaryText == b.summaryText && a.series == b.series && a.lineWidths == b.lineWidths &&
           a.pointSizes == b.pointSizes && a.useCurveColour == b.useCurveColour &&
           a.curveColour == b.curveColour && a.showAxes == b.showAxes && a.yFromVisibleX == b.yFromVisibleX &&
           a.outlinePoints == b.outlinePoints && a.textPosition == b.textPosition &&
           sameRange(a.xRange, b.xRange) && sameRange(a.yRange, b.yRange) && a.markerSize == b.markerSize &&
           a.markers == b.markers;
}

// Two scenes give the same picture when they fill the same background and draw the same items.
bool samePicture(const PlotScene &a, const PlotScene &b) {
    return a.background == b.background &&
           std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(), sameItem);
}

} // namespace

DataPlot::DataPlot(FXApp *app, int points) : owner(app), fontPoints(0) {
    setFontSize(points);
}

DataPlot::~DataPlot() = default;

void DataPlot::setData(const PlotModel &data) {
    model = data;
}

void DataPlot::setRanges(double xLow, double xHigh, double yLow, double yHigh) {
    model.xRange = {xLow, xHigh};
    model.yRange = {yLow, yHigh};
}

void DataPlot::setMarkers(int count, int size) {
    model.markers.assign(std::max(count, 0), 0.0);
    model.markerSize = size;
}

void DataPlot::setMarker(int i, double x) {
    if (i >= 0 && i < static_cast<int>(model.markers.size()))
        model.markers[i] = x;
}

void DataPlot::setFontSize(int points) {
    points = std::clamp(points, 1, 200);
    if (font && points == fontPoints)
        return;
    FXFontDesc desc;
    owner->getNormalFont()->getFontDesc(desc);
    desc.size = points * 10;
    font = std::make_unique<FXFont>(owner, desc);
    font->create();
    fontPoints = points;
    sceneValid = false;
}

TextMetrics DataPlot::metrics() const {
    const FXFont *f = font.get();
    return {f->getFontHeight(), f->getFontAscent(), [f](const std::string &text) {
                return f->getTextWidth(text.c_str(), static_cast<FXuint>(text.size()));
            }};
}

PlotLayout DataPlot::layoutFor(const PlotModel &data, int w, int h) const {
    PlotModel frame = data;
    frame.series = nullptr;
    return buildPlotScene(frame, w, h, metrics()).layout;
}

void DataPlot::draw(FXCanvas *canvas) {
    // A hidden canvas shows nothing: its picture is painted when it is asked for.
    pending = !canvas->shown();
    pendingCanvas = canvas;
    if (pending)
        pendingModel = model;
    else if (update(canvas->getWidth(), canvas->getHeight(), model))
        repaint(canvas, FXRectangle(0, 0, static_cast<FXshort>(width), static_cast<FXshort>(height)));
}

bool DataPlot::update(int w, int h, const PlotModel &shown) {
    if (sceneValid && image && w == width && h == height && sameModel(shown, drawnModel))
        return false;
    buildPlotScene(shown, w, h, metrics(), nextScene);
    if (!nextScene.drawable)
        return false;
    // An unchanged picture is on the canvas already (exposures are repainted from it).
    const bool unchanged = sceneValid && image && w == width && h == height && samePicture(nextScene, scene);
    std::swap(scene, nextScene);
    drawnModel = shown;
    if (unchanged)
        return false;
    if (!image || w != width || h != height) {
        image = std::make_unique<FXImage>(owner, nullptr, IMAGE_KEEP | IMAGE_OWNED, w, h);
        image->create();
        width = w;
        height = h;
    }
    paintPicture();
    return true;
}

// The shapes are painted into the pixels and sent to the display; the texts are drawn there with the font.
void DataPlot::paintPicture() {
    pixelsCurrent = false;
    sceneValid = true;
    if (scene.items.empty()) {
        FXDCWindow dc(image.get());
        dc.setForeground(toToolkitColor(scene.background));
        dc.fillRectangle(0, 0, width, height);
        return;
    }
    rasterizePlotScene(scene, pixels, width, height);
    if (!putArgbPixels(image.get(), pixels.data())) {
        FXColor *data = image->getData();
        for (size_t i = 0; i < pixels.size(); ++i)
            data[i] = toToolkitColor(pixels[i]);
        image->render();
    }
    FXDCWindow dc(image.get());
    dc.setFont(font.get());
    const int ascent = font->getFontAscent();
    for (const PlotItem &item : scene.items) {
        if (item.kind == PlotItem::Text) {
            dc.setForeground(toToolkitColor(item.colour));
            dc.drawText(item.x, item.y + ascent, item.text.c_str(), static_cast<FXuint>(item.text.size()));
        } else if (item.kind == PlotItem::RotatedText) {
            drawRotatedTitle(dc, item);
        }
    }
}

// The y title is written across a small picture of the background, which is turned to read upwards.
void DataPlot::drawRotatedTitle(FXDCWindow &dc, const PlotItem &item) const {
    if (item.width <= 0 || item.height <= 0)
        return;
    FXImage label(owner, nullptr, IMAGE_KEEP | IMAGE_OWNED, item.height, item.width);
    label.create();
    {
        FXDCWindow labelDc(&label);
        labelDc.setForeground(toToolkitColor(scene.background));
        labelDc.fillRectangle(0, 0, item.height, item.width);
        labelDc.setForeground(toToolkitColor(item.colour));
        labelDc.setFont(font.get());
        labelDc.drawText(0, font->getFontAscent(), item.text.c_str(), static_cast<FXuint>(item.text.size()));
    }
    label.restore();
    label.rotate(90);
    dc.drawImage(&label, item.x, item.y);
}

void DataPlot::repaint(FXCanvas *canvas, const FXRectangle &exposed) const {
    if (!canvas->id() || !canvas->shown())
        return;
    FXDCWindow dc(canvas);
    if (!image) {
        dc.setForeground(toToolkitColor(model.background));
        dc.fillRectangle(exposed.x, exposed.y, exposed.w, exposed.h);
        return;
    }
    dc.drawArea(image.get(), exposed.x, exposed.y, exposed.w, exposed.h, exposed.x, exposed.y);
    // Beyond a picture smaller than the canvas (the canvas grew since the last draw).
    dc.setForeground(toToolkitColor(scene.background));
    if (canvas->getWidth() > width)
        dc.fillRectangle(width, 0, canvas->getWidth() - width, canvas->getHeight());
    if (canvas->getHeight() > height)
        dc.fillRectangle(0, height, width, canvas->getHeight() - height);
}

FXImage *DataPlot::picture() {
    if (pending) {
        pending = false;
        update(pendingCanvas->getWidth(), pendingCanvas->getHeight(), pendingModel);
    }
    if (image && !pixelsCurrent) {
        image->restore();
        pixelsCurrent = true;
    }
    return image.get();
}

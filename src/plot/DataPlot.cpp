// The fit plot class: the plot's drawing list painted with the toolkit into an offscreen picture.
#include "plot/DataPlot.h"

#include <algorithm>

#include "image/ToolkitColor.h"

namespace {

bool sameItem(const PlotItem &a, const PlotItem &b) {
    if (a.kind != b.kind || a.colour != b.colour || a.x != b.x || a.y != b.y || a.x2 != b.x2 || a.y2 != b.y2 ||
        a.width != b.width || a.height != b.height || a.lineWidth != b.lineWidth || a.text != b.text)
        return false;
    return std::equal(a.triangle.x, a.triangle.x + 3, b.triangle.x) &&
           std::equal(a.triangle.y, a.triangle.y + 3, b.triangle.y);
}

// Two scenes give the same picture when they fill the same background and draw the same items.
bool samePicture(const PlotScene &a, const PlotScene &b) {
    return a.background == b.background &&
           std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(), sameItem);
}

FXshort coordinate(int value) {
    return static_cast<FXshort>(std::clamp(value, -maxPlotCoordinate, maxPlotCoordinate));
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

void DataPlot::drawEmpty(FXCanvas *canvas) {
    PlotModel background = model;
    background.series = nullptr;
    render(canvas, background);
}

void DataPlot::draw(FXCanvas *canvas) {
    render(canvas, model);
}

void DataPlot::render(FXCanvas *canvas, const PlotModel &shown) {
    const int w = canvas->getWidth(), h = canvas->getHeight();
    FXFont *f = font.get();
    const TextMetrics metrics{f->getFontHeight(), f->getFontAscent(), [f](const std::string &text) {
                                  return f->getTextWidth(text.c_str(), static_cast<FXuint>(text.size()));
                              }};
    PlotScene next = buildPlotScene(shown, w, h, metrics);
    if (!next.drawable)
        return;
    const bool unchanged = sceneValid && image && w == width && h == height && samePicture(next, scene);
    scene = std::move(next);
    if (!unchanged) {
        if (!image || w != width || h != height) {
            image = std::make_unique<FXImage>(owner, nullptr, IMAGE_KEEP | IMAGE_OWNED, w, h);
            image->create();
            width = w;
            height = h;
        }
        FXDCWindow dc(image.get());
        dc.setForeground(toToolkitColor(scene.background));
        dc.fillRectangle(0, 0, w, h);
        dc.setFont(font.get());
        paintItems(dc);
        pixelsCurrent = false;
        sceneValid = true;
    }
    repaint(canvas, FXRectangle(0, 0, static_cast<FXshort>(w), static_cast<FXshort>(h)));
}

void DataPlot::paintItems(FXDCWindow &dc) const {
    const std::vector<PlotItem> &items = scene.items;
    const int ascent = font->getFontAscent();
    std::vector<FXSegment> segments;
    uint32_t colour = scene.background;
    int lineWidth = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const PlotItem &item = items[i];
        if (item.colour != colour) {
            colour = item.colour;
            dc.setForeground(toToolkitColor(colour));
        }
        switch (item.kind) {
        case PlotItem::Line: {
            // A run of lines of one colour and width goes to the display in one request.
            const int wanted = item.lineWidth <= 1 ? 0 : item.lineWidth;
            if (wanted != lineWidth)
                dc.setLineWidth(lineWidth = wanted);
            segments.clear();
            size_t j = i;
            for (; j < items.size() && items[j].kind == PlotItem::Line && items[j].colour == colour &&
                   items[j].lineWidth == item.lineWidth;
                 ++j)
                segments.push_back({coordinate(items[j].x), coordinate(items[j].y), coordinate(items[j].x2),
                                    coordinate(items[j].y2)});
            dc.drawLineSegments(segments.data(), static_cast<FXuint>(segments.size()));
            i = j - 1;
            break;
        }
        case PlotItem::Frame:
            dc.drawRectangle(item.x, item.y, item.width, item.height);
            break;
        case PlotItem::Box:
            dc.fillRectangle(item.x, item.y, item.width, item.height);
            break;
        case PlotItem::Disc:
            dc.fillArc(item.x, item.y, item.width, item.width, 0, 360 * 64);
            break;
        case PlotItem::Triangle: {
            FXPoint corners[3];
            for (int c = 0; c < 3; ++c)
                corners[c] = FXPoint(coordinate(item.triangle.x[c]), coordinate(item.triangle.y[c]));
            dc.fillPolygon(corners, 3);
            break;
        }
        case PlotItem::Text:
            dc.drawText(item.x, item.y + ascent, item.text.c_str(), static_cast<FXuint>(item.text.size()));
            break;
        case PlotItem::RotatedText:
            drawRotatedTitle(dc, item);
            break;
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
    if (image && !pixelsCurrent) {
        image->restore();
        pixelsCurrent = true;
    }
    return image.get();
}

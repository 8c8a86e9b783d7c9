// Painting over the picture: the marker colour radios, markers with the overlay log and its erase, the
// reference and data points, the highlight of table rows, the two-point line and the extended cursor.
#include <algorithm>
#include <climits>

#include "app/Ordinax.h"
#include "image/ToolkitColor.h"

using namespace CommandId;

namespace {
const char *const markerColorNames[markerColorCount] = {"red",    "green",  "blue",   "black",
                                                        "yellow", "orange", "purple", "turquoise"};

// A pixel cell read as an integer; typed values beyond int are pinned far outside any picture.
int pixelCell(const Table_qvx1 *table, int row, int column) {
    long value = table->getCellInt(row, column);
    return static_cast<int>(std::clamp<long>(value, INT_MIN / 2, INT_MAX / 2));
}

void buildColorRadios(FXComposite *parent, const char *title, const char *tip, FXObject *target,
                      FXSelector id, FXRadioButton *(&radios)[markerColorCount]) {
    new FXLabel(parent, title);
    for (int i = 0; i < markerColorCount; i++) {
        FXRadioButton *radio =
            new FXRadioButton(parent, FXString("\t") + tip + " (" + markerColorNames[i] + ")", target, id,
                              RADIOBUTTON_NORMAL | LAYOUT_CENTER_Y, 0, 0, 0, 0, 1, 1, 1, 1);
        FXColor color = toToolkitColor(markerColor(i));
        radio->setDiskColor(color);
        radio->setRadioColor(i == 3 || i == 2 || i == 6 ? FXRGB(255, 255, 255) : FXRGB(0, 0, 0));
        radios[i] = radio;
    }
}

// Paints that put back clean pixels give every pixel one colour, so they may be grouped by colour into
// long runs without changing the result.
void groupByColor(std::vector<PixelPaint> &paints) {
    std::sort(paints.begin(), paints.end(),
              [](const PixelPaint &a, const PixelPaint &b) { return a.color < b.color; });
}

int senderIndex(FXObject *sender, FXRadioButton *const (&radios)[markerColorCount]) {
    for (int i = 0; i < markerColorCount; i++)
        if (sender == radios[i])
            return i;
    return 1;
}
} // namespace

void Ordinax::buildPaintingControls(FXComposite *parent) {
    FXGroupBox *group = new FXGroupBox(
        parent, "Point color", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X, 0, 0, 0, 0, 4, 4, 2, 2);
    FXMatrix *matrix =
        new FXMatrix(group, 9, MATRIX_BY_COLUMNS | LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1);
    buildColorRadios(matrix, "Data", "Color of the data points", this, ID_DATA_POINT_COLOR,
                     dataPointColorRadios);
    buildColorRadios(matrix, "Corners", "Color of the corner reference points", this,
                     ID_REFERENCE_POINT_COLOR, referencePointColorRadios);
    FXHorizontalFrame *row = new FXHorizontalFrame(group, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 2, 0);
    resetImageButton = new FXButton(row,
                                    "Reset image\tResets image, but keep the data in the table and the axis "
                                    "definitions.",
                                    nullptr, this, ID_RESET_IMAGE, BUTTON_NORMAL);
    buildCursorControls(row);
    syncDataPointColor();
    syncReferencePointColor();
    applyCursorStyle();
}

PictureGeometry Ordinax::pictureGeometry() const {
    return PictureGeometry{imageWidth, imageHeight, viewOffsetX, viewOffsetY};
}

void Ordinax::paintPixels(FXImage *image, const std::vector<PixelPaint> &paints, bool logged) {
    if (!image || paints.empty())
        return;
    if (logged)
        overlayLog.add(paints);
    // One device call per run of one colour, in order, so later paints cover earlier ones.
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    std::vector<FXPoint> points;
    FXDCWindow dc(image);
    for (size_t i = 0; i < paints.size();) {
        uint32_t color = paints[i].color;
        points.clear();
        for (; i < paints.size() && paints[i].color == color; i++) {
            const PixelPaint &p = paints[i];
            if (p.x < 0 || p.y < 0 || p.x >= image->getWidth() || p.y >= image->getHeight())
                continue;
            points.push_back(FXPoint(static_cast<FXshort>(p.x), static_cast<FXshort>(p.y)));
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        if (points.empty())
            continue;
        dc.setForeground(toToolkitColor(color));
        dc.drawPoints(points.data(), static_cast<FXuint>(points.size()));
    }
    if (imageView->getImage() != image)
        imageView->setImage(image);
    if (left <= right)
        imageView->update(left, top, right - left + 1, bottom - top + 1);
}

void Ordinax::drawMarker(int x, int y, uint32_t color, int thickness, int length, bool hollow,
                         FXImage *image) {
    std::vector<PixelPaint> paints;
    appendMarker(paints, pictureGeometry(), x, y, color, MarkerSize{thickness, length}, hollow,
                 highlightOutlineColor(dataPointColorIndex));
    paintPixels(image, paints, true);
}

void Ordinax::eraseOverlays(FXImage *image) {
    if (!image)
        return;
    std::vector<PixelPaint> paints;
    if (overlayLog.erase(cleanPixels.data(), imageWidth, imageHeight, paints)) {
        groupByColor(paints);
        paintPixels(image, paints, false);
    } else {
        restoreWholePicture(image);
    }
}

// For a log that lost pixels: the whole clean picture goes back into the image.
void Ordinax::restoreWholePicture(FXImage *image) {
    FXColor *data = image->getData();
    if (!data || cleanPixels.size() != static_cast<size_t>(image->getWidth()) * image->getHeight())
        return;
    for (size_t i = 0; i < cleanPixels.size(); i++)
        data[i] = toToolkitColor(cleanPixels[i]);
    image->render();
    imageView->update();
}

std::vector<CanvasPoint> Ordinax::referencePointPositions() const {
    std::vector<CanvasPoint> points;
    if (!xAxisTable || !yAxisTable)
        return points;
    const std::pair<Table_qvx1 *, int> cells[3] = {{xAxisTable, 0}, {xAxisTable, 1}, {yAxisTable, 1}};
    for (const auto &[table, row] : cells)
        if (!table->isCellEmpty(row, 1) && !table->isCellEmpty(row, 2))
            points.push_back({pixelCell(table, row, 1), pixelCell(table, row, 2)});
    return points;
}

std::vector<CanvasPoint> Ordinax::dataPointPositions() const {
    std::vector<CanvasPoint> points;
    for (int row = 0; row < curvePointsTable->getNumRows(); row++) {
        if (curvePointsTable->isCellEmpty(row, 3) || curvePointsTable->isCellEmpty(row, 4))
            break;
        points.push_back({pixelCell(curvePointsTable, row, 3), pixelCell(curvePointsTable, row, 4)});
    }
    return points;
}

// An empty pixel cell reads 0, left of the view, so an undefined point draws nothing.
void Ordinax::drawReferencePoints(FXImage *image) {
    if (!image || !xAxisTable || !yAxisTable)
        return;
    std::vector<PixelPaint> paints;
    const std::pair<Table_qvx1 *, int> cells[3] = {{xAxisTable, 0}, {xAxisTable, 1}, {yAxisTable, 1}};
    for (const auto &[table, row] : cells)
        appendMarker(paints, pictureGeometry(), pixelCell(table, row, 1), pixelCell(table, row, 2),
                     referencePointColor, referenceMarkerSize, false);
    paintPixels(image, paints, true);
}

void Ordinax::drawDataPoints(FXImage *image) {
    if (!image)
        return;
    std::vector<PixelPaint> paints;
    for (const CanvasPoint &p : dataPointPositions())
        appendMarker(paints, pictureGeometry(), p.x, p.y, dataPointColor, dataMarkerSize, false);
    paintPixels(image, paints, true);
}

void Ordinax::redrawOverlays() {
    if (!workImage)
        return;
    eraseOverlays(workImage);
    drawReferencePoints(workImage);
    drawDataPoints(workImage);
}

void Ordinax::highlightRow(int row, bool redrawFirst) {
    if (!workImage || row < 0 || row >= curvePointsTable->getNumRows())
        return;
    if (redrawFirst)
        redrawOverlays();
    int x = pixelCell(curvePointsTable, row, 3), y = pixelCell(curvePointsTable, row, 4);
    drawMarker(x, y, dataPointColor, dataMarkerSize.thickness, dataMarkerSize.length, true, workImage);
    magnifyHighlight(x, y);
}

void Ordinax::magnifyHighlight(int x, int y) {
    if (!showMagnifiedImage)
        return;
    magnifyCentre = FXPoint(static_cast<FXshort>(std::clamp(x, -32768, 32767)),
                            static_cast<FXshort>(std::clamp(y, -32768, 32767)));
    updateMagnifiedViews(x, y);
}

// Highlights every selected row that holds both values, as highlightRow does for each with one redraw
// first; the markers go to the screen together and the magnified views show the last one. A selection
// without such rows still takes away an earlier highlight.
void Ordinax::highlightSelectedRows() {
    std::vector<CanvasPoint> rows;
    if (curvePointsTable->isAnythingSelected()) {
        int from = std::max(curvePointsTable->getSelStartRow(), 0);
        int to = std::min(curvePointsTable->getSelEndRow(), curvePointsTable->getNumRows() - 1);
        for (int row = from; row <= to; row++)
            if (!curvePointsTable->isCellEmpty(row, 0) && !curvePointsTable->isCellEmpty(row, 1))
                rows.push_back({pixelCell(curvePointsTable, row, 3), pixelCell(curvePointsTable, row, 4)});
    }
    if (!rows.empty() || highlightShown)
        redrawOverlays();
    highlightShown = !rows.empty() && workImage;
    if (!highlightShown)
        return;
    std::vector<PixelPaint> paints;
    for (const CanvasPoint &p : rows)
        appendHighlightMarker(paints, pictureGeometry(), p.x, p.y, dataPointColorIndex);
    paintPixels(workImage, paints, true);
    magnifyHighlight(rows.back().x, rows.back().y);
}

void Ordinax::drawLine(FXImage *image) {
    if (!image)
        return;
    drawReferencePoints(image);
    drawDataPoints(image);
    std::vector<PixelPaint> paints;
    appendLine(paints, imageWidth, imageHeight, lineX[0], lineY[0], lineX[1], lineY[1], referencePointColor);
    paintPixels(image, paints, false);
}

// The lines are put back from the clean picture where they were, so a motion costs a row, a column
// and the logged pixels, not the whole picture. The screen then shows the clean picture, the lines and
// the reference points, as the log does.
void Ordinax::drawExtendedCursor(int ix, int iy) {
    if (!workImage || cleanPixels.empty())
        return;
    std::vector<PixelPaint> paints;
    appendExtendedCursor(paints, imageWidth, imageHeight, extendedCursorAt.x, extendedCursorAt.y, 0);
    for (PixelPaint &p : paints)
        p.color = cleanPixels[static_cast<size_t>(p.y) * imageWidth + p.x];
    if (overlayLog.erase(cleanPixels.data(), imageWidth, imageHeight, paints)) {
        groupByColor(paints);
        paintPixels(workImage, paints, false);
    } else {
        restoreWholePicture(workImage);
    }
    paints.clear();
    appendExtendedCursor(paints, imageWidth, imageHeight, ix, iy, dataPointColor);
    paintPixels(workImage, paints, false);
    extendedCursorAt = ix > 0 && iy > 0 ? FXPoint(static_cast<FXshort>(std::min(ix, 32767)),
                                                  static_cast<FXshort>(std::min(iy, 32767)))
                                        : FXPoint(-1, -1);
    drawReferencePoints(workImage);
}

long Ordinax::onResetImage(FXObject *sender, FXSelector, void *) {
    eraseOverlays(workImage);
    drawReferencePoints(workImage);
    if (sender == resetImageButton)
        logWarningShown = false;
    if (workImage)
        imageView->update();
    return 1;
}

long Ordinax::onDataPointColor(FXObject *sender, FXSelector, void *) {
    dataPointColorIndex = senderIndex(sender, dataPointColorRadios);
    syncDataPointColor();
    redrawOverlays();
    return 1;
}

long Ordinax::onReferencePointColor(FXObject *sender, FXSelector, void *) {
    referencePointColorIndex = senderIndex(sender, referencePointColorRadios);
    syncReferencePointColor();
    redrawOverlays();
    return 1;
}

void Ordinax::syncDataPointColor() {
    dataPointColorIndex = validMarkerColorIndex(dataPointColorIndex);
    for (int i = 0; i < markerColorCount; i++)
        dataPointColorRadios[i]->setCheck(i == dataPointColorIndex);
    dataPointColor = markerColor(dataPointColorIndex);
    if (cornerPointsSameColorAsDataPoints && cornerPointsSameColorAsDataPoints->getCheck() &&
        referencePointColorIndex != dataPointColorIndex) {
        referencePointColorIndex = dataPointColorIndex;
        syncReferencePointColor();
    }
    drawScanDirectionImage();
}

void Ordinax::syncReferencePointColor() {
    referencePointColorIndex = validMarkerColorIndex(referencePointColorIndex);
    for (int i = 0; i < markerColorCount; i++)
        referencePointColorRadios[i]->setCheck(i == referencePointColorIndex);
    referencePointColor = markerColor(referencePointColorIndex);
    if (cornerPointsSameColorAsDataPoints && cornerPointsSameColorAsDataPoints->getCheck() &&
        dataPointColorIndex != referencePointColorIndex) {
        dataPointColorIndex = referencePointColorIndex;
        syncDataPointColor();
    }
}

long Ordinax::onSamePointColors(FXObject *, FXSelector, void *) {
    if (cornerPointsSameColorAsDataPoints->getCheck() && dataPointColorIndex != referencePointColorIndex) {
        dataPointColorIndex = referencePointColorIndex;
        syncDataPointColor();
    }
    return 1;
}

long Ordinax::onUnhighlight(FXObject *, FXSelector, void *) {
    curvePointsTable->killSelection();
    redrawOverlays();
    highlightShown = false;
    return 1;
}

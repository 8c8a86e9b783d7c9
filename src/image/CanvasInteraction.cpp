// The mouse and keys on the picture: the click with its point types, the motion with stepping, the
// constrained pointer, the read-outs, the extended and adaptive cursors, the rubber-band line and the
// magnified views, the keys, and the scan-direction view.
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

#include "app/Ordinax.h"
#include "axis/AxisTransform.h"
#include "image/CursorShapes.h"
#include "image/PointTypeLogic.h"
#include "image/ToolkitColor.h"
#include "tracing/PointSearch.h"
#include "ui/Dialogs.h"
#include <fxkeys.h>

using namespace CommandId;

namespace {
// The extended cursor is redrawn at most once a millisecond (FXThread::time counts nanoseconds).
constexpr FXlong extendedCursorInterval = 1000000;

// A pixel cell as an integer; typed values beyond int are pinned far outside any picture.
int cellInt(const Table_qvx1 *table, int row, int column) {
    return static_cast<int>(std::clamp<long>(table->getCellInt(row, column), INT_MIN / 2, INT_MAX / 2));
}

// The origin as the constraint holds it: x from the X table, y from the Y table.
std::optional<PointerPosition> constraintOrigin(const Table_qvx1 *xTable, const Table_qvx1 *yTable) {
    if (xTable->isCellEmpty(AxisMinRow, XPixelsColumn) || yTable->isCellEmpty(AxisMinRow, YPixelsColumn))
        return std::nullopt;
    return PointerPosition{cellInt(xTable, AxisMinRow, XPixelsColumn),
                           cellInt(yTable, AxisMinRow, YPixelsColumn)};
}
} // namespace

long Ordinax::onImageClick(FXObject *, FXSelector, void *ptr) {
    if (!imageReady)
        return 0;
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    clickOnPicture(event ? event->state : 0);
    return 1;
}

void Ordinax::clickOnPicture(FXuint state) {
    if (!imageReady || !workImage)
        return;
    readSearchLength();
    FXint x, y;
    FXuint buttons;
    getCursorPosition(x, y, buttons);
    const long long ix = static_cast<long long>(x) - viewOffsetX,
                    iy = static_cast<long long>(y) - viewOffsetY;
    // Return and the stepping run this with the pointer anywhere; only a point on the picture counts, and
    // a colour pick off the picture ends without a colour.
    if (ix < 0 || iy < 0 || ix >= imageWidth || iy >= imageHeight) {
        if (colorPickMode && !lineMode)
            completeColorPick(std::nullopt);
        return;
    }
    if (highlightShown) {
        curvePointsTable->killSelection();
        redrawOverlays();
        highlightShown = false;
    }
    if (lineMode) {
        placeLinePoint(static_cast<int>(ix), static_cast<int>(iy));
        return;
    }
    const uint32_t pixel = cleanPixels[static_cast<size_t>(iy) * imageWidth + static_cast<size_t>(ix)];
    if (colorPickMode) {
        completeColorPick(pixel);
        return;
    }
    readColorTolerance();

    const PointTypeStep step = pointTypeForClick(nextPointType);
    pointType = step.pointType;
    if (pointType == pointData) {
        // The warnings about the axis values wait until there are values to warn about.
        if (!checkPointValues())
            return;
        // Both one-time warnings use up the click; the reversed check comes after the counter moved.
        const bool reversedShownBefore = reversedWarningShown;
        if (checkAxisSanity()) {
            if (reversedWarningShown && !reversedShownBefore) {
                nextPointType = cappedPointType(step.nextPointType);
                endStepMode();
            }
            return;
        }
    }
    // An origin click also clears the axis finder's sampled axis colour.
    nextPointType = step.nextPointType;
    showPointType(nextPointType);
    nextPointType = cappedPointType(nextPointType);

    int px = x;
    double py = y;
    if (pointType == pointData && !(state & CONTROLMASK) && autoFindPoint_Chk &&
        autoFindPoint_Chk->getCheck()) {
        std::optional<SearchHit> hit = searchAtClick(pixelView(), searchSettings(), x, y);
        showSearchResult(hit.has_value());
        if (!hit)
            return;
        px = hit->x;
        py = hit->yExact;
    } else if (pointType == pointData) {
        showSearchResult(colorMatches(pixel));
    }

    bool traceAfterClick = false;
    if (pointType == pointData) {
        const int row = writeDataPoint(px, py);
        if (row < 0)
            return;
        if (lineShown)
            drawLine(workImage);
        // With "Pro mode" the click that wrote row 1 outside the stepping ends with "Auto-find curve" and
        // "Copy table".
        traceAfterClick = row == 1 && !stepMode && proMode_Chk->getCheck();
        showDataPointControls(row);
    } else {
        recordReferencePoint(pointType, x, y);
        // The axis finder runs here for an origin click when the axis "Auto-find" box is checked.
    }
    finishClick();
    if (traceAfterClick) {
        autoFindCurve();
        copyColumns(ID_COPY_TABLE, copyTableButtons[0]);
    }
}

// Both transform failures depend on the axis tables only, not on the point.
bool Ordinax::checkPointValues() {
    AxisError error = AxisError::None;
    if (!validateAxisTables())
        error = AxisError::IncompleteTables;
    else if (logAxisInvalid(readAxisTables(), axisOptions(), AxisX) ||
             logAxisInvalid(readAxisTables(), axisOptions(), AxisY))
        error = AxisError::NonPositiveLogValue;
    if (error == AxisError::None)
        return true;
    // The stepping ends, so that the message shows once and not at every motion.
    endStepMode();
    Dialogs::error(this, kAxisErrorCaption, axisErrorText(error));
    return false;
}

int Ordinax::writeDataPoint(int x, double y) {
    if (!checkPointValues())
        return -1;
    const int row = nextPointRow();
    writePointRow(row, x, y);
    if (stepMode)
        stepRow = row;
    return row;
}

void Ordinax::showDataPointControls(int row) {
    resetPointsHeader();
    undoButton->enable();
    if (row >= 1)
        orderPointsButton->enable();
}

void Ordinax::finishClick() {
    updatePointTableHatching();
    if (showMagnifiedImage) {
        if (magnifyCentre.x != -1 || magnifyCentre.y != -1) {
            updateMagnifiedViews(magnifyCentre.x, magnifyCentre.y);
            magnifyCentre = FXPoint(-1, -1);
        } else {
            FXint x, y;
            FXuint buttons;
            getCursorPosition(x, y, buttons);
            updateMagnifiedViews(x, y);
        }
    }
    if (dataSource != 0) {
        fitType = 0;
        dataSource = 0;
        applyFitType();
    }
    enableDrawLineWhenReady();
}

void Ordinax::replayClickWithoutRecording() {
    if (!imageReady || !workImage)
        return;
    if (highlightShown) {
        curvePointsTable->killSelection();
        redrawOverlays();
        highlightShown = false;
    }
    if (lastPointRow() >= 0)
        showDataPointControls(lastPointRow());
    finishClick();
}

void Ordinax::recordReferencePoint(int type, int x, int y) {
    const FXString textX = FXStringFormat("%d", x), textY = FXStringFormat("%d", y);
    auto write = [&](Table_qvx1 *table, int row) {
        table->setCellText(row, XPixelsColumn, textX);
        table->setCellText(row, YPixelsColumn, textY);
    };
    switch (type) {
    case pointOrigin:
        write(xAxisTable, AxisMinRow);
        write(yAxisTable, AxisMinRow);
        rotationCentre =
            FXPoint(static_cast<FXshort>(std::clamp(x - viewOffsetX, 0, std::max(imageWidth - 1, 0))),
                    static_cast<FXshort>(std::clamp(y - viewOffsetY, 0, std::max(imageHeight - 1, 0))));
        break;
    case pointMaxX:
        write(xAxisTable, AxisMaxRow);
        break;
    case pointMinY:
        write(yAxisTable, AxisMinRow);
        return;
    case pointMaxY:
        write(yAxisTable, AxisMaxRow);
        if (extendCursorAll_Chk->getCheck())
            drawExtendedCursor(-1, -1);
        break;
    default:
        return;
    }
    drawMarker(x, y, referencePointColor, referenceMarkerSize.thickness, referenceMarkerSize.length, false,
               workImage);
}

void Ordinax::placeLinePoint(int ix, int iy) {
    const int i = std::clamp(linePointCount, 0, 1);
    lineX[i] = ix;
    lineY[i] = iy;
    if (i == 0) {
        startRubberBand();
        linePointCount = 1;
        return;
    }
    linePointCount = 2;
    endRubberBand();
    drawLine(workImage);
    lineMode = false;
    lineShown = true;
    drawLineButton->setText("Draw line");
    enableDrawLineWhenReady();
}

// The rubber band's picture: the view's client pixels with the point markers on them, made once at the
// first line point; each motion then repaints only the band's old and new pixels.
void Ordinax::startRubberBand() {
    endRubberBand();
    lineShown = false;
    const size_t size = static_cast<size_t>(imageWidth) * imageHeight;
    FXImage *shown = imageView->getImage();
    if (shown && shown->getData() && static_cast<size_t>(shown->getWidth()) * shown->getHeight() == size)
        lineBasePixels.assign(shown->getData(), shown->getData() + size);
    else
        for (uint32_t pixel : cleanPixels)
            lineBasePixels.push_back(toToolkitColor(pixel));
    std::vector<PixelPaint> markers;
    for (const CanvasPoint &p : referencePointPositions())
        appendMarker(markers, pictureGeometry(), p.x, p.y, referencePointColor, referenceMarkerSize, false);
    for (const CanvasPoint &p : dataPointPositions())
        appendMarker(markers, pictureGeometry(), p.x, p.y, dataPointColor, dataMarkerSize, false);
    for (const PixelPaint &p : markers)
        if (p.x >= 0 && p.y >= 0 && p.x < imageWidth && p.y < imageHeight)
            lineBasePixels[static_cast<size_t>(p.y) * imageWidth + p.x] = toToolkitColor(p.color);
    lineImage = std::make_unique<FXImage>(getApp(), lineBasePixels.data(),
                                          IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, imageWidth, imageHeight);
    lineImage->create();
}

void Ordinax::endRubberBand() {
    if (lineImage && imageView->getImage() == lineImage.get())
        imageView->setImage(workImage);
    lineImage.reset();
    std::vector<FXColor>().swap(lineBasePixels);
    rubberBandPaints.clear();
}

void Ordinax::showRubberBand(int ix, int iy) {
    if (!lineImage)
        return;
    lineX[1] = ix;
    lineY[1] = iy;
    std::vector<PixelPaint> paints;
    for (const PixelPaint &p : rubberBandPaints)
        paints.push_back(
            {p.x, p.y, fromToolkitColor(lineBasePixels[static_cast<size_t>(p.y) * imageWidth + p.x])});
    rubberBandPaints.clear();
    appendLine(rubberBandPaints, imageWidth, imageHeight, lineX[0], lineY[0], ix, iy, referencePointColor);
    paints.insert(paints.end(), rubberBandPaints.begin(), rubberBandPaints.end());
    if (imageView->getImage() != lineImage.get())
        imageView->setImage(lineImage.get());
    paintPixels(lineImage.get(), paints, false);
}

long Ordinax::onImageMotion(FXObject *, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    trackPointer(event ? event->state : 0);
    return 1;
}

void Ordinax::trackPointer(FXuint state) {
    if (!imageReady || !workImage)
        return;
    FXint x, y;
    FXuint buttons;
    getCursorPosition(x, y, buttons);
    if (stepMode && (pointType == pointData || pointTypeShown(pointData)))
        stepAt(x, y, state);

    if (constrainCursor_Chk->getCheck())
        constrainActive = pointTypeShown(pointMaxX) || pointTypeShown(pointMaxY);
    const ConstrainedPointer held =
        constrainPointer(constrainActive, pointTypeShown(pointMaxX), pointTypeShown(pointMaxY),
                         constraintOrigin(xAxisTable, yAxisTable), PointerPosition{x, y});
    if (held.moved)
        setCursorPosition(held.pointer.x, held.pointer.y);
    x = held.pointer.x;
    y = held.pointer.y;
    if (held.writesX)
        currentPositionTable->setCellText(0, 1, FXStringFormat("%d", x));
    if (held.writesY)
        currentPositionTable->setCellText(1, 1, FXStringFormat("%d", y));

    const long long ix = static_cast<long long>(x) - viewOffsetX,
                    iy = static_cast<long long>(y) - viewOffsetY;
    if (ix >= 0 && iy >= 0 && ix < imageWidth && iy < imageHeight) {
        if (extendCursorAll_Chk->getCheck() && !pointTypeShown(pointData)) {
            const FXlong now = FXThread::time();
            if (now - extendedCursorTime > extendedCursorInterval) {
                drawExtendedCursor(static_cast<int>(ix), static_cast<int>(iy));
                extendedCursorTime = now;
            }
        }
        const uint32_t pixel = cleanPixels[static_cast<size_t>(iy) * imageWidth + static_cast<size_t>(ix)];
        if (colorPickMode)
            showCurveColor(pixel);
        else
            showSelectionColor(pixel);
        // While a colour is picked the colour-pick cursor stays.
        if (cursorColorIndex == cursorAdaptive && !colorPickMode) {
            const int white = adaptiveCursorIsWhite(pixel) ? 1 : 0;
            if (white != adaptiveCursorWhite) {
                adaptiveCursorWhite = white;
                imageView->setDefaultCursor(canvasCursors[white].get());
            }
        }
    }
    if (pointTypeShown(pointMaxX))
        showAxisAngle(AxisX);
    else if (pointTypeShown(pointMaxY))
        showAxisAngle(AxisY);
    showCursorPosition();
    if (lineMode && linePointCount == 1)
        showRubberBand(static_cast<int>(std::clamp<long long>(ix, INT_MIN / 2, INT_MAX / 2)),
                       static_cast<int>(std::clamp<long long>(iy, INT_MIN / 2, INT_MAX / 2)));
    if (showMagnifiedImage) {
        magnifyCentre = FXPoint(static_cast<FXshort>(std::clamp(x, -32768, 32767)),
                                static_cast<FXshort>(std::clamp(y, -32768, 32767)));
        updateMagnifiedViews(x, y);
    }
}

void Ordinax::stepAt(int x, int y, FXuint state) {
    const long long ix = static_cast<long long>(x) - viewOffsetX,
                    iy = static_cast<long long>(y) - viewOffsetY;
    if (ix < 0 || iy < 0 || ix >= imageWidth || iy >= imageHeight)
        return;
    const std::vector<CanvasPoint> points = dataPointPositions();
    std::optional<PointerPosition> last;
    if (!points.empty())
        last = PointerPosition{points.back().x, points.back().y};
    const bool pointSearch = autoFindPoint_Chk && autoFindPoint_Chk->getCheck();
    switch (stepActionForMotion(pointSearch, searchDirection, last, stepRow == -1, PointerPosition{x, y},
                                stepSpacing)) {
    case StepAction::Click:
        clickOnPicture(state);
        break;
    case StepAction::AddPoint: {
        const int row = writeDataPoint(x, y);
        if (row >= 0)
            showDataPointControls(row);
        break;
    }
    case StepAction::None:
        break;
    }
}

void Ordinax::endStepMode() {
    stepMode = false;
    stepRow = -1;
    paintPointSearchPanel(false);
}

long Ordinax::onImageKeyPress(FXObject *, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    if (!event)
        return 0;
    switch (event->code) {
    case KEY_Shift_L:
    case KEY_Shift_R:
        if (!workImage || !(pointType == pointData || pointTypeShown(pointData)))
            return 0;
        proMode_Chk->setCheck(FALSE);
        syncPointSearchControls();
        paintPointSearchPanel(true);
        stepMode = true;
        stepSpacing = event->state & CONTROLMASK ? 5 : 10;
        clearClipboard();
        return 1;
    case KEY_Delete:
    case KEY_KP_Delete:
        undoLastPoint();
        if (highlightShown) {
            redrawOverlays();
            highlightShown = false;
        }
        return 1;
    default:
        break;
    }
    if (!constrainCursor_Chk->getCheck())
        constrainActive = (event->state & ALTMASK) != 0;
    ArrowKey key;
    switch (event->code) {
    case KEY_Return:
    case KEY_KP_Enter:
        clickOnPicture(event->state);
        return 1;
    case KEY_Left:
        key = ArrowKey::Left;
        break;
    case KEY_Right:
        key = ArrowKey::Right;
        break;
    case KEY_Up:
        key = ArrowKey::Up;
        break;
    case KEY_Down:
        key = ArrowKey::Down;
        break;
    default:
        return 0;
    }
    FXint x, y;
    FXuint buttons;
    getCursorPosition(x, y, buttons);
    // The picture's own rectangle in window coordinates, from its second column and row to one past it.
    const PointerBounds bounds{viewOffsetX + 1, viewOffsetY + 1, viewOffsetX + imageView->getWidth(),
                               viewOffsetY + imageView->getHeight()};
    const PointerPosition to =
        arrowKeyTarget(PointerPosition{x, y}, key,
                       arrowKeyStep(event->state & SHIFTMASK, event->state & CONTROLMASK), bounds);
    setCursorPosition(to.x, to.y);
    return 1;
}

long Ordinax::onImageKeyRelease(FXObject *, FXSelector, void *) {
    endStepMode();
    if (!constrainCursor_Chk->getCheck())
        constrainActive = false;
    return 1;
}

// Only the third view, the scan-direction picture, takes clicks.
long Ordinax::onScanDirectionClick(FXObject *sender, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    FXImageView *view = magnifyViews[2];
    if (sender != view || !event || view->getWidth() <= 0 || view->getHeight() <= 0)
        return 1;
    std::optional<int> direction =
        scanDirectionForClick(static_cast<double>(event->win_x) / view->getWidth(),
                              static_cast<double>(event->win_y) / view->getHeight());
    if (!direction)
        return 1;
    searchDirection = *direction;
    showSearchDirection();
    return 1;
}

// "Auto-find curve" and "Full auto": the search settings read from the controls, the tracing kernels run
// over the clean picture, and their points written into "Curve points".
#include "app/Ordinax.h"
#include "tracing/ColorTest.h"
#include "tracing/TracingControls.h"
#include "ui/Dialogs.h"
#include "platform/ClipboardOwnership.h"

using namespace CommandId;

namespace {
const int diffColumn = 2, xPixelColumn = 3, yPixelColumn = 4;

std::string rowText(const Table_qvx1 *table, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < table->getNumColumns(); c++)
        cells.push_back(table->cellString(row, c));
    return traceRowText(cells);
}

void growRows(Table_qvx1 *table, int rows) {
    if (table->getNumRows() < rows)
        table->insertRows(table->getNumRows(), rows - table->getNumRows());
}
} // namespace

SearchSettings Ordinax::searchSettings() const {
    return SearchSettings{searchDirection, searchLength, pickLocation,
                          ColorTest{rgbColor(searchRed, searchGreen, searchBlue), colorTolerance}};
}

// The picture without overlays; an inconsistent buffer shows as an empty picture.
PixelView Ordinax::pixelView() const {
    if (imageWidth <= 0 || imageHeight <= 0 ||
        cleanPixels.size() != static_cast<size_t>(imageWidth) * static_cast<size_t>(imageHeight))
        return PixelView{};
    return PixelView{cleanPixels.data(), imageWidth, imageHeight, viewOffsetX, viewOffsetY};
}

// Writes the points' window pixels with "%d" into "x px" and "y px" of consecutive rows from firstRow; a
// new point's old "% diff" belongs to the point it replaces and goes too.
void Ordinax::writeTracedPoints(int firstRow, const std::vector<CanvasPoint> &points) {
    Table_qvx1 *table = curvePointsTable;
    growRows(table, firstRow + static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); i++) {
        const int row = firstRow + static_cast<int>(i);
        table->setCellText(row, diffColumn, FXString());
        table->setCellText(row, xPixelColumn, FXStringFormat("%d", points[i].x));
        table->setCellText(row, yPixelColumn, FXStringFormat("%d", points[i].y));
    }
}

void Ordinax::autoFindCurve() {
    if (!workImage) {
        const TraceMessage message = traceErrorMessage(TraceError::noImage);
        Dialogs::error(this, message.caption, message.text);
        return;
    }
    const bool dataType = dataPointTypeRadio && dataPointTypeRadio->getCheck();
    if (fullAutoApplies(fullAuto_Chk->getCheck(), proMode_Chk->getCheck(), dataType, stepMode)) {
        readSearchLength();
        readColorTolerance();
        getApp()->beginWaitCursor();
        onClearData(this, FXSEL(SEL_COMMAND, ID_CLEAR_DATA), nullptr);
        setImageControlsEnabled(false);
        fullAutoScan();
        orderPointsButton->enable();
        resetPointsHeader();
        setImageControlsEnabled(true);
        enableDrawLineWhenReady();
        copyColumns(ID_COPY_TABLE, copyTableButtons[0]);
        getApp()->endWaitCursor();
        return;
    }

    readSearchLength();
    readColorTolerance();
    Table_qvx1 *table = curvePointsTable;
    TraceDefinition definition;
    definition.lastRow = lastPointRow();
    if (definition.lastRow > 0) {
        const int first = definition.lastRow - 1, second = definition.lastRow;
        definition.x1 = table->getCellInt(first, xPixelColumn);
        definition.y1 = table->getCellInt(first, yPixelColumn);
        definition.x2 = table->getCellInt(second, xPixelColumn);
        definition.y2 = table->getCellInt(second, yPixelColumn);
        definition.rows = {rowText(table, first), rowText(table, second)};
    }
    if (TraceError error = checkTraceDefinition(definition, lastTracePair); error != TraceError::none) {
        const TraceMessage message = traceErrorMessage(error);
        Dialogs::error(this, message.caption, message.text);
        return;
    }

    getApp()->beginWaitCursor();
    const TraceResult trace =
        followCurve(pixelView(), searchSettings(), definition,
                    autoFindPointCount(numAutoFindPoints_LB->getCurrentItem()), table->getNumRows());
    growRows(table, trace.tableRows);
    // A trace that keeps fewer than two points writes nothing, so the two defining rows stay as they were.
    if (!trace.restoreDefiningRows)
        writeTracedPoints(trace.firstRow, trace.points);
    recalculateAllRows();
    redrawOverlays();
    const int end = trace.endRow;
    table->makePositionVisible(std::min(end + 1, table->getNumRows() - 1), 0);
    if (end > 1) {
        lastTracePair = {rowText(table, end - 2), rowText(table, end - 1)};
        table->selectRange(0, end - 1, 0, 1, FALSE);
        copySelectionToClipboard(table);
        setPointCopyButtonsEnabled(true);
    }
    imageView->update();
    getApp()->endWaitCursor();
}

// Every column (or row) of the picture searched once; the table and its backup grow to hold a point per
// line, and the points fill rows 0, 1, 2, ... in scan order.
void Ordinax::fullAutoScan() {
    const FullScanResult scan = ::fullAutoScan(pixelView(), searchSettings());
    growRows(curvePointsTable, scan.lineCount);
    growRows(curvePointsBackup, curvePointsTable->getNumRows());
    writeTracedPoints(0, scan.points);
    recalculateAllRows();
    drawDataPoints(workImage);
}

long Ordinax::onAutoFindCurve(FXObject *, FXSelector, void *) {
    autoFindCurve();
    return 1;
}

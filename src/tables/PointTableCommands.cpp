// The commands of the point tables: deleting rows (popup and keys), the keys of "Curve points", the backup
// and restore of the points, and the xy values table's clearing, filling from the picture and size.
#include <algorithm>
#include <cstdlib>

#include "app/Ordinax.h"
#include "ui/Dialogs.h"
#include <fxkeys.h>

using namespace CommandId;

namespace {
// Empties every cell that holds text; true when any did.
bool emptyCells(Table_qvx1 *table) {
    bool any = false;
    for (int r = 0; r < table->getNumRows(); r++)
        for (int c = 0; c < table->getNumColumns(); c++)
            if (!table->getItemText(r, c).empty()) {
                table->setItemText(r, c, FXString());
                any = true;
            }
    return any;
}

void setRowCount(Table_qvx1 *table, int rows) {
    const int now = table->getNumRows();
    if (rows < now)
        table->removeRows(rows, now - rows);
    else if (rows > now)
        table->insertRows(now, rows - now);
}

// Keys that only move through the table, which every column lets through.
bool isNavigationKey(FXuint code) {
    switch (code) {
    case KEY_Up:
    case KEY_Down:
    case KEY_Left:
    case KEY_Right:
    case KEY_Page_Up:
    case KEY_Page_Down:
    case KEY_Home:
    case KEY_End:
    case KEY_Tab:
    case KEY_ISO_Left_Tab:
    case KEY_KP_Up:
    case KEY_KP_Down:
    case KEY_KP_Left:
    case KEY_KP_Right:
    case KEY_Shift_L:
    case KEY_Shift_R:
    case KEY_Control_L:
    case KEY_Control_R:
        return true;
    default:
        return false;
    }
}
} // namespace

// Removes the selected rows; without a selection the user is told to make one. True when rows went.
bool Ordinax::deleteSelectedRows(Table_qvx1 *table) {
    const int from = table->getSelStartRow(), to = table->getSelEndRow();
    if (!table->isAnythingSelected() || from < 0 || to < from || to >= table->getNumRows()) {
        Dialogs::error(this, "Row Error", "Select 1 or more rows and try again.");
        return false;
    }
    table->removeRows(from, to - from + 1);
    if (table == curvePointsTable) {
        redrawOverlays();
        if (lastPointRow() <= 0) {
            orderPointsButton->disable();
            resetPointsHeader();
        }
        highlightShown = false;
    }
    return true;
}

void Ordinax::deleteWithKey(int row, int column) {
    Table_qvx1 *table = curvePointsTable;
    if (row < 0 || row >= table->getNumRows())
        return;
    bool filled = false;
    for (int c = 0; c < table->getNumColumns() && !filled; c++)
        filled = !table->isCellEmpty(row, c);
    if (!filled || !deleteSelectedRows(table))
        return;
    if (row >= table->getNumRows() || column < 0 || column >= table->getNumColumns())
        return;
    const int select = lastMoveDown ? row : std::max(row - 1, 0);
    table->killSelection();
    table->setCurrentItem(select, column);
    table->selectRow(select);
    table->makePositionVisible(select, column);
    highlightSelectedRows();
}

long Ordinax::onCurvePointsKey(FXObject *, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    Table_qvx1 *table = curvePointsTable;
    const int row = table->getCurrentRow(), column = std::max(table->getCurrentColumn(), 0);
    switch (event->code) {
    case KEY_Up:
    case KEY_Down: {
        lastMoveDown = event->code == KEY_Down;
        const int next = std::clamp(row + (lastMoveDown ? 1 : -1), 0, table->getNumRows() - 1);
        table->killSelection();
        table->setCurrentItem(next, column);
        table->setAnchorItem(next, column);
        table->selectRange(next, next, column, column);
        table->makePositionVisible(next, column);
        highlightSelectedRows();
        return 1;
    }
    case KEY_Left:
    case KEY_Right:
        if ((event->code == KEY_Left) != (column == 0))
            return 0;
        if (row >= 0)
            table->selectRange(row, row, column, column);
        return 1;
    case KEY_Delete:
    case KEY_KP_Delete:
        deleteWithKey(row, column);
        return 1;
    default:
        return 0;
    }
}

// The table goes on with its own handling of the release.
long Ordinax::onCurvePointsRelease(FXObject *, FXSelector, void *) {
    highlightSelectedRows();
    return 0;
}

// The "% difference" column is the fit's: nothing is typed into it, but Control keys, c and moves pass.
long Ordinax::onXyValuesKey(FXObject *, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    if (xyValuesTable->getCurrentColumn() != 3)
        return 0;
    if ((event->state & CONTROLMASK) || event->code == KEY_c || isNavigationKey(event->code))
        return 0;
    return 1;
}

long Ordinax::onDeleteRows(FXObject *, FXSelector sel, void *) {
    deleteSelectedRows(FXSELID(sel) == ID_DELETE_XY_ROWS ? xyValuesTable : curvePointsTable);
    return 1;
}

void Ordinax::moveToBackup() {
    stepRow = -1;
    curvePointsBackup->setTableSize(curvePointsTable->getNumRows(), curvePointsTable->getNumColumns());
    for (int r = 0; r < curvePointsTable->getNumRows(); r++)
        for (int c = 0; c < curvePointsTable->getNumColumns(); c++) {
            FXString text = curvePointsTable->getItemText(r, c);
            if (!text.empty())
                curvePointsBackup->setItemText(r, c, text);
        }
    const bool moved = emptyCells(curvePointsTable);
    curvePointsTable->setPosition(0, 0);
    setPointCopyButtonsEnabled(false);
    orderPointsButton->disable();
    resetPointsHeader();
    clearFitOutputs();
    if (moved)
        restoreDataButton->enable();
    clearDataButton->disable();
    lastTracePair = {};
    highlightShown = false;
}

void Ordinax::restoreFromBackup() {
    Table_qvx1 *table = curvePointsTable;
    if (table->getNumRows() < curvePointsBackup->getNumRows())
        table->insertRows(table->getNumRows(), curvePointsBackup->getNumRows() - table->getNumRows());
    int last = -1;
    for (int r = 0; r < curvePointsBackup->getNumRows(); r++)
        for (int c = 0; c < std::min(table->getNumColumns(), curvePointsBackup->getNumColumns()); c++) {
            FXString text = curvePointsBackup->getItemText(r, c);
            table->setCellText(r, c, text);
            if (!text.empty())
                last = r;
        }
    redrawOverlays();
    replayClickWithoutRecording();
    restoreDataButton->disable();
    clearDataButton->enable();
    if (last < 0)
        return;
    for (FXButton *b :
         {copyTableButtons[0], copyTableButtons[1], copyXButton, copyYButton, orderPointsButton})
        b->enable();
    table->makePositionVisible(std::min(last + 1, table->getNumRows() - 1), 0);
    resetPointsHeader();
}

void Ordinax::clearXyTable() {
    emptyCells(xyValuesTable);
    xyValuesTable->setCurrentItem(0, 0);
    xyValuesTable->makePositionVisible(0, 0);
    xyValuesTable->selectRange(0, 0, 0, 0);
    emptyCells(fitResultsTable);
    copyResultsButtons[0]->disable();
    copyResultsButtons[1]->disable();
    highlightShown = false;
}

void Ordinax::copyImagePointsToXy(int firstRow) {
    const int n = filledRowCount(curvePointsTable, {0, 1});
    for (int j = 0; j < n; j++) {
        if (firstRow + j >= xyValuesTable->getNumRows()) {
            Dialogs::warning(this, "Error Copying Data",
                             "Too many points were selected, some were not copied.");
            return;
        }
        xyValuesTable->setCellText(firstRow + j, 0, curvePointsTable->getItemText(j, 0));
        xyValuesTable->setCellText(firstRow + j, 1, curvePointsTable->getItemText(j, 1));
    }
}

long Ordinax::onCopyImagePointsToXy(FXObject *, FXSelector sel, void *) {
    if (FXSELID(sel) == ID_COPY_IMAGE_XY) {
        clearXyTable();
        copyImagePointsToXy(0);
        return 1;
    }
    int first = 0;
    while (first < xyValuesTable->getNumRows() &&
           !(xyValuesTable->isCellEmpty(first, 0) && xyValuesTable->isCellEmpty(first, 1)))
        first++;
    copyImagePointsToXy(first);
    return 1;
}

void Ordinax::resizeXyTables() {
    FXString text = numRowsInXYTable_LB->getItemText(numRowsInXYTable_LB->getCurrentItem());
    text.substitute(",", "", true);
    const unsigned long parsed = std::strtoul(text.text(), nullptr, 10);
    const int rows = static_cast<int>(std::clamp<unsigned long>(parsed, 100, 1000000));
    setRowCount(xyValuesTable, rows);
    setRowCount(fitResultsTable, rows);
}

long Ordinax::onXyRowCount(FXObject *, FXSelector, void *) {
    resizeXyTables();
    return 1;
}

long Ordinax::onClearData(FXObject *, FXSelector, void *) {
    moveToBackup();
    eraseOverlays(workImage);
    drawReferencePoints(workImage);
    if (workImage)
        imageView->update();
    return 1;
}

long Ordinax::onRestoreData(FXObject *, FXSelector, void *) {
    restoreFromBackup();
    return 1;
}

long Ordinax::onClearXyTable(FXObject *, FXSelector, void *) {
    clearXyTable();
    return 1;
}

// The point tables: the "Curve points" table of the Image page with its controls and hidden backup, the
// Xy Values page with the xy values and fit results tables, writing points, ordering and copying rows.
// The tables are the data model; every cell is text.
#include <algorithm>
#include <climits>
#include <cmath>

#include "app/Ordinax.h"
#include "tables/ShellSort.h"
#include "platform/ClipboardOwnership.h"

using namespace CommandId;

namespace {
struct ColumnSpec {
    const char *title;
    int width;
};

void setColumns(Table_qvx1 *table, std::initializer_list<ColumnSpec> columns) {
    int c = 0;
    for (const ColumnSpec &column : columns) {
        table->setColumnText(c, column.title);
        table->setColumnWidth(c, column.width);
        c++;
    }
    table->setRowHeaderWidth(40);
    table->setColumnHeaderHeight(24);
}

Table_qvx1 *makeTable(FXComposite *parent, FXObject *target, FXSelector id, FXuint options, int rows,
                      int columns, int width = 0, int height = 0) {
    Table_qvx1 *table = new Table_qvx1(parent, target, id, options | TABLE_ROW_RENUMBER, 0, 0, width, height);
    table->setTableSize(rows, columns);
    return table;
}

FXButton *makeButton(FXComposite *parent, const FXString &text, FXIcon *icon, FXObject *target, FXSelector id,
                     FXuint layout = 0) {
    return new FXButton(parent, text, icon, target, id, BUTTON_NORMAL | ICON_BEFORE_TEXT | layout, 0, 0, 0, 0,
                        4, 4, 2, 2);
}

FXHorizontalFrame *buttonRow(FXComposite *parent) {
    return new FXHorizontalFrame(parent, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
}

const char *const orderBeforeCopyingText = "Order the data in the table by the x-value before copying.";
const char *const pointsXHeader = "X-value";
const char *const pointsXOrderedHeader = "X-value \xE2\x86\x93"; // followed by U+2193, downwards arrow
const char *const xyRowCounts[] = {"100",   "500",   "1,000", "2,000", "3,000", "4,000",
                                   "5,000", "6,000", "7,000", "8,000", "9,000", "10,000"};

} // namespace

void Ordinax::buildCurvePointsTables(FXComposite *parent) {
    FXHorizontalFrame *row = buttonRow(parent);
    copyTableButtons[0] = makeButton(row, "Copy table", copyIcon, this, ID_COPY_TABLE);
    copyXButton = makeButton(row, "Copy X\tCopy the table x-values.", nullptr, this, ID_COPY_X);
    copyYButton = makeButton(row, "Copy Y\tCopy the table y-values.", nullptr, this, ID_COPY_Y);
    row = buttonRow(parent);
    autoOrderIncreasingWhenCopying_Chk =
        new FXCheckButton(row, FXString("Order when\ncopying\t") + orderBeforeCopyingText, this,
                          ID_ORDER_WHEN_COPYING, CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    orderPointsButton = makeButton(row, "Order points (x)\tx low to high (descending)", orderIcon, this,
                                   ID_ORDER_POINTS_X, LAYOUT_CENTER_Y);

    FXGroupBox *group = new FXGroupBox(
        parent, "Curve points", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_Y, 0, 0, 0, 0, 2, 2, 2, 2);
    curvePointsTable = makeTable(group, this, ID_CURVE_POINTS,
                                 TABLE_READONLY | LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y | TABLE_COL_SIZABLE, 1002,
                                 5, 40 + 80 + 80 + 40 + 20);
    setColumns(curvePointsTable,
               {{pointsXHeader, 80}, {"Y-value", 80}, {"% diff", 40}, {"x px", 0}, {"y px", 0}});
    curvePointsTable->setVisibleRows(15);
    curvePointsBackup = makeTable(group, nullptr, 0, 0, 1002, 5);
    curvePointsBackup->hide();

    row = buttonRow(parent);
    clearDataButton = makeButton(
        row, "Clear data\tResets image, deletes all data in the table but keeps the axis definitions.",
        clearIcon, this, ID_CLEAR_DATA);
    restoreDataButton =
        makeButton(row, FXStringFormat("Restore data\tRestores data to the \"%s\" table.", "Curve points"),
                   nullptr, this, ID_RESTORE_DATA);
    row = buttonRow(parent);
    copyTableButtons[1] = makeButton(row, "Copy table", copyIcon, this, ID_COPY_TABLE);

    clipboardClearField = new FXTextField(parent, 15, nullptr, 0, TEXTFIELD_READONLY);
    clipboardClearField->hide();

    for (FXButton *b : {copyTableButtons[0], copyTableButtons[1], copyXButton, copyYButton, orderPointsButton,
                        clearDataButton, restoreDataButton})
        b->disable();
    updatePointTableHatching();
}

void Ordinax::buildXyValuesTables(FXComposite *parent) {
    FXHorizontalFrame *page =
        new FXHorizontalFrame(parent, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
    FXVerticalFrame *controls = new FXVerticalFrame(page, LAYOUT_FILL_Y, 0, 0, 0, 0, 2, 2, 2, 2, 0, 4);
    makeButton(controls, "Clear table", clearIcon, this, ID_CLEAR_XY_TABLE, LAYOUT_FILL_X);
    copyXyTableButton = makeButton(controls, "Copy table", copyIcon, this, ID_COPY_XY_TABLE, LAYOUT_FILL_X);
    makeButton(controls, "Order table\n(by x-values)", orderIcon, this, ID_ORDER_XY_BY_X, LAYOUT_FILL_X);
    makeButton(controls, "Order table\n(by % Diff)", orderIcon, this, ID_ORDER_XY_BY_DIFF, LAYOUT_FILL_X);
    new FXHorizontalSeparator(controls, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    new FXLabel(controls, "# rows in table");
    numRowsInXYTable_LB =
        new FXListBox(controls, this, ID_XY_ROW_COUNT, FRAME_SUNKEN | FRAME_THICK | LAYOUT_FILL_X);
    for (const char *entry : xyRowCounts)
        numRowsInXYTable_LB->appendItem(entry);
    numRowsInXYTable_LB->setNumVisible(12);
    numRowsInXYTable_LB->setCurrentItem(2);
    new FXHorizontalSeparator(controls, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    copyImageXyButton =
        makeButton(controls, "Copy image\nx/y data", nullptr, this, ID_COPY_IMAGE_XY, LAYOUT_FILL_X);
    appendImageXyButton =
        makeButton(controls, "Append image\nx/y data", nullptr, this, ID_APPEND_IMAGE_XY, LAYOUT_FILL_X);
    copyImageXyButton->disable();
    appendImageXyButton->disable();

    xyValuesTable =
        makeTable(page, this, ID_XY_VALUES, LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y, 1000, 4, 40 + 4 * 80 + 20);
    setColumns(xyValuesTable, {{"x", 80}, {"y", 80}, {"Fit y", 80}, {"% difference", 80}});
    xyValuesTable->setCurrentItem(0, 0);

    FXVerticalFrame *results = new FXVerticalFrame(page, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    FXHorizontalFrame *row = buttonRow(results);
    copyResultsButtons[0] = makeButton(row, "Copy table\n(all cols)", copyIcon, this, ID_COPY_RESULTS_TABLE);
    copyResultsButtons[1] =
        makeButton(row, "Copy table\n(x && y cols)", copyIcon, this, ID_COPY_RESULTS_TABLE);
    copyResultsButtons[0]->disable();
    copyResultsButtons[1]->disable();
    fitResultsTable = makeTable(results, this, ID_FIT_RESULTS_TABLE,
                                TABLE_READONLY | LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y, 1000, 4, 40 + 4 * 80 + 20);
    setColumns(fitResultsTable, {{"x", 80}, {"y", 80}, {"Fit y", 80}, {"% diff", 80}});
    applyOrderWhenCopying();
}

// The first row without a point. When every row holds one, the row after the last: writePointRow then
// appends rows, so no point is ever overwritten.
int Ordinax::nextPointRow() {
    for (int row = 0; row < curvePointsTable->getNumRows(); row++)
        if (curvePointsTable->isCellEmpty(row, 3))
            return row;
    return curvePointsTable->getNumRows();
}

void Ordinax::writePointRow(int row, int x, double y) {
    const int rows = curvePointsTable->getNumRows();
    if (row < 0 || row > rows)
        return;
    if (row >= rows - 2)
        curvePointsTable->insertRows(rows, std::max(10, row - rows + 3));
    curvePointsTable->setCellText(row, 3, FXStringFormat("%d", x));
    curvePointsTable->setCellText(row, 4, FXStringFormat("%.4lf", y));
    clearDataButton->enable();
    transformRow(row, true);
    if (!curvePointsTable->isItemVisible(row + 2, 0))
        curvePointsTable->makePositionVisible(row + 2, 0);
    resetPointsHeader();
    // The marker sits on the integer part of y, as a redraw reads it back from the cell.
    const int markerY = std::isfinite(y) ? static_cast<int>(std::clamp(y, -1e9, 1e9)) : INT_MIN / 2;
    drawMarker(x, markerY, dataPointColor, dataMarkerSize.thickness, dataMarkerSize.length, false, workImage);
}

int Ordinax::filledRowCount(const Table_qvx1 *table, const std::vector<int> &columns) {
    int n = 0;
    for (; n < table->getNumRows(); n++)
        for (int c : columns)
            if (table->isCellEmpty(n, c))
                return n;
    return n;
}

int Ordinax::lastPointRow() const {
    return filledRowCount(curvePointsTable, {0}) - 1;
}

void Ordinax::orderTable(Table_qvx1 *table, int keyColumn, int requiredColumns, bool absolute,
                         bool ascending) {
    std::vector<int> required;
    for (int c = 0; c < requiredColumns; c++)
        required.push_back(c);
    const int n = filledRowCount(table, required);
    if (n <= 1)
        return;
    const int columns = table->getNumColumns();
    std::vector<std::vector<FXString>> cells(n, std::vector<FXString>(columns));
    std::vector<double> keys(n);
    for (int r = 0; r < n; r++) {
        for (int c = 0; c < columns; c++)
            cells[r][c] = table->getItemText(r, c);
        keys[r] = table->getCellDouble(r, keyColumn);
    }
    std::vector<int> order = tableRowOrder(keys, absolute, ascending);
    for (int r = 0; r < n; r++)
        for (int c = 0; c < columns; c++)
            table->setCellText(r, c, cells[order[r]][c]);
}

void Ordinax::orderPointsByX() {
    orderTable(curvePointsTable, 0, 2, false, true);
    orderPointsButton->setText("Order Points (x)");
    orderPointsButton->disable();
    curvePointsTable->setColumnText(0, pointsXOrderedHeader);
}

void Ordinax::resetPointsHeader() {
    curvePointsTable->setColumnText(0, pointsXHeader);
}

void Ordinax::setPointCopyButtonsEnabled(bool on) {
    for (FXButton *b : {copyTableButtons[0], copyTableButtons[1], copyXButton, copyYButton, copyImageXyButton,
                        appendImageXyButton}) {
        if (on)
            b->enable();
        else
            b->disable();
    }
}

// Selects the block to copy and lets the table put it on the clipboard: cells joined by TAB, every row
// ended by LF.
void Ordinax::copyColumns(FXSelector id, FXObject *sender) {
    clearClipboard();
    const bool ordered = autoOrderIncreasingWhenCopying_Chk->getCheck();
    Table_qvx1 *table = curvePointsTable;
    int count = 0, first = 0, last = 0, wider = -1;
    switch (id) {
    case ID_COPY_TABLE:
    case ID_COPY_X:
    case ID_COPY_Y:
        if (ordered)
            orderPointsByX();
        first = last = id == ID_COPY_Y ? 1 : 0;
        if (id == ID_COPY_TABLE) {
            count = filledRowCount(table, {0, 1});
            last = 1;
            wider = 2;
        } else {
            count = filledRowCount(table, {first});
        }
        break;
    case ID_COPY_XY_TABLE:
        table = xyValuesTable;
        if (ordered)
            orderTable(table, 0, 2, false, true);
        count = filledRowCount(table, {0, 1});
        last = 1;
        wider = 3;
        break;
    case ID_COPY_RESULTS_TABLE:
        table = fitResultsTable;
        count = filledRowCount(table, {0, 1});
        last = 1;
        if (sender == copyResultsButtons[0])
            wider = 3;
        break;
    default:
        return;
    }
    if (count == 0)
        return;
    if (wider >= 0)
        for (int r = 0; r < count; r++)
            if (!table->isCellEmpty(r, wider)) {
                last = wider;
                break;
            }
    table->selectRange(0, count - 1, first, last, FALSE);
    copySelectionToClipboard(table);
}

void Ordinax::clearClipboard() {
    clipboardClearField->setText("   ");
    clipboardClearField->setSelection(0, 1);
    copySelectionToClipboard(clipboardClearField);
}

// Hatched while reference points are still being defined, plain once the "Data" point type is reached.
void Ordinax::updatePointTableHatching() {
    const FXStipplePattern hatch =
        dataPointTypeRadio && dataPointTypeRadio->getCheck() ? STIPPLE_NONE : STIPPLE_CROSSDIAG;
    Table_qvx1 *table = curvePointsTable;
    if (table->getNumRows() == 0 || table->getNumColumns() == 0 || table->getItemStipple(0, 0) == hatch)
        return;
    for (int r = 0; r < table->getNumRows(); r++)
        for (int c = 0; c < table->getNumColumns(); c++)
            table->setItemStipple(r, c, hatch);
}

void Ordinax::applyOrderWhenCopying() {
    FXString label = "Copy table", tip = "Copy the table x/y values.";
    if (autoOrderIncreasingWhenCopying_Chk->getCheck()) {
        label += " (O)";
        tip += FXString("\n") + orderBeforeCopyingText;
    }
    for (FXButton *b : copyTableButtons) {
        b->setText(label);
        b->setTipText(tip);
    }
    if (copyXyTableButton)
        copyXyTableButton->setText(label);
}

long Ordinax::onCopyColumns(FXObject *sender, FXSelector sel, void *) {
    copyColumns(FXSELID(sel), sender);
    return 1;
}

long Ordinax::onOrderWhenCopying(FXObject *, FXSelector, void *) {
    applyOrderWhenCopying();
    return 1;
}

long Ordinax::onOrderPointsByX(FXObject *, FXSelector, void *) {
    orderPointsByX();
    return 1;
}

long Ordinax::onOrderPointsByDiff(FXObject *, FXSelector, void *) {
    orderTable(curvePointsTable, 2, 3, true, false);
    return 1;
}

long Ordinax::onOrderXyTable(FXObject *, FXSelector sel, void *) {
    if (FXSELID(sel) == ID_ORDER_XY_BY_DIFF)
        orderTable(xyValuesTable, 3, 3, true, false);
    else
        orderTable(xyValuesTable, 0, 2, false, true);
    return 1;
}

// The "Axis definitions" group of the Image page and "Recal data": building the widgets and their handlers.
#include "app/Ordinax.h"

#include <fxkeys.h>

using namespace CommandId;

namespace {
const FXColor kYellow = FXRGB(255, 255, 0);
const char *const kExpHint = "You can enter the value as \"exp(2.1)\" for e^2.1";
const char *const kAxisNames[2] = {"X-axis", "Y-axis"};

// A fixed-size table without scroll bars whose every row and column is visible.
Table_qvx1 *makeFixedTable(FXComposite *parent, FXObject *target, FXSelector id, FXuint options, int rows,
                           int columns, int rowHeaderWidth,
                           std::initializer_list<std::pair<const char *, int>> heads) {
    const int headerHeight = 24, rowHeight = 20, frame = 4;
    int width = rowHeaderWidth + frame;
    for (const auto &head : heads)
        width += head.second;
    Table_qvx1 *table = new Table_qvx1(parent, target, id,
                                       options | FRAME_SUNKEN | FRAME_THICK | HSCROLLER_NEVER |
                                           VSCROLLER_NEVER | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT,
                                       0, 0, width, headerHeight + rows * rowHeight + frame, 0, 0, 0, 0);
    table->setTableSize(rows, columns);
    table->setRowHeaderWidth(rowHeaderWidth);
    table->setColumnHeaderHeight(headerHeight);
    table->setDefRowHeight(rowHeight);
    table->setVisibleRows(rows);
    int c = 0;
    for (const auto &head : heads) {
        table->setColumnText(c, head.first);
        table->setColumnWidth(c, head.second);
        c++;
    }
    for (int r = 0; r < rows; r++)
        table->setRowHeight(r, rowHeight);
    return table;
}
} // namespace

void Ordinax::buildAxisDefinitions(FXComposite *parent) {
    FXGroupBox *group =
        new FXGroupBox(parent, "Axis definitions", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X, 0, 0,
                       0, 0, 4, 4, 2, 4);
    FXHorizontalFrame *axes = new FXHorizontalFrame(group, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0);
    Table_qvx1 **tables[2] = {&xAxisTable, &yAxisTable};
    for (int axis = 0; axis < 2; axis++) {
        FXGroupBox *box =
            new FXGroupBox(axes, kAxisNames[axis], GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X, 0, 0,
                           0, 0, 2, 2, 0, 2, 0, 2);
        FXHorizontalFrame *scale = new FXHorizontalFrame(box, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0);
        linearRadios[axis] = new FXRadioButton(scale, "Linear", this, ID_AXIS_SCALE_TYPE);
        logRadios[axis] = new FXRadioButton(scale, "Log", this, ID_AXIS_SCALE_TYPE);
        Table_qvx1 *table = makeFixedTable(box, this, ID_AXIS_TABLE, 0, 2, 3, 36,
                                           {{"Real value", 80}, {"x pixels", 0}, {"y pixels", 0}});
        table->setRowText(0, "Min");
        table->setRowText(1, "Max");
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 3; c++)
                table->setCellTip(r, c, kExpHint);
        table->setCurrentItem(0, 0);
        *tables[axis] = table;
        FXHorizontalFrame *angle = new FXHorizontalFrame(box, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0);
        new FXLabel(angle, "Angle", nullptr, LAYOUT_CENTER_Y);
        axisAngleFields[axis] = new FXTextField(
            angle, 6, nullptr, 0, TEXTFIELD_READONLY | FRAME_SUNKEN | FRAME_THICK | LAYOUT_CENTER_Y);
        axisAngleFields[axis]->setTipText(
            FXStringFormat("axis angle, should be %d degrees", axis == 0 ? 0 : 90));
        decimalRadios[axis] = new FXRadioButton(angle, "D", this, ID_NUMBER_FORMAT);
        decimalRadios[axis]->setTipText(
            FXString("Format the data as decimal.\n") +
            "This selection may be overridden if\nthe number is too large or too small");
        scientificRadios[axis] = new FXRadioButton(angle, "S", this, ID_NUMBER_FORMAT);
        scientificRadios[axis]->setTipText("Format the data as scientific notation.");
    }
    tableNormalColor = xAxisTable->getBackColor();
    buttonNormalColor = logRadios[0]->getBackColor();

    FXHorizontalFrame *lower = new FXHorizontalFrame(group, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 2, 0, 8, 0);
    FXMatrix *options =
        new FXMatrix(lower, 2, MATRIX_BY_COLUMNS | LAYOUT_CENTER_Y, 0, 0, 0, 0, 0, 0, 0, 0, 8, 2);
    autoFindAxisMaxXY_Chk = new FXCheckButton(options, "Auto-find");
    autoFindAxisMaxXY_Chk->setTipText(
        FXString("When you click to define the min X & Y point the program will scan to find the max X & Y "
                 "points.\n") +
        "This will only work properly if the max X & Y points are at the end of the axes and the axes are "
        "at\n"
        "90 degrees from one another, this may not be true for some older plots.");
    roundXvalueToNearestInteger_Chk = new FXCheckButton(options, "Round X-value", this, ID_ROUND_X_VALUE);
    roundXvalueToNearestInteger_Chk->setTipText(
        FXStringFormat("Round X-values (> %.0lf) to the nearest integer.", kRoundXThreshold));
    arrheniusCheck = new FXCheckButton(options, "Arrhenius", this, ID_ARRHENIUS);
    arrheniusCheck->setTipText(FXString("ln(y) vs 1000/(T, K)\n") +
                               "The X-axis values will be convert from 1000/(T, K) to T, K.\n" +
                               "For the min/max X-axis real values enter the 1000/T values from the plot.");
    switchAxesButton = new FXButton(options, "Switch axes", nullptr, this, ID_SWITCH_AXES, BUTTON_NORMAL);
    switchAxesButton->setTipText(
        FXStringFormat("Switch the X & Y definitions \"%ss\" and formatting", "Real value"));

    currentPositionTable = makeFixedTable(lower, nullptr, 0, TABLE_READONLY | LAYOUT_RIGHT, 2, 2, 30,
                                          {{"Real value", 80}, {"Pixels", 50}});
    currentPositionTable->setRowText(0, "X");
    currentPositionTable->setRowText(1, "Y");
    syncScaleTypeRadios();
    syncNumberFormatRadios();
}

void Ordinax::buildRecalDataButton(FXComposite *parent) {
    recalDataButton =
        new FXButton(parent, "Recal data", nullptr, this, ID_RECAL_DATA, BUTTON_NORMAL | LAYOUT_LEFT);
    recalDataButton->setBackColor(FXRGB(200, 200, 255));
    recalDataButton->setTipText("You can change the real values of the min/max X & Y\naxis (or log/linear) "
                                "then recalculate the points.");
    recalDataButton->disable();
}

void Ordinax::syncScaleTypeRadios() {
    const bool formatFollowsScale =
        setNumericFormatDependingOnAxisScaling && setNumericFormatDependingOnAxisScaling->getCheck();
    for (int axis = 0; axis < 2; axis++) {
        const bool log = axisScaleType[axis] == 1;
        linearRadios[axis]->setCheck(!log);
        logRadios[axis]->setCheck(log);
        logRadios[axis]->setBackColor(log ? kYellow : buttonNormalColor);
        if (formatFollowsScale)
            numberFormatType[axis] = log ? 1 : 0;
    }
    if (formatFollowsScale)
        syncNumberFormatRadios();
}

void Ordinax::syncNumberFormatRadios() {
    for (int axis = 0; axis < 2; axis++) {
        decimalRadios[axis]->setCheck(numberFormatType[axis] != 1);
        scientificRadios[axis]->setCheck(numberFormatType[axis] == 1);
    }
}

void Ordinax::clearAxisDefinitions() {
    axisScaleType[0] = axisScaleType[1] = 0;
    syncScaleTypeRadios();
    for (Table_qvx1 *table : {xAxisTable, yAxisTable})
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 3; c++) {
                table->setCellText(r, c, "");
                table->setCellTip(r, c, kExpHint);
            }
}

long Ordinax::onAxisScaleType(FXObject *sender, FXSelector, void *) {
    for (int axis = 0; axis < 2; axis++) {
        if (sender != linearRadios[axis] && sender != logRadios[axis])
            continue;
        Table_qvx1 *table = axis == 0 ? xAxisTable : yAxisTable;
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 3; c++)
                table->setCellTip(r, c, "");
        axisScaleType[axis] = sender == logRadios[axis] ? 1 : 0;
    }
    colorAxisTables();
    logWarningShown = reversedWarningShown = false;
    syncScaleTypeRadios();
    recalculateAllRows();
    if (imageReady)
        imageView->update();
    return 1;
}

long Ordinax::onNumberFormat(FXObject *sender, FXSelector, void *) {
    int changed = -1;
    for (int axis = 0; axis < 2; axis++) {
        if (sender == decimalRadios[axis] || sender == scientificRadios[axis]) {
            numberFormatType[axis] = sender == scientificRadios[axis] ? 1 : 0;
            changed = axis;
        }
    }
    syncNumberFormatRadios();
    recalculateAllRows();
    if (changed >= 0 && !currentPositionTable->isCellEmpty(changed, 0) && validateAxisTables())
        showPositionValue(changed);
    if (imageReady)
        imageView->update();
    return 1;
}

long Ordinax::onNumericFormatByScale(FXObject *, FXSelector, void *) {
    syncScaleTypeRadios();
    recalculateAllRows();
    return 1;
}

long Ordinax::onRecalData(FXObject *, FXSelector, void *) {
    recalculateAllRows();
    return 1;
}

long Ordinax::onSwitchAxes(FXObject *, FXSelector, void *) {
    logWarningShown = reversedWarningShown = false;
    for (int r = 0; r < 2; r++) {
        FXString text = xAxisTable->getItemText(r, RealValueColumn);
        FXString tip = xAxisTable->getCellTip(r, RealValueColumn);
        xAxisTable->setCellText(r, RealValueColumn, yAxisTable->getItemText(r, RealValueColumn));
        xAxisTable->setCellTip(r, RealValueColumn, yAxisTable->getCellTip(r, RealValueColumn));
        yAxisTable->setCellText(r, RealValueColumn, text);
        yAxisTable->setCellTip(r, RealValueColumn, tip);
    }
    std::swap(numberFormatType[0], numberFormatType[1]);
    syncNumberFormatRadios();
    std::swap(axisScaleType[0], axisScaleType[1]);
    syncScaleTypeRadios();
    if (recalDataButton->isEnabled())
        recalculateAllRows();
    if (imageReady)
        imageView->update();
    return 1;
}

long Ordinax::onArrhenius(FXObject *, FXSelector, void *) {
    const bool on = arrheniusCheck->getCheck();
    if (on) {
        axisScaleType[0] = 0;
        axisScaleType[1] = 1;
        syncScaleTypeRadios();
        numberFormatType[0] = 0;
        numberFormatType[1] = 1;
        syncNumberFormatRadios();
    }
    for (FXWindow *w : {static_cast<FXWindow *>(linearRadios[0]), static_cast<FXWindow *>(logRadios[0]),
                        static_cast<FXWindow *>(linearRadios[1]), static_cast<FXWindow *>(logRadios[1]),
                        static_cast<FXWindow *>(switchAxesButton)}) {
        if (on)
            w->disable();
        else
            w->enable();
    }
    recalculateAllRows();
    return 1;
}

long Ordinax::onRoundXValue(FXObject *, FXSelector, void *) {
    recalculateAllRows();
    roundXvalueToNearestInteger_Chk->setBackColor(
        roundXvalueToNearestInteger_Chk->getCheck() ? kYellow : buttonNormalColor);
    return 1;
}

// Keys in the axis tables: only the "Real value" column is editable, and Tab, Return and Enter walk
// Min, Max of one table and then of the other (Shift+Tab backwards).
long Ordinax::onAxisTableEvent(FXObject *sender, FXSelector sel, void *ptr) {
    Table_qvx1 *table = sender == xAxisTable ? xAxisTable : sender == yAxisTable ? yAxisTable : nullptr;
    if (!table)
        return 0;
    const bool realValueColumn = table->getCurrentColumn() == RealValueColumn;
    table->setEditable(realValueColumn);
    if (!realValueColumn || FXSELTYPE(sel) != SEL_KEYPRESS)
        return 0;
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    const bool backwards =
        event->code == KEY_ISO_Left_Tab || (event->code == KEY_Tab && (event->state & SHIFTMASK));
    if (!backwards && event->code != KEY_Tab && event->code != KEY_Return && event->code != KEY_KP_Enter)
        return 0;
    Table_qvx1 *other = table == xAxisTable ? yAxisTable : xAxisTable;
    const int row = table->getCurrentRow();
    const bool staysInTable = backwards ? row == AxisMaxRow : row == AxisMinRow;
    Table_qvx1 *next = staysInTable ? table : other;
    const int nextRow =
        staysInTable ? (backwards ? AxisMinRow : AxisMaxRow) : (backwards ? AxisMaxRow : AxisMinRow);
    if (next != table) {
        next->setFocus();
        table->killSelection(TRUE);
    }
    next->killSelection(TRUE);
    next->setCurrentItem(nextRow, RealValueColumn, TRUE);
    next->selectRange(nextRow, nextRow, RealValueColumn, RealValueColumn, TRUE);
    next->setEditable(TRUE);
    return 1;
}

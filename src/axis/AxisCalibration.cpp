// The axis calibration of the main window: reading the axis tables, pixel to value, the "Curve points"
// values, the current-position and angle read-outs, the sanity warnings and the number formatting.
#include "app/Ordinax.h"
#include "axis/AxisChecks.h"
#include "ui/Dialogs.h"

namespace {
const int kXPixelColumn = 3, kYPixelColumn = 4; // "x px" and "y px" of "Curve points"
const int kPositionValueColumn = 0, kPositionPixelColumn = 1;

FXColor tintColor(AngleTint tint) {
    switch (tint) {
    case AngleTint::Green:
        return FXRGB(0, 255, 0);
    case AngleTint::Yellow:
        return FXRGB(255, 255, 0);
    case AngleTint::Red:
        break;
    }
    return FXRGB(255, 0, 0);
}
} // namespace

AxisTables Ordinax::readAxisTables() const {
    AxisTables tables;
    const Table_qvx1 *widgets[2] = {xAxisTable, yAxisTable};
    for (int axis = 0; axis < 2; axis++)
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 3; c++)
                tables.cell(axis, r, c) = widgets[axis]->cellString(r, c);
    return tables;
}

AxisOptions Ordinax::axisOptions() const {
    AxisOptions options;
    options.axisScaleType[0] = axisScaleType[0];
    options.axisScaleType[1] = axisScaleType[1];
    options.arrhenius = arrheniusCheck && arrheniusCheck->getCheck();
    return options;
}

NumberFormatSettings Ordinax::numberFormatSettings() const {
    NumberFormatSettings settings;
    settings.numberFormatType[0] = numberFormatType[0];
    settings.numberFormatType[1] = numberFormatType[1];
    settings.developerMode = developerMode;
    settings.larsonMillerMode = fitType == 5;
    settings.xIsTemperature = xAxisIsTemperature_Chk && xAxisIsTemperature_Chk->getCheck();
    settings.plotResolution = xResolution;
    return settings;
}

FXString Ordinax::formatAxisValue(int axis, double value) const {
    return ::formatAxisValue(axis, value, numberFormatSettings()).c_str();
}

FXString Ordinax::formatFitValue(double value) const {
    return ::formatFitValue(value, numberFormatSettings()).c_str();
}

void Ordinax::applyAxisEdits(const std::vector<AxisCellEdit> &edits) {
    for (const AxisCellEdit &edit : edits) {
        Table_qvx1 *table = edit.axis == AxisX ? xAxisTable : yAxisTable;
        table->setCellText(edit.row, edit.column, edit.text.c_str());
        if (edit.setsTip)
            table->setCellTip(edit.row, edit.column, edit.tip.c_str());
    }
}

bool Ordinax::validateAxisTables() {
    AxisTables tables = readAxisTables();
    std::vector<AxisCellEdit> edits;
    const bool valid = ::validateAxisTables(tables, edits);
    applyAxisEdits(edits);
    return valid;
}

std::optional<double> Ordinax::pixelToValue(int axis, double p) {
    return ::pixelToValue(readAxisTables(), axisOptions(), axis, p);
}

bool Ordinax::transformRow(int row, bool showErrors) {
    if (row < 0 || row >= curvePointsTable->getNumRows())
        return false;
    AxisTables tables = readAxisTables();
    std::vector<AxisCellEdit> edits;
    PointValues values = transformPoint(tables, edits, axisOptions(), numberFormatSettings(),
                                        curvePointsTable->getCellDouble(row, kXPixelColumn),
                                        curvePointsTable->getCellDouble(row, kYPixelColumn),
                                        roundXvalueToNearestInteger_Chk->getCheck());
    applyAxisEdits(edits);
    for (int axis = 0; axis < values.count; axis++) {
        curvePointsTable->setCellText(row, axis, values.text[axis].c_str());
        setPointCopyButtonsEnabled(true);
    }
    if (values.error == AxisError::None)
        return true;
    if (showErrors)
        Dialogs::error(this, kAxisErrorCaption, axisErrorText(values.error));
    return false;
}

void Ordinax::colorAxisTables() {
    AxisTables tables = readAxisTables();
    AxisOptions options = axisOptions();
    xAxisTable->setBackColor(logAxisInvalid(tables, options, AxisX) ? FXRGB(255, 0, 0) : tableNormalColor);
    yAxisTable->setBackColor(logAxisInvalid(tables, options, AxisY) ? FXRGB(255, 0, 0) : tableNormalColor);
}

// Every row's values are cleared first, so after a failure the rows below it stay empty.
void Ordinax::recalculateAllRows() {
    colorAxisTables();
    bool failed = false;
    for (int row = 0; row < curvePointsTable->getNumRows(); row++) {
        for (int c = 0; c < 2; c++)
            if (!curvePointsTable->isCellEmpty(row, c))
                curvePointsTable->setCellText(row, c, "");
        if (!failed && !curvePointsTable->isCellEmpty(row, kXPixelColumn))
            failed = !transformRow(row, true);
    }
}

bool Ordinax::showPositionValue(int axis) {
    if (currentPositionTable->isCellEmpty(axis, kPositionPixelColumn))
        return true;
    std::optional<double> value =
        pixelToValue(axis, currentPositionTable->getCellDouble(axis, kPositionPixelColumn));
    if (!value)
        return false;
    currentPositionTable->setCellText(axis, kPositionValueColumn, formatAxisValue(axis, *value));
    return true;
}

void Ordinax::showCursorPosition() {
    if (!validateAxisTables())
        return;
    for (int axis = 0; axis < 2; axis++)
        if (!showPositionValue(axis))
            return;
}

void Ordinax::showAxisAngle(int axis) {
    if (!imageReady || (axis != AxisX && axis != AxisY))
        return;
    if (xAxisTable->isCellEmpty(AxisMinRow, XPixelsColumn) ||
        xAxisTable->isCellEmpty(AxisMinRow, YPixelsColumn))
        return;
    FXint x, y;
    FXuint buttons;
    getCursorPosition(x, y, buttons);
    std::optional<AxisAngleReadout> readout =
        axisAngleReadout(axis, xAxisTable->getCellDouble(AxisMinRow, XPixelsColumn),
                         xAxisTable->getCellDouble(AxisMinRow, YPixelsColumn), x, y);
    if (!readout)
        return;
    axisAngleFields[axis]->setBackColor(tintColor(readout->tint));
    axisAngleFields[axis]->setText(readout->text.c_str());
}

bool Ordinax::checkAxisSanity() {
    AxisWarningOptions warnings;
    warnings.warnLogScaling = warnForAxisLogScaling_Chk->getCheck();
    warnings.warnReversed = warnForAxisMinMaxReversed->getCheck();
    AxisWarningFlags flags{logWarningShown, reversedWarningShown};
    std::optional<AxisWarning> warning = ::checkAxisSanity(readAxisTables(), axisOptions(), warnings, flags);
    logWarningShown = flags.logWarningShown;
    reversedWarningShown = flags.reversedWarningShown;
    if (!warning)
        return false;
    Dialogs::error(this, warning->caption.c_str(), warning->text.c_str());
    return true;
}

// The fit driver of the main window: reads the point table and the fitting widgets, runs the fit kernels and
// writes the equation rows, the fit columns of the point tables, the fit results table and the plot series.
#include "app/Ordinax.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "axis/NumberFormat.h"
#include "fit/FitDriver.h"
#include "fit/FitTransforms.h"
#include "fit/FitZones.h"
#include "fit/WheelStep.h"
#include "tables/NumberText.h"
#include "ui/Dialogs.h"

namespace {
const FXColor kRed = FXRGB(255, 0, 0);
const FXColor kYellow = FXRGB(255, 255, 0);
const char* const kSourceNames[3] = {"the image data points table", "the xy values data points table",
                                     "the LMP data points table"};

// Empties the given columns of every row from firstRow on that has text in them.
void clearColumns(Table_qvx1* table, std::initializer_list<int> columns, int firstRow = 0) {
    for (int r = firstRow; r < table->getNumRows(); r++)
        for (int c : columns)
            if (!table->cellString(r, c).empty()) table->setCellText(r, c, "");
}

// The cell's number, or NaN when the cell does not hold one, so that the fit stops at its row.
double cellNumber(const Table_qvx1* table, int row, int column) {
    return table->isCellNumeric(row, column) ? table->getCellDouble(row, column)
                                             : std::numeric_limits<double>::quiet_NaN();
}

FXString fixed(double value, int decimals) { return formatFixed(value, decimals).c_str(); }
} // namespace

long Ordinax::onFitCommand(FXObject*, FXSelector, void*) {
    refit();
    return 1;
}

Table_qvx1* Ordinax::currentPointTable() const { return dataSource == 1 ? xyValuesTable : curvePointsTable; }

int Ordinax::countFitPoints() const {
    // The Larson-Miller table is not part of the window yet, so that source holds no points.
    if (fitType == Lmp) return 0;
    const Table_qvx1* table = currentPointTable();
    int rows = 0;
    while (rows < table->getNumRows() && !table->isCellEmpty(rows, 0) && !table->isCellEmpty(rows, 1)) rows++;
    return rows;
}

FitInput Ordinax::readFitInput(int rows) {
    FitInput in;
    in.fitType = fitType;
    in.plotCanvasWidth = fitCanvas ? fitCanvas->getWidth() : 0;
    const Table_qvx1* table = currentPointTable();
    for (int r = 0; r < rows && r < table->getNumRows(); r++) {
        in.cellX.push_back(cellNumber(table, r, 0));
        in.cellY.push_back(cellNumber(table, r, 1));
    }
    in.xIsTemperature = xAxisIsTemperature_Chk->getCheck();
    temperatureScale = std::clamp(temperatureScaleList->getCurrentItem(), 0, 5);
    in.temperatureScale = temperatureScale;
    yScale = yScaleField->getFieldDouble();
    if (!(yScale >= 1e-50 && std::isfinite(yScale))) {
        yScaleField->setFieldText("1.0");
        yScale = yScaleField->getFieldDouble();
    }
    yScaleField->setBackColor(std::fabs(yScale - 1) > 1e-50 ? kYellow : fitFieldNormalColor);
    in.yScale = yScale;
    in.equationCount = std::clamp(equationCount, 1, maxEquations);
    in.fitOrders.assign(fitOrders, fitOrders + maxEquations);
    const int overlapItem = numOfOverlapPoints_LB->getCurrentItem();
    in.overlap = overlapItem < 0 ? 0 : std::max(0L, parseInteger(numOfOverlapPoints_LB->getItemText(overlapItem).text()));
    in.setIntercept = setEqnYIntercept_Chk->getCheck();
    const std::string intercept = trimWhiteSpace(equation_Y_intercept_TF->getText().text());
    if (isNumericText(intercept) && std::isfinite(parseNumber(intercept))) in.intercept = parseNumber(intercept);
    return in;
}

std::vector<double> Ordinax::shownUpperLimits() const {
    std::vector<double> limits;
    for (int k = 0; k + 1 < std::clamp(equationCount, 1, maxEquations); k++)
        limits.push_back(parseNumber(upperLimitFields[k]->getText().text()));
    return limits;
}

void Ordinax::clearFitOutputs() {
    clearFitFields();
    clearFitColumns();
}

// The fit columns of both point tables and the fit results table belong to the fit just discarded.
void Ordinax::clearFitColumns() {
    clearColumns(fitResultsTable, {0, 1, 2, 3});
    clearColumns(curvePointsTable, {2});
    clearColumns(xyValuesTable, {2, 3});
}

void Ordinax::clearFitFields() {
    overallMaxDiff = 0;
    for (int i = 0; i < 6; i++) {
        for (FXTextField* field : {upperLimitFields[i], rSquaredFields[i], maxDiffFields[i], mismatchFields[i],
                                   equationTextFields[i]})
            field->setText("");
    }
    positiveSlopeLabel->setText("Positive slope: ");
    negativeSlopeLabel->setText("Negative slope: ");
    seriesCount = 0;
    seriesLength.clear();
    seriesX.clear();
    seriesY.clear();
    seriesColour.clear();
    fitResult = FitOutput();
    clearEquationOutputs();
    drawFitPlot(true);
}

FXString Ordinax::illegalValuesText(const FitInput& in, const FitPoints& points) const {
    const size_t row = static_cast<size_t>(points.illegalRow);
    if (row < in.cellX.size() && row < in.cellY.size()) {
        // A cell that is not a number, or a value beyond the range of doubles, is named as such: the
        // "0 or negative" text would send the user looking for the wrong fault.
        const double x = in.xIsTemperature ? convertTemperature(in.cellX[row], in.temperatureScale) : in.cellX[row];
        const bool badX = !std::isfinite(x), badY = !std::isfinite(in.cellY[row] * in.yScale);
        if (badX || badY)
            return FXStringFormat("Some of your %s values are not numbers or too large (row %d).",
                                  badX && badY ? "x and y" : badX ? "x" : "y", points.illegalRow + 1);
    }
    return illegalValuesMessage(points.illegalVariable).c_str();
}

// A fit that stops takes the last fit's table columns with it and tells why.
bool Ordinax::failFit(const char* caption, const FXString& message) {
    clearFitColumns();
    Dialogs::error(this, caption, message);
    return false;
}

// The table columns of the last fit stay until this fit writes over them (most cells then keep their text and
// need no repaint), or until it fails.
bool Ordinax::refit() {
    clearFitFields();
    excel_cell_TF->setText(normalizeExcelCell(excel_cell_TF->getText().text()).c_str());
    if (variableExpression().empty()) excel_cell_TF->setBackColor(kRed);
    pointCount = countFitPoints();
    if (pointCount == 0) {
        return failFit("Missing data",
                       FXStringFormat("You have your data source as %s but there is no data in this table.",
                                      kSourceNames[std::clamp(dataSource, 0, 2)]));
    }
    FitInput in = readFitInput(pointCount);
    const FitPoints points = prepareFitPoints(in);
    if (points.status != FitStatus::Ok) {
        return failFit("Illegal values", illegalValuesText(in, points));
    }
    xMin = points.xMin;
    xMax = points.xMax;
    yMin = points.yMin;
    yMax = points.yMax;
    setFitPlotResolution(xMin, xMax, yMin, yMax);
    showLimits(false);
    in.shownLimits = shownUpperLimits();
    equation_Y_intercept_TF->setBackColor(fitFieldNormalColor);
    FitOutput out = fitPreparedPoints(in, points);
    if (out.status == FitStatus::BadBoundaries) {
        const BadBoundaries& bad = out.badBoundaries;
        return failFit("Bad boundaries",
                       badBoundariesMessage(bad, formatAxisValue(0, bad.lower).text(),
                                            formatAxisValue(0, bad.upper).text())
                           .c_str());
    }
    if (out.status == FitStatus::IllegalIntercept) {
        equation_Y_intercept_TF->setBackColor(kRed);
        return failFit("Illegal Y-intercept value", "Check your value for the Y-intercept.");
    }
    setFitPlotResolution(out.xMin, out.xMax, out.yMin, out.yMax);
    writeFitResults(out);
    showSlopeLabels(out.positiveSlope, out.negativeSlope);
    seriesCount = 2;
    seriesLength = {static_cast<int>(out.points.x.size()), static_cast<int>(out.curve.x.size())};
    seriesX = {std::move(out.points.x), std::move(out.curve.x)};
    seriesY = {std::move(out.points.y), std::move(out.curve.y)};
    seriesColour = {std::move(out.points.colours), std::move(out.curve.colours)};
    yMin = out.yMin;
    yMax = out.yMax;
    fitResult = std::move(out);
    for (int k = 0; k < static_cast<int>(fitResult.zones.size()); k++) {
        fillCoefficientTable(k);
        fillEquationText(k);
    }
    buildAdjustedCoefficients(fitResult.referenceZone);
    drawFitPlot(false);
    buildCopyBlocks();
    copyEquationsButton->enable();
    // The wheel moves a limit by at least as many pixels as change the shown value on either side.
    wheelStepPixels = wheelStep([this](int pixel) { return std::string(formatFitValue(fitPlot->pixelToX(pixel)).text()); },
                                fitCanvas->getWidth());
    showLimits(false);
    return true;
}

void Ordinax::writeFitResults(const FitOutput& out) {
    for (size_t k = 0; k < out.zones.size() && k < 6; k++) {
        const ZoneFit& zone = out.zones[k];
        if (zone.fitted) {
            rSquaredFields[k]->setText(fixed(zone.rSquared, 6));
            maxDiffFields[k]->setText(fixed(zone.maxDifference, 1));
        } else {
            equationTextFields[k]->setText("error - not fitted");
        }
        if (zone.hasMismatch) mismatchFields[k]->setText(fixed(zone.mismatch, 4) + "%");
    }
    for (FXButton* button : copyResultsButtons)
        if (button) button->enable();

    Table_qvx1* table = currentPointTable();
    const bool xyTable = table == xyValuesTable;
    const int rows = static_cast<int>(out.rows.size());
    if (fitResultsTable->getNumRows() < rows)
        fitResultsTable->insertRows(fitResultsTable->getNumRows(), rows - fitResultsTable->getNumRows());
    int r = 0;
    for (; r < rows && r < table->getNumRows(); r++) {
        const RowFit& row = out.rows[r];
        const FXString difference = row.hasDifference ? fixed(row.difference, 1) : FXString();
        const FXString fitted = row.hasFit ? formatAxisValue(1, row.fitted) : FXString();
        table->setCellText(r, xyTable ? 3 : 2, difference);
        if (xyTable) table->setCellText(r, 2, out.converted ? FXString() : fitted);
        fitResultsTable->setCellText(r, 0, formatFitValue(row.t));
        fitResultsTable->setCellText(r, 1, formatAxisValue(1, row.y));
        fitResultsTable->setCellText(r, 2, fitted);
        fitResultsTable->setCellText(r, 3, difference);
    }
    // Whatever an earlier fit left below the fitted rows, and in the point table not fitted, is stale.
    clearColumns(fitResultsTable, {0, 1, 2, 3}, r);
    if (xyTable) {
        clearColumns(xyValuesTable, {2, 3}, r);
        clearColumns(curvePointsTable, {2});
    } else {
        clearColumns(curvePointsTable, {2}, r);
        clearColumns(xyValuesTable, {2, 3});
    }
}

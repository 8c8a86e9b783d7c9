// What the Curve Fitting page shows and copies of a fit: the equation texts, the coefficient tables with the
// adjusted coefficients, the "Copy eqns." blocks in the hidden copy table, "Copy equation", the plot summary
// text and the hiding of the coefficient tables.
#include "app/Ordinax.h"

#include "fit/CopyBlocks.h"
#include "platform/ClipboardOwnership.h"
#include "tables/NumberText.h"

using namespace CommandId;

namespace {
// Writes one row of a coefficient table: cells holding a coefficient get their column sized to the text with
// a space on either side, then the trimmed text.
void showCoefficientRow(Table_qvx1 *table, const CoefficientTable &cells, int row) {
    for (int c = 0; c < coefficientColumns; c++) {
        const FXString text = cells.cells[row][c].c_str();
        if (cells.fromFit[row][c]) {
            table->setCellText(row, c, " " + text + " ");
            table->fitColumnsToContents(c);
        }
        if (table->getItemText(row, c) != text)
            table->setCellText(row, c, text);
    }
}
} // namespace

int Ordinax::coefficientDecimals() const {
    const int item = numOfDecimalsInCoefficients_LB->getCurrentItem();
    return item < 0 ? 6 : item + 2;
}

FXString Ordinax::variableExpression() const {
    return ::variableExpression(fitType, lmp_ZEKA_formatting_Chk->getCheck(),
                                normalizeExcelCell(excel_cell_TF->getText().text()))
        .c_str();
}

void Ordinax::clearEquationOutputs() {
    for (Table_qvx1 *table : coefficientTables)
        for (int r = 0; r < table->getNumRows(); r++)
            for (int c = 0; c < table->getNumColumns(); c++)
                if (!table->isCellEmpty(r, c))
                    table->setCellText(r, c, "");
    equationTables.clear();
    for (int r = 0; r < equationCopyTable->getNumRows(); r++)
        for (int c = 0; c < equationCopyTable->getNumColumns(); c++)
            equationCopyTable->setItemText(r, c, "");
    excel_cell_TF->setBackColor(fitFieldNormalColor);
    copyEquationsButton->disable();
}

void Ordinax::fillEquationText(int k) {
    if (k < 0 || k >= static_cast<int>(fitResult.zones.size()) || k >= maxEquations)
        return;
    EquationTextOptions options;
    options.fitType = fitType;
    options.simpleFormat = lmp_ZEKA_formatting_Chk->getCheck();
    options.variable = variableExpression().text();
    options.decimals = coefficientDecimals();
    equationTextFields[k]->setText(equationText(fitResult.zones[k], options).c_str());
}

void Ordinax::fillCoefficientTable(int k) {
    if (k < 0 || k >= static_cast<int>(fitResult.zones.size()) || k >= maxEquations)
        return;
    if (static_cast<int>(equationTables.size()) <= k)
        equationTables.resize(k + 1);
    equationTables[k] = coefficientTable(fitResult.zones[k], {}, coefficientDecimals(),
                                         fillEmptyCellsWithZeros_Chk->getCheck());
    for (int row = 0; row < 3; row++)
        showCoefficientRow(coefficientTables[k], equationTables[k], row);
}

void Ordinax::buildAdjustedCoefficients(int referenceZone) {
    const std::vector<ZoneFit> &zones = fitResult.zones;
    const std::vector<std::vector<double>> adjusted =
        adjustedCoefficients(zones, fitResult.limits, referenceZone);
    for (size_t k = 0; k < zones.size() && k < equationTables.size() && k < adjusted.size(); k++) {
        equationTables[k] = coefficientTable(zones[k], adjusted[k], coefficientDecimals(),
                                             fillEmptyCellsWithZeros_Chk->getCheck());
        showCoefficientRow(coefficientTables[k], equationTables[k], 2);
    }
}

void Ordinax::buildCopyBlocks() {
    CopyBlockInput in;
    in.fitType = fitType;
    in.developerMode = developerMode;
    in.limitsAsX = writeBoundaryValuesAsNumbersNotLn_Chk->getCheck();
    in.limits = fitResult.limits;
    in.rounding = limitRounding();
    in.formatX = [this](double v) { return std::string(formatFitValue(v).text()); };
    in.tables = equationTables;
    for (const ZoneFit &zone : fitResult.zones)
        in.maxDifferences.push_back(zone.maxDifference);
    const std::vector<std::vector<std::string>> cells = copyTableCells(::buildCopyBlocks(in));
    for (int r = 0; r < copyTableRows; r++)
        for (int c = 0; c < copyTableColumns; c++)
            equationCopyTable->setItemText(r, c, cells[r][c].c_str());
}

// Copies the blocks of the hidden copy table: the not-adjusted one, and the adjusted one after it when asked.
long Ordinax::onCopyEquations(FXObject *, FXSelector, void *) {
    const CellRange range =
        copyEquationsRange(fitType, equationCount, adjustEquationsWhenCopying_Chk->getCheck(), developerMode);
    equationCopyTable->selectRange(range.firstRow, range.lastRow, range.firstColumn, range.lastColumn, FALSE);
    copySelectionToClipboard(equationCopyTable);
    return 1;
}

// A right click (without moving) on an equation text offers "Copy equation".
long Ordinax::onEquationTextMenu(FXObject *, FXSelector sel, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    const int k = FXSELID(sel) - ID_EQUATION_TEXT;
    if (k < 0 || k >= maxEquations || (event && event->moved))
        return 1;
    FXMenuPane menu(this);
    new FXMenuCommand(&menu, "Copy equation", nullptr, this, ID_EQUATION_TEXT + k);
    new FXMenuSeparator(&menu);
    new FXMenuCommand(&menu, "Cancel");
    FXint x = event ? event->root_x : 0, y = event ? event->root_y : 0;
    menu.create();
    menu.popup(nullptr, x, y);
    getApp()->runModalWhileShown(&menu);
    return 1;
}

long Ordinax::onCopyEquation(FXObject *, FXSelector sel, void *) {
    const int k = FXSELID(sel) - ID_EQUATION_TEXT;
    if (k < 0 || k >= maxEquations)
        return 1;
    FXTextField *field = equationTextFields[k];
    field->setSelection(0, field->getText().length());
    copySelectionToClipboard(field);
    return 1;
}

long Ordinax::onHideCoefficientTables(FXObject *, FXSelector, void *) {
    if (hideEqnCoefficientTables_Chk->getCheck())
        equationTabs->hide();
    else
        equationTabs->show();
    equationTabs->getParent()->recalc();
    return 1;
}

FXString Ordinax::plotSummaryText() const {
    SummaryTextInput in;
    in.fitType = fitType;
    in.pointCount = pointCount;
    in.developerMode = developerMode;
    in.displayOnPlot = showEquationOnImage_Chk->getCheck();
    in.variable = variableExpression().text();
    in.dataXMin = xMin;
    for (int i = 0; i < std::min(equationCount, maxEquations); i++) {
        in.upperLimits.push_back(parseNumber(upperLimitFields[i]->getText().text()));
        in.equationTexts.push_back(equationTextFields[i]->getText().text());
        in.rSquaredTexts.push_back(rSquaredFields[i]->getText().text());
        in.maxDifferenceTexts.push_back(maxDiffFields[i]->getText().text());
    }
    in.formatX = [this](double v) { return std::string(formatAxisValue(0, v).text()); };
    return ::plotSummaryText(in).c_str();
}

// The "  Curve Fitting  " page: the equation rows, fit type, Y-intercept, data source, the lists, options and
// scaling controls, the equation tabs with their coefficient tables, the hidden copy table and the plots.
#include "app/Ordinax.h"

#include <algorithm>

#include "fit/CopyBlocks.h"
#include "fit/FitControls.h"

using namespace CommandId;

namespace {
const char *const kFitTypeNames[6] = {"x vs y",         "ln(x) vs y",   "x vs ln(y)",
                                      "ln(x) vs ln(y)", "1/x vs ln(y)", "LMP"};
const char *const kDataSourceNames[3] = {"Image", "Xy values", "LMP"};
const char *const kOverlapEntries[12] = {"      0", "      2", "      4", "      8", "     10", "     15",
                                         "     20", "     30", "     50", "     75", "    100", "    200"};
const char *const kTemperatureEntries[6] = {"C -> K", "F -> K", "F -> C", "K -> C", "C -> F", "K -> F"};
const char *const kBackgroundNames[3] = {"White", "Gray", "Black"};
const char *const kPointSizeNames[4] = {"Small", "Medium", "Large", "Larger"};
const char *const kCopyTableTitles[copyTableColumns] = {"Min LMP", "Max LMP",     "C",  "Min TK",
                                                        "Max TK",  "Max % error", "Eqn"};
const int kFirstDecimals = 2, kLastDecimals = 20, kFirstFontSize = 8, kLastFontSize = 20;

FXGroupBox *group(FXComposite *parent, const char *title, FXuint layout = 0) {
    return new FXGroupBox(parent, title, GROUPBOX_TITLE_LEFT | FRAME_GROOVE | layout, 0, 0, 0, 0, 4, 4, 2, 4);
}

// A list box of numbered entries "   %d   " from first to last with the given entry selected.
FXListBox *numberList(FXComposite *parent, FXObject *target, FXSelector id, int first, int last,
                      int current) {
    FXListBox *list = new FXListBox(parent, target, id, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
    for (int n = first; n <= last; n++)
        list->appendItem(FXStringFormat("   %d   ", n));
    list->setNumVisible(std::min(last - first + 1, 10));
    list->setCurrentItem(current);
    return list;
}

FXTextField *outputField(FXComposite *parent, int columns, FXObject *target, FXSelector id, FXuint extra,
                         const char *tip) {
    FXTextField *field =
        new FXTextField(parent, columns, target, id, TEXTFIELD_READONLY | FRAME_SUNKEN | FRAME_THICK | extra);
    if (tip)
        field->setTipText(tip);
    return field;
}

FXCheckButton *check(FXComposite *parent, const char *text, FXObject *target, FXSelector id,
                     const FXString &tip) {
    FXCheckButton *box = new FXCheckButton(parent, text, target, id);
    if (!tip.empty())
        box->setTipText(tip);
    return box;
}
} // namespace

void Ordinax::buildCurveFittingPage(FXComposite *page) {
    FXHorizontalFrame *top = new FXHorizontalFrame(page, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0);
    buildEquationRows(top);
    buildFitChoices(top);
    buildFitLists(page);
    buildFitOptions(page);
    buildEquationTabs(page);
    FXVerticalFrame *plots =
        new FXVerticalFrame(page, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    buildFitPlots(plots);
    controlNormalColor = positiveSlopeLabel->getBackColor();
    if (developerMode) {
        numOfDecimalsInCoefficients_LB->setCurrentItem(9 - kFirstDecimals);
        numOfDecimalsInCoefficients_LB->disable();
        maxFitOrder_LB->setCurrentItem(6 - 1);
        maxFitOrder_LB->disable();
        writeBoundaryValuesAsNumbersNotLn_Chk->setCheck(TRUE);
        writeBoundaryValuesAsNumbersNotLn_Chk->disable();
    }
    // The fit-type, data-source and intercept controls start in the state the fit type gives them.
    applyFitType();
}

// The "Fitting controls" grid: one row per equation with its limit, R², difference, mismatch and order.
void Ordinax::buildEquationRows(FXComposite *parent) {
    FXMatrix *grid =
        new FXMatrix(group(parent, "Fitting controls"), 6, MATRIX_BY_COLUMNS, 0, 0, 0, 0, 0, 0, 0, 0, 4, 2);
    for (const char *title :
         {" ", "Eqn. upper limit", "R^2", "Max. % difference", "Eqn. mismatch", "Fit order"})
        new FXLabel(grid, title, nullptr, LABEL_NORMAL | LAYOUT_CENTER_X);
    for (int i = 0; i < 6; i++) {
        new FXLabel(grid, FXStringFormat("Eqn. #%d", i + 1), nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
        upperLimitFields[i] = outputField(grid, 15, this, ID_LIMIT_WHEEL + i, JUSTIFY_RIGHT, nullptr);
        rSquaredFields[i] = outputField(grid, 12, nullptr, 0, 0,
                                        "R^2 and adjusted R^2 values for the the least squares curve fit");
        maxDiffFields[i] =
            outputField(grid, 9, nullptr, 0, 0, "maximum error between the data points and the fit");
        mismatchFields[i] = outputField(grid, 9, nullptr, 0, 0, "error between the 2 equations");
        FXHorizontalFrame *order = new FXHorizontalFrame(grid, LAYOUT_CENTER_Y, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
        const FXuint arrow =
            FRAME_RAISED | FRAME_THICK | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT | LAYOUT_CENTER_Y;
        orderUpButtons[i] = new FXArrowButton(order, this, ID_ORDER_UP, arrow | ARROW_UP, 0, 0, 20, 20);
        orderUpButtons[i]->setTipText("Increase the fit order");
        orderDownButtons[i] = new FXArrowButton(order, this, ID_ORDER_DOWN, arrow | ARROW_DOWN, 0, 0, 20, 20);
        orderDownButtons[i]->setTipText("Decrease the fit order");
        orderLabels[i] =
            new FXLabel(order, orderLabelText(fitOrders[i]).c_str(), nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    }
    fitFieldNormalColor = rSquaredFields[0]->getBackColor();
}

// "Curve fit type" above "Y-Intercept" and "Data source".
void Ordinax::buildFitChoices(FXComposite *parent) {
    FXVerticalFrame *column = new FXVerticalFrame(parent, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4);
    FXMatrix *types = new FXMatrix(group(column, "Curve fit type", LAYOUT_FILL_X), 2, MATRIX_BY_COLUMNS);
    for (int t = 0; t < 6; t++)
        fitTypeRadios[t] = new FXRadioButton(types, kFitTypeNames[t], this, ID_FIT_TYPE);
    FXHorizontalFrame *pair = new FXHorizontalFrame(column, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0);
    FXGroupBox *intercept = group(pair, "Y-Intercept", LAYOUT_FILL_Y);
    setEqnYIntercept_Chk =
        check(intercept, "Set", this, ID_INTERCEPT_SET, "Set the y-intercept of the equation.");
    equation_Y_intercept_TF = new TextField_qvx1(intercept, 7, this, ID_INTERCEPT_VALUE,
                                                 TEXTFIELD_REAL | FRAME_SUNKEN | FRAME_THICK, TRUE);
    FXGroupBox *source = group(pair, "Data source", LAYOUT_FILL_X | LAYOUT_FILL_Y);
    for (int s = 0; s < 3; s++)
        dataSourceRadios[s] = new FXRadioButton(source, kDataSourceNames[s], this, ID_DATA_SOURCE + s);
}

// "    Fit data    " and "Copy eqns.", the four number lists, "Axis scaling", "y-scaling" and the slope
// labels.
void Ordinax::buildFitLists(FXComposite *parent) {
    FXHorizontalFrame *row = new FXHorizontalFrame(parent, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0);
    FXVerticalFrame *buttons =
        new FXVerticalFrame(row, LAYOUT_CENTER_Y | PACK_UNIFORM_WIDTH, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    fitDataButton = new FXButton(buttons, "    Fit data    ", nullptr, this, ID_FIT_DATA, BUTTON_NORMAL);
    fitDataButton->setTipText("Fit the data to a polynominal");
    copyEquationsButton =
        new FXButton(buttons, "Copy eqns.", nullptr, this, ID_COPY_EQUATIONS, BUTTON_NORMAL);
    copyEquationsButton->disable();
    numOfEquations_LB =
        numberList(group(row, "# equations"), this, ID_EQUATION_COUNT, 1, 6, equationCount - 1);
    maxFitOrder_LB = numberList(group(row, "Max fit order"), this, ID_MAX_FIT_ORDER, 1, maxFitOrder, 3);
    numOfOverlapPoints_LB = new FXListBox(group(row, "# overlap pts"), this, ID_OVERLAP_POINTS,
                                          FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
    for (const char *entry : kOverlapEntries)
        numOfOverlapPoints_LB->appendItem(entry);
    numOfOverlapPoints_LB->setNumVisible(12);
    numOfOverlapPoints_LB->setCurrentItem(1);
    numOfDecimalsInCoefficients_LB =
        numberList(group(row, "# decimals"), this, ID_DECIMALS, kFirstDecimals, kLastDecimals, 4);

    FXGroupBox *axis = group(row, "Axis scaling");
    FXHorizontalFrame *temperature = new FXHorizontalFrame(axis, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0);
    xAxisIsTemperature_Chk = check(temperature, "x is T", this, ID_X_IS_T,
                                   "Check this if your x-values are temperatures AND you want to convert\n"
                                   "them from Celsius or Fahrenheit to Kelvin before fitting.\n"
                                   "The equation will then require Kelvin as the input value.");
    xAxisIsTemperature_Chk->setLayoutHints(LAYOUT_CENTER_Y);
    temperatureScaleList =
        new FXListBox(temperature, this, ID_TEMPERATURE_SCALE, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
    for (const char *entry : kTemperatureEntries)
        temperatureScaleList->appendItem(entry);
    temperatureScaleList->setNumVisible(6);
    temperatureScaleList->setCurrentItem(temperatureScale);
    FXVerticalFrame *yScaling = new FXVerticalFrame(row, LAYOUT_BOTTOM, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    new FXLabel(yScaling, "y-scaling");
    yScaleField =
        new TextField_qvx1(yScaling, 12, this, ID_Y_SCALE, TEXTFIELD_REAL | FRAME_SUNKEN | FRAME_THICK);
    yScaleField->setFieldText("1.0");
    yScaleField->setTipText("Factor to multiply the y-values. Useful for changing units.");
    FXVerticalFrame *slopes = new FXVerticalFrame(row, LAYOUT_BOTTOM, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    positiveSlopeLabel = new FXLabel(slopes, "Positive slope: N");
    negativeSlopeLabel = new FXLabel(slopes, "Negative slope: N");
}

// "Excel cell for 'x'", the six option checks, "Plot background", "Point size" and "Font size".
void Ordinax::buildFitOptions(FXComposite *parent) {
    FXHorizontalFrame *row = new FXHorizontalFrame(parent, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0);
    excel_cell_TF = new FXTextField(group(row, "Excel cell for 'x'", LAYOUT_FILL_Y), 9, this, ID_EXCEL_CELL,
                                    TEXTFIELD_NORMAL);
    excel_cell_TF->setText("A2");
    excel_cell_TF->setTipText("Excel reference cell where the x variable\nwill be in the spreadsheet");
    FXVerticalFrame *options = new FXVerticalFrame(row, FRAME_GROOVE | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4);
    FXMatrix *checks =
        new FXMatrix(options, 2, MATRIX_BY_COLUMNS | LAYOUT_CENTER_Y, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0);
    lmp_ZEKA_formatting_Chk = check(checks, "Simple eqn format", this, ID_SIMPLE_FORMAT,
                                    "Use the \"simple\" format for the equation");
    fillEmptyCellsWithZeros_Chk = check(checks, "Fill unused coeff. with 0.0", this, ID_FIT_DATA, "");
    showEquationOnImage_Chk = check(checks, "Display eqn(s) on plot", this, ID_FIT_DATA, "");
    adjustEquationsWhenCopying_Chk =
        check(checks, "Adjust eqns when copying", nullptr, 0, "Adjust the equations so the mismatchs are 0");
    writeBoundaryValuesAsNumbersNotLn_Chk =
        check(checks, "Eqn. limits as x not ln(x)", this, ID_FIT_DATA,
              FXStringFormat("Have the \"%s\" return the x values a the x-value not as ln(x) when appropiate",
                             copyEquationsButton->getText().text()));
    forceXBoundariesToWholeNumbers_Chk = check(
        checks, "Eqn. limits as integers", this, ID_FIT_DATA,
        FXStringFormat("Force the equation limits to be whole numbers when you min x is larger than %.0lf "
                       "and you max x is larger than %.0lf",
                       1.0, 100.0));
    FXGroupBox *background = group(row, "Plot background", LAYOUT_FILL_Y);
    for (int b = 0; b < 3; b++) {
        plotBackgroundRadios[b] =
            new FXRadioButton(background, kBackgroundNames[b], this, ID_PLOT_BACKGROUND);
        plotBackgroundRadios[b]->setCheck(b == plotBackground);
    }
    FXMatrix *sizes = new FXMatrix(group(row, "Point size", LAYOUT_FILL_Y), 2, MATRIX_BY_COLUMNS);
    for (int s = 0; s < 4; s++) {
        pointSizeRadios[s] = new FXRadioButton(sizes, kPointSizeNames[s], this, ID_POINT_SIZE);
        pointSizeRadios[s]->setCheck(s == pointSizeIndex);
    }
    fontSizeList = numberList(group(row, "Font size", LAYOUT_FILL_Y), this, ID_FONT_SIZE, kFirstFontSize,
                              kLastFontSize, fitPlotFontSize - kFirstFontSize);
}

// One tab "Equation #k" per equation with its formula field and its 3 x 16 coefficient table, and the hidden
// table that holds the "Copy eqns." blocks.
void Ordinax::buildEquationTabs(FXComposite *parent) {
    equationTabs = new FXTabBook(parent, this, ID_MAIN_TABS, TABBOOK_NORMAL | LAYOUT_FILL_X);
    for (int k = 0; k < 6; k++) {
        new FXTabItem(equationTabs, FXStringFormat("Equation #%d", k + 1));
        FXVerticalFrame *tab =
            new FXVerticalFrame(equationTabs, FRAME_RAISED | LAYOUT_FILL_X, 0, 0, 0, 0, 2, 2, 2, 2, 0, 2);
        equationTextFields[k] = outputField(tab, 50, this, ID_EQUATION_TEXT + k, LAYOUT_FILL_X, nullptr);
        Table_qvx1 *table = new Table_qvx1(
            tab, nullptr, 0, TABLE_READONLY | TABLE_NO_COLSELECT | LAYOUT_FILL_X | LAYOUT_FIX_HEIGHT, 0, 0, 0,
            24 + 3 * 21 + 20);
        table->setTableSize(3, coefficientColumns);
        table->setRowHeaderWidth(70);
        table->setColumnHeaderHeight(24);
        for (int c = 0; c < coefficientColumns; c++) {
            table->setColumnText(c, FXStringFormat("C%d or C%d", c, coefficientColumns - 1 - c));
            table->setColumnWidth(c, 100);
        }
        for (int r = 0; r < 3; r++)
            table->setRowText(r, FXStringFormat(r == 1 ? "C%d->C0" : "C0->C%d", coefficientColumns - 1));
        coefficientTables[k] = table;
    }
    colorEquationTabs();
    equationCopyTable = new FXTable(parent, nullptr, 0, TABLE_READONLY);
    equationCopyTable->setTableSize(copyTableRows, copyTableColumns);
    for (int c = 0; c < copyTableColumns; c++)
        equationCopyTable->setColumnText(c, kCopyTableTitles[c]);
    equationCopyTable->hide();
}

void Ordinax::colorEquationTabs() {
    for (int k = 0; k < 6; k++) {
        FXWindow *header = equationTabs->childAtIndex(2 * k);
        header->setBackColor(k == equationTabs->getCurrent() ? FXRGB(200, 255, 200) : defaultTabColor);
    }
}

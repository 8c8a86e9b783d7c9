// The "  Curve Fitting  " page: the equation rows, fit type, Y-intercept, data source, list and scaling
// controls, the equation tabs, and the display of the zone limits in the equation rows.
#include "app/Ordinax.h"

#include <algorithm>

#include "fit/FitTransforms.h"

using namespace CommandId;

namespace {
const FXColor kGray = FXRGB(200, 200, 200);
const char* const kFitTypeNames[6] = {"x vs y", "ln(x) vs y", "x vs ln(y)", "ln(x) vs ln(y)", "1/x vs ln(y)", "LMP"};
const char* const kDataSourceNames[3] = {"Image", "Xy values", "LMP"};
const char* const kOverlapEntries[12] = {"      0", "      2", "      4", "      8", "     10", "     15",
                                         "     20", "     30", "     50", "     75", "    100", "    200"};
const char* const kTemperatureEntries[6] = {"C -> K", "F -> K", "F -> C", "K -> C", "C -> F", "K -> F"};

FXString orderLabelText(int order) {
    const char* suffix = order == 1 ? "st" : order == 2 ? "nd" : order == 3 ? "rd" : "th";
    return FXStringFormat("%d%s order", order, suffix);
}

FXGroupBox* group(FXComposite* parent, const char* title, FXuint layout = 0) {
    return new FXGroupBox(parent, title, GROUPBOX_TITLE_LEFT | FRAME_GROOVE | layout, 0, 0, 0, 0, 4, 4, 2, 4);
}

// A list box of numbered entries "   %d   " from first to last with the given entry selected.
FXListBox* numberList(FXComposite* parent, FXObject* target, FXSelector id, int first, int last, int current) {
    FXListBox* list = new FXListBox(parent, target, id, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
    for (int n = first; n <= last; n++) list->appendItem(FXStringFormat("   %d   ", n));
    list->setNumVisible(std::min(last - first + 1, 10));
    list->setCurrentItem(current);
    return list;
}

FXTextField* outputField(FXComposite* parent, int columns, FXObject* target, FXSelector id, FXuint extra,
                         const char* tip) {
    FXTextField* field =
        new FXTextField(parent, columns, target, id, TEXTFIELD_READONLY | FRAME_SUNKEN | FRAME_THICK | extra);
    if (tip) field->setTipText(tip);
    return field;
}
} // namespace

void Ordinax::buildCurveFittingPage(FXComposite* page) {
    FXHorizontalFrame* top = new FXHorizontalFrame(page, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0);
    buildEquationRows(top);
    buildFitChoices(top);
    buildFitLists(page);
    // The equation tabs send nothing: their selection needs no handling.
    equationTabs = new FXTabBook(page, nullptr, 0, TABBOOK_NORMAL);
    for (int k = 0; k < 6; k++) {
        new FXTabItem(equationTabs, FXStringFormat("Equation #%d", k + 1));
        FXVerticalFrame* tab = new FXVerticalFrame(equationTabs, FRAME_RAISED | LAYOUT_FILL_X);
        equationTextFields[k] = outputField(tab, 50, this, ID_EQUATION_TEXT + k, LAYOUT_FILL_X, nullptr);
    }
}

// The "Fitting controls" grid: one row per equation with its limit, R², difference, mismatch and order.
void Ordinax::buildEquationRows(FXComposite* parent) {
    FXMatrix* grid = new FXMatrix(group(parent, "Fitting controls"), 6, MATRIX_BY_COLUMNS, 0, 0, 0, 0, 0, 0, 0, 0, 4, 2);
    for (const char* title : {" ", "Eqn. upper limit", "R^2", "Max. % difference", "Eqn. mismatch", "Fit order"})
        new FXLabel(grid, title, nullptr, LABEL_NORMAL | LAYOUT_CENTER_X);
    for (int i = 0; i < 6; i++) {
        new FXLabel(grid, FXStringFormat("Eqn. #%d", i + 1), nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
        upperLimitFields[i] = outputField(grid, 15, this, ID_LIMIT_WHEEL + i, JUSTIFY_RIGHT, nullptr);
        rSquaredFields[i] =
            outputField(grid, 12, nullptr, 0, 0, "R^2 and adjusted R^2 values for the the least squares curve fit");
        maxDiffFields[i] = outputField(grid, 9, nullptr, 0, 0, "maximum error between the data points and the fit");
        mismatchFields[i] = outputField(grid, 9, nullptr, 0, 0, "error between the 2 equations");
        FXHorizontalFrame* order = new FXHorizontalFrame(grid, LAYOUT_CENTER_Y, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
        const FXuint arrow = FRAME_RAISED | FRAME_THICK | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT | LAYOUT_CENTER_Y;
        orderUpButtons[i] = new FXArrowButton(order, this, ID_ORDER_UP, arrow | ARROW_UP, 0, 0, 20, 20);
        orderUpButtons[i]->setTipText("Increase the fit order");
        orderDownButtons[i] = new FXArrowButton(order, this, ID_ORDER_DOWN, arrow | ARROW_DOWN, 0, 0, 20, 20);
        orderDownButtons[i]->setTipText("Decrease the fit order");
        orderLabels[i] = new FXLabel(order, orderLabelText(fitOrders[i]), nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    }
    fitFieldNormalColor = rSquaredFields[0]->getBackColor();
}

// "Curve fit type" above "Y-Intercept" and "Data source".
void Ordinax::buildFitChoices(FXComposite* parent) {
    FXVerticalFrame* column = new FXVerticalFrame(parent, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4);
    FXMatrix* types = new FXMatrix(group(column, "Curve fit type", LAYOUT_FILL_X), 2, MATRIX_BY_COLUMNS);
    for (int t = 0; t < 6; t++) {
        fitTypeRadios[t] = new FXRadioButton(types, kFitTypeNames[t], this, ID_FIT_TYPE);
        fitTypeRadios[t]->setCheck(t == fitType);
    }
    FXHorizontalFrame* pair = new FXHorizontalFrame(column, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0);
    FXGroupBox* intercept = group(pair, "Y-Intercept", LAYOUT_FILL_Y);
    setEqnYIntercept_Chk = new FXCheckButton(intercept, "Set", this, ID_INTERCEPT_SET);
    setEqnYIntercept_Chk->setTipText("Set the y-intercept of the equation.");
    equation_Y_intercept_TF = new TextField_qvx1(intercept, 7, this, ID_INTERCEPT_VALUE,
                                                 TEXTFIELD_REAL | FRAME_SUNKEN | FRAME_THICK, TRUE);
    FXGroupBox* source = group(pair, "Data source", LAYOUT_FILL_X | LAYOUT_FILL_Y);
    for (int s = 0; s < 3; s++) {
        dataSourceRadios[s] = new FXRadioButton(source, kDataSourceNames[s], this, ID_DATA_SOURCE + s);
        dataSourceRadios[s]->setCheck(s == dataSource);
    }
    dataSourceRadios[2]->disable();
}

// "    Fit data    ", the three number lists, "Axis scaling", "y-scaling" and the slope labels in one row.
void Ordinax::buildFitLists(FXComposite* parent) {
    FXHorizontalFrame* row = new FXHorizontalFrame(parent, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0);
    fitDataButton = new FXButton(row, "    Fit data    ", nullptr, this, ID_FIT_DATA, BUTTON_NORMAL | LAYOUT_CENTER_Y);
    fitDataButton->setTipText("Fit the data to a polynominal");
    numOfEquations_LB = numberList(group(row, "# equations"), this, ID_EQUATION_COUNT, 1, 6, equationCount - 1);
    maxFitOrder_LB = numberList(group(row, "Max fit order"), this, ID_MAX_FIT_ORDER, 1, maxFitOrder, 3);
    numOfOverlapPoints_LB = new FXListBox(group(row, "# overlap pts"), this, ID_OVERLAP_POINTS,
                                          FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
    for (const char* entry : kOverlapEntries) numOfOverlapPoints_LB->appendItem(entry);
    numOfOverlapPoints_LB->setNumVisible(12);
    numOfOverlapPoints_LB->setCurrentItem(1);

    FXGroupBox* axis = group(row, "Axis scaling");
    FXHorizontalFrame* temperature = new FXHorizontalFrame(axis, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0);
    xAxisIsTemperature_Chk = new FXCheckButton(temperature, "x is T", this, ID_X_IS_T, CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    xAxisIsTemperature_Chk->setTipText(
        "Check this if your x-values are temperatures AND you want to convert\n"
        "them from Celsius or Fahrenheit to Kelvin before fitting.\n"
        "The equation will then require Kelvin as the input value.");
    temperatureScaleList =
        new FXListBox(temperature, this, ID_TEMPERATURE_SCALE, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
    for (const char* entry : kTemperatureEntries) temperatureScaleList->appendItem(entry);
    temperatureScaleList->setNumVisible(6);
    temperatureScaleList->setCurrentItem(temperatureScale);
    FXVerticalFrame* yScaling = new FXVerticalFrame(row, LAYOUT_BOTTOM, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    new FXLabel(yScaling, "y-scaling");
    yScaleField = new TextField_qvx1(yScaling, 12, this, ID_Y_SCALE, TEXTFIELD_REAL | FRAME_SUNKEN | FRAME_THICK);
    yScaleField->setFieldText("1.0");
    yScaleField->setTipText("Factor to multiply the y-values. Useful for changing units.");
    FXVerticalFrame* slopes = new FXVerticalFrame(row, LAYOUT_BOTTOM, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2);
    positiveSlopeLabel = new FXLabel(slopes, "Positive slope: N");
    negativeSlopeLabel = new FXLabel(slopes, "Negative slope: N");
}

void Ordinax::showSlopeLabels(bool positive, bool negative) {
    positiveSlopeLabel->setText(positive ? "Positive slope: Y" : "Positive slope: N");
    negativeSlopeLabel->setText(negative ? "Negative slope: Y" : "Negative slope: N");
}

void Ordinax::distributeLimits() {
    const int rows = countFitPoints();
    if (rows < 2) return;
    const FitPoints points = prepareFitPoints(readFitInput(rows));
    if (points.status != FitStatus::Ok) return;
    xMin = points.xMin;
    xMax = points.xMax;
    yMin = points.yMin;
    yMax = points.yMax;
    const int count = std::clamp(equationCount, 1, maxEquations);
    for (int i = 0; i < count; i++) upperLimits[i] = (xMax - xMin) / count * (i + 1) + xMin;
}

void Ordinax::showLimits(bool redistribute) {
    const int count = std::clamp(equationCount, 1, maxEquations);
    bool outside = false;
    for (int i = 0; i < count; i++) outside = outside || !(upperLimits[i] >= xMin && upperLimits[i] <= xMax);
    if (redistribute || outside) distributeLimits();
    // The last limit in use is the top of the data, also after points were added above it.
    if (xMin <= xMax) upperLimits[count - 1] = xMax;
    for (int i = 0; i < 6; i++) {
        if (i < count) upperLimitFields[i]->setText(formatFitValue(upperLimits[i]));
        else upperLimitFields[i]->setText("");
        const FXColor back = i >= count - 1 ? kGray : fitFieldNormalColor;
        for (FXTextField* field : {upperLimitFields[i], rSquaredFields[i], maxDiffFields[i], mismatchFields[i]})
            field->setBackColor(back);
    }
}

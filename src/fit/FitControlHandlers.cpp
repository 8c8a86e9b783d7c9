// The fitting controls of the Curve Fitting page: order arrows, "Max fit order", "# equations", fit type and
// data source, the intercept, option and plot controls, the scaling controls with the conversion-factor menu,
// and the zone limits with their display, distribution and mouse-wheel moves.
#include "app/Ordinax.h"

#include <fxkeys.h>

#include <algorithm>

#include "fit/FitControls.h"
#include "fit/FitTransforms.h"
#include "plot/FitPlots.h"

using namespace CommandId;

namespace {
const FXColor kGray = FXRGB(200, 200, 200);
const FXColor kYellow = FXRGB(255, 255, 0);

void setEnabled(FXWindow *window, bool on) {
    if (on)
        window->enable();
    else
        window->disable();
}

// The position of the sender among the widgets, -1 when it is none of them.
template <class Widget, size_t N> int indexOf(Widget *const (&widgets)[N], const FXObject *sender) {
    for (size_t i = 0; i < N; i++)
        if (widgets[i] == sender)
            return static_cast<int>(i);
    return -1;
}

template <class Widget, size_t N> void checkExactly(Widget *const (&radios)[N], int chosen) {
    for (size_t i = 0; i < N; i++)
        radios[i]->setCheck(static_cast<int>(i) == chosen);
}
} // namespace

void Ordinax::setOrder(int row, int order) {
    if (row < 0 || row >= maxEquations)
        return;
    fitOrders[row] = clampOrder(order, maxFitOrder_LB->getCurrentItem() + 1);
    orderLabels[row]->setText(orderLabelText(fitOrders[row]).c_str());
}

long Ordinax::onIncreaseOrder(FXObject *sender, FXSelector, void *) {
    const int row = indexOf(orderUpButtons, sender);
    if (row < 0)
        return 1;
    setOrder(row, orderFromLabel(orderLabels[row]->getText().text()) + 1);
    refit();
    return 1;
}

long Ordinax::onDecreaseOrder(FXObject *sender, FXSelector, void *) {
    const int row = indexOf(orderDownButtons, sender);
    if (row < 0)
        return 1;
    setOrder(row, orderFromLabel(orderLabels[row]->getText().text()) - 1);
    refit();
    return 1;
}

long Ordinax::onMaxOrder(FXObject *, FXSelector, void *) {
    std::vector<int> orders(fitOrders, fitOrders + maxEquations);
    if (!lowerOrdersToMax(orders, maxFitOrder_LB->getCurrentItem() + 1))
        return 1;
    for (int row = 0; row < maxEquations; row++)
        setOrder(row, orders[row]);
    refit();
    return 1;
}

void Ordinax::applyEquationCount() {
    equationCount = equationCountFromIndex(numOfEquations_LB->getCurrentItem());
    setEnabled(numOfOverlapPoints_LB, equationCount >= 2);
    showZoomViews();
}

long Ordinax::onEquationCount(FXObject *, FXSelector, void *) {
    applyEquationCount();
    showLimits(true);
    showLimits(true);
    refit();
    return 1;
}

// The limits are kept as they are (a change of page is no reason to lose limits the user placed); they are
// spread evenly only when they lie outside the data.
void Ordinax::showFittingPage() {
    const int unset = static_cast<int>(
        std::count_if(upperLimits, upperLimits + maxEquations, [](double limit) { return limit < -1e100; }));
    showLimits(unset == 5);
    applyEquationCount();
    if (countFitPoints() > 0)
        refit();
    replotFitPlot = true;
}

long Ordinax::onFitType(FXObject *sender, FXSelector, void *) {
    fitType = std::max(indexOf(fitTypeRadios, sender), 0);
    applyFitType();
    refit();
    return 1;
}

void Ordinax::applyFitType() {
    if (fitType < XvsY || fitType > Lmp)
        fitType = XvsY;
    checkExactly(fitTypeRadios, fitType);
    const FitControlStates states =
        fitControlStates(fitType, lmp_ZEKA_formatting_Chk->getCheck(), setEqnYIntercept_Chk->getCheck());
    fitTypeRadios[Lmp]->setBackColor(states.larsonMillerControls ? kYellow : controlNormalColor);
    for (FXWindow *control :
         {static_cast<FXWindow *>(xAxisIsTemperature_Chk), static_cast<FXWindow *>(temperatureScaleList),
          static_cast<FXWindow *>(yScaleField)})
        setEnabled(control, states.scalingControls);
    setEnabled(setEqnYIntercept_Chk, states.interceptCheck);
    setEnabled(equation_Y_intercept_TF, states.interceptField);
    setEnabled(excel_cell_TF, states.excelCell);
    // The data source a fit type allows shows at once in its radios.
    showDataSource();
}

void Ordinax::showDataSource() {
    const bool xyHasFirstRow = !xyValuesTable->isCellEmpty(0, 0) && !xyValuesTable->isCellEmpty(0, 1);
    dataSource = dataSourceForFitType(fitType, dataSource, xyHasFirstRow);
    const FitControlStates states = fitControlStates(fitType, false, false);
    for (int s = 0; s < 3; s++)
        setEnabled(dataSourceRadios[s], states.dataSourceRadios[s]);
    checkExactly(dataSourceRadios, dataSource);
}

long Ordinax::onDataSource(FXObject *, FXSelector sel, void *) {
    dataSource = FXSELID(sel) - ID_DATA_SOURCE;
    showDataSource();
    drawFitPlot(true);
    return 1;
}

long Ordinax::onInterceptSet(FXObject *, FXSelector, void *) {
    setEnabled(equation_Y_intercept_TF,
               setEqnYIntercept_Chk->getCheck() && setEqnYIntercept_Chk->isEnabled());
    refit();
    return 1;
}

// Return and keypad Enter in the Excel-cell and Y-intercept fields refit; other keys are the field's.
long Ordinax::onFieldKey(FXObject *, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    if (!event || (event->code != KEY_Return && event->code != KEY_KP_Enter))
        return 0;
    refit();
    return 1;
}

long Ordinax::onSimpleFormat(FXObject *, FXSelector, void *) {
    setEnabled(excel_cell_TF,
               fitControlStates(fitType, lmp_ZEKA_formatting_Chk->getCheck(), false).excelCell);
    refit();
    return 1;
}

long Ordinax::onBackground(FXObject *sender, FXSelector, void *) {
    plotBackground = std::max(indexOf(plotBackgroundRadios, sender), 0);
    checkExactly(plotBackgroundRadios, plotBackground);
    refit();
    return 1;
}

long Ordinax::onPointSize(FXObject *sender, FXSelector, void *) {
    const int index = indexOf(pointSizeRadios, sender);
    pointSizeIndex = index < 0 ? 1 : index;
    checkExactly(pointSizeRadios, pointSizeIndex);
    refit();
    return 1;
}

long Ordinax::onFontSize(FXObject *, FXSelector, void *) {
    const int size = 8 + fontSizeList->getCurrentItem();
    fitPlotFontSize = size >= 8 && size <= 20 ? size : 10;
    setFitPlotFontSize(fitPlotFontSize);
    return 1;
}

long Ordinax::onTemperatureScale(FXObject *, FXSelector, void *) {
    const int index = temperatureScaleList->getCurrentItem();
    temperatureScale = index >= 0 && index <= 5 ? index : 0;
    return 1;
}

long Ordinax::onXIsTemperature(FXObject *, FXSelector, void *) {
    xAxisIsTemperature_Chk->setBackColor(xAxisIsTemperature_Chk->getCheck() ? kYellow : controlNormalColor);
    return 1;
}

// The conversion factors as a popup grid: each run of named entries is one column.
long Ordinax::onYScaleMenu(FXObject *, FXSelector, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    const size_t offered = std::min<size_t>(std::max(conversionFactorCount, 0), conversionFactors.size());
    const std::vector<ConversionFactor> entries(conversionFactors.begin(),
                                                conversionFactors.begin() + offered);
    const std::vector<std::vector<int>> columns = conversionMenuColumns(entries);
    if (columns.empty())
        return 1;
    FXMenuPane menu(this);
    FXMatrix *grid = new FXMatrix(&menu, static_cast<FXint>(columns[0].size()), MATRIX_BY_ROWS, 0, 0, 0, 0, 0,
                                  0, 0, 0, 0, 0);
    for (const std::vector<int> &column : columns)
        for (int slot : column) {
            if (slot < 0)
                new FXFrame(grid, FRAME_NONE);
            else
                new FXMenuCommand(grid, conversionMenuText(entries[slot]).c_str(), nullptr, this,
                                  ID_Y_SCALE_FACTOR + slot);
        }
    FXint x = event ? event->root_x : 0, y = event ? event->root_y : 0;
    menu.create();
    menu.popup(nullptr, x, y);
    yScaleMenu = &menu;
    getApp()->runModalWhileShown(&menu);
    yScaleMenu = nullptr;
    return 1;
}

long Ordinax::onYScaleFactor(FXObject *, FXSelector sel, void *) {
    const int slot = FXSELID(sel) - ID_Y_SCALE_FACTOR;
    // The entries sit in a grid inside the popup, so the popup is closed here rather than by the entry.
    if (yScaleMenu)
        yScaleMenu->popdown();
    if (slot < 0 || slot >= static_cast<int>(conversionFactors.size()))
        return 1;
    const double factor = conversionFactors[slot].factor;
    yScaleField->setFieldText(yScaleText(factor).c_str());
    yScaleField->setBackColor(yScaleHighlighted(factor) ? kYellow : fitFieldNormalColor);
    return 1;
}

void Ordinax::showSlopeLabels(bool positive, bool negative) {
    const SlopeLabels labels = slopeLabels(positive, negative, fitType);
    positiveSlopeLabel->setText(labels.positive.c_str());
    negativeSlopeLabel->setText(labels.negative.c_str());
    positiveSlopeLabel->setBackColor(labels.positiveHighlighted ? kYellow : controlNormalColor);
    negativeSlopeLabel->setBackColor(labels.negativeHighlighted ? kYellow : controlNormalColor);
}

LimitRounding Ordinax::limitRounding() const {
    return {forceXBoundariesToWholeNumbers_Chk->getCheck() != FALSE, xMin, xMax};
}

void Ordinax::distributeLimits() {
    const int rows = countFitPoints();
    if (rows < 2)
        return;
    const FitPoints points = prepareFitPoints(readFitInput(rows));
    if (points.status != FitStatus::Ok)
        return;
    xMin = points.xMin;
    xMax = points.xMax;
    yMin = points.yMin;
    yMax = points.yMax;
    if (fitPlot)
        fitPlot->setRanges(xMin, xMax, yMin, yMax);
    const std::vector<double> limits = ::distributeLimits(xMin, xMax, equationCount);
    std::copy(limits.begin(), limits.end(), upperLimits);
}

void Ordinax::showLimits(bool redistribute) {
    const int count = std::clamp(equationCount, 1, maxEquations);
    const LimitRounding rounding = limitRounding();
    if (redistribute ||
        limitsNeedRedistribution(std::vector<double>(upperLimits, upperLimits + count), xMin, xMax, rounding))
        distributeLimits();
    // The last limit in use is the top of the data, also after points were added above it.
    if (xMin <= xMax)
        upperLimits[count - 1] = xMax;
    for (int i = 0; i < count; i++)
        upperLimits[i] = roundLimit(upperLimits[i], rounding);
    showFitPlotMarkers();
    for (int i = 0; i < maxEquations; i++) {
        // A limit still at its start value (below any real one) has nothing to show.
        const bool shown = i < count && upperLimits[i] > -1e99;
        upperLimitFields[i]->setText(shown ? formatFitValue(upperLimits[i]) : FXString());
        const FXColor back = i >= count - 1 ? kGray : fitFieldNormalColor;
        for (FXTextField *field :
             {upperLimitFields[i], rSquaredFields[i], maxDiffFields[i], mismatchFields[i]})
            field->setBackColor(back);
    }
}

// A wheel turn over the upper-limit field of a movable limit moves it on the main plot by the wheel step.
long Ordinax::onLimitWheel(FXObject *, FXSelector sel, void *ptr) {
    const FXEvent *event = static_cast<const FXEvent *>(ptr);
    const int i = FXSELID(sel) - ID_LIMIT_WHEEL;
    if (!event || !fitPlot || i < 0 || i > equationCount - 2)
        return 1;
    const int target = wheelTargetPixel(fitPlot->xToPixel(upperLimits[i]), event->code, wheelStepPixels,
                                        (event->state & SHIFTMASK) != 0, (event->state & CONTROLMASK) != 0);
    const std::optional<double> moved =
        movedLimitValue(i, target, std::vector<double>(upperLimits, upperLimits + equationCount),
                        fitPlot->layout(), limitRounding());
    if (!moved)
        return 1;
    upperLimits[i] = *moved;
    showLimits(false);
    refit();
    return 1;
}

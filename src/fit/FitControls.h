// Decisions of the fitting-control handlers that need no widget: fit orders and their labels, the equation
// count, the data source a fit type allows, which controls are enabled, the slope labels and the y-scaling
// menu of conversion factors.
#pragma once
#include "app/ConversionFactors.h"

#include <string>
#include <vector>

// An order after a change: 1 for n <= 0, at most maxOrder (itself at least 1).
int clampOrder(int requested, int maxOrder);

// "1st order", "2nd order", "3rd order", "4th order" ... ("th" for everything but 1, 2 and 3).
std::string orderLabelText(int order);

// The leading digits of an order label ("12th order" gives 12); 0 without digits.
int orderFromLabel(const std::string &label);

// Lowers every order above maxOrder to it; true when one changed (only then does the handler refit).
bool lowerOrdersToMax(std::vector<int> &orders, int maxOrder);

// "# equations" list index to the equation count: index + 1, and 1 for anything outside 1..6.
int equationCountFromIndex(int listIndex);

// The data source after a fit-type change: 2 for "LMP"; leaving "LMP" gives 1, or 0 when the xy-values
// table has no complete first row; an invalid source becomes 0.
int dataSourceForFitType(int fitType, int dataSource, bool xyValuesHasFirstRow);

// Which fitting controls a fit type enables.
struct FitControlStates {
    bool larsonMillerControls = false; // constant field, "Auto-fit", "0.1/0.02 step"; the "LMP" radio yellow
    bool scalingControls = true;       // "x is T", the temperature list and the y-scaling field
    bool interceptCheck = false;       // "Set": only "x vs y" and "x vs ln(y)"
    bool interceptField = false;       // the Y-intercept field: "Set" ticked and enabled
    bool excelCell = true;             // off for "LMP" with "Simple eqn format"
    bool dataSourceRadios[3] = {true, true, false}; // "Image", "Xy values", "LMP"; none for "LMP"
};
FitControlStates fitControlStates(int fitType, bool simpleFormat, bool interceptTicked);

// "Positive slope: Y"/"N" and "Negative slope: Y"/"N"; for "LMP" a rising curve and a curve that never
// falls are highlighted (yellow).
struct SlopeLabels {
    std::string positive, negative;
    bool positiveHighlighted = false, negativeHighlighted = false;
};
SlopeLabels slopeLabels(bool positiveSlope, bool negativeSlope, int fitType);

// The y-scaling popup's entries: command ids 143 + i, so at most this many.
constexpr int maxConversionMenuEntries = 101;

// "%s (%.*le)" with the name and the factor with 6 decimals; '&' doubled and control characters made spaces
// so the menu shows the name as it is.
std::string conversionMenuText(const ConversionFactor &entry);

// The popup grid as columns of entry indices: each run of consecutive entries with a name fills a column,
// padded with -1 to the longest run. Empty when no entry has a name.
std::vector<std::vector<int>> conversionMenuColumns(const std::vector<ConversionFactor> &entries);

// The y-scaling field's text for a chosen factor ("%.*le", 6 decimals) and whether the field is yellow
// (|factor - 1| > 1e-50).
std::string yScaleText(double factor);
bool yScaleHighlighted(double factor);

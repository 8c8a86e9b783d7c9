// Temperature conversion, the transforms of the fit types, the x scaling and the sort of the points.
#pragma once
#include "fit/FitData.h"

#include <string>

// Converts a table x by the temperature list index (an index outside 0..5 counts as 0, "C -> K").
double convertTemperature(double x, int temperatureScale);

// Transforms one table row into the fitted space: temperature conversion when "x is T", y times yScale,
// ln(x) for types 1 and 3, 1/x for type 4, ln(y) for types 2..4. Returns which variable breaks the rules
// (a value not > 0 under a logarithm or reciprocal, or a non-finite result); x and y are then unspecified.
// Other types (the Larson-Miller reading is separate) leave the converted values unchanged.
IllegalVariable transformPoint(const FitInput &in, double cellX, double cellY, double &x, double &y);

// Reads rows 0..n-1 in table order (stopping at the first illegal row), takes the ranges and sorts the
// points by x with the table Shell sort. Status MissingData for no rows, IllegalValues for a bad row.
FitPoints prepareFitPoints(const FitInput &in);

// Reorders points by x ascending, y and rows moving along (nothing happens unless the three have one length).
void sortFitPoints(FitPoints &points);

// The factor the engine's x is multiplied by: 10^-trunc(log10(xMax)) for "x vs y" and "LMP" when xMax > 0.
double xScaleFactor(int fitType, double xMax);

// A fitted-space y as the user sees it: exp for the ln(y) types (2..5), unchanged otherwise.
double shownValue(int fitType, double fitted);

// "Some of your x values are 0 or negative, pick a different plot type." with "x", "y" or "x and y".
std::string illegalValuesMessage(IllegalVariable variable);

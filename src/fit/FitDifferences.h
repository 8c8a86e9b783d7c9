// What a run derives from the fitted zones: mismatches, per-row differences and the fitted curve.
#pragma once
#include "fit/FitData.h"
#include "fit/Polynomial.h"

#include <vector>

// The equation of each zone on unscaled x, exponents 0..order (no terms for a zone that failed).
std::vector<Polynomial> zoneEquations(const std::vector<ZoneFit> &zones);

// Mismatch of each fitted equation with the next fitted one at their shared limit lim[k+1], in the
// fitted space (through exp for "LMP"); none where the value there is 0 or the result is not finite.
void computeMismatches(int fitType, FitOutput &out);

// Per table row, in table order (types 0..4): t, y, the zone's fitted value and the difference for y != 0;
// each zone keeps its signed difference of largest magnitude.
void computeDifferences(const FitInput &in, FitOutput &out);

// Points of the fitted curve: canvas width / 3, but at least the point count.
int curveLength(int canvasWidth, int pointCount);

// The curve series from xMin to xMax; points of a fitted zone get its value (non-finite values stay 0)
// and widen yMin/yMax, and the sign of its derivative sets the slope flags.
void computeFittedCurve(int length, FitOutput &out);

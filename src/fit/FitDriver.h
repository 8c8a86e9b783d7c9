// The numeric part of a refit: points to zones, one least-squares fit per zone, differences and curve.
#pragma once
#include "fit/FitData.h"

// Scales x, splits the sorted points into zones by in.shownLimits, checks each zone has order + 1 points
// (overlap counted), fits each zone (constant held at the Y-intercept where that applies), and colours
// the points by zone. Stops with BadBoundaries or IllegalIntercept; a zone the engine cannot fit is
// marked not fitted and the run goes on.
FitOutput fitZones(const FitInput &in, const FitPoints &points);

// fitZones, then the mismatches, the differences per row and the fitted curve: everything a refit
// computes once the points are read and the zone limits shown.
FitOutput fitPreparedPoints(const FitInput &in, const FitPoints &points);

// prepareFitPoints followed by fitPreparedPoints, for callers that already know the shown limits.
FitOutput runFit(const FitInput &in);

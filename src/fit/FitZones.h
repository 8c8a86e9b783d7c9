// Splitting the sorted points into zones: limits, zone membership, overlap counts and the intercept zones.
#pragma once
#include "fit/FitData.h"

#include <optional>
#include <string>
#include <vector>

// lim[0] = xMin * 0.999999, lim[k] = shownLimits[k-1] for k = 1..equationCount-1 (a missing entry is
// the top), lim[equationCount] = xMax * 1.0000006.
std::vector<double> zoneLimits(double xMin, double xMax, const std::vector<double> &shownLimits,
                               int equationCount);

// The first zone k with lim[k] <= t < lim[k+1]. A value at or above the top limit (the largest x when
// xMax <= 0) belongs to the last zone; any other value in no zone to zone 0.
int zoneOf(const std::vector<double> &limits, double t);

struct ZoneSplit {
    std::vector<int> pointZones; // zone of each sorted point
    std::vector<int> counts;     // own points per zone
    std::vector<int> firstIndex; // first sorted index per zone; for an empty zone the points before it
};
ZoneSplit splitZones(const std::vector<double> &sortedX, const std::vector<double> &limits);

// The zones that hold x = 0: zone 0 when lim[0] >= 0, the last zone when lim[top] <= 0, otherwise each
// zone with lim[k] <= 0 <= lim[k+1].
std::vector<bool> interceptZones(const std::vector<double> &limits);

// Point counts raised by the overlap for two or more zones: the first and last zone get v, middle zones
// 2v, zone by zone with a running sum of own counts (this zone included). Raising stops at the first zone
// where that would overstate the points (an end zone above pointCount, a middle zone with v above the
// running sum or above pointCount minus it); that zone and later ones keep their own counts.
std::vector<int> overlapCounts(const std::vector<int> &ownCounts, int overlap, int pointCount);

// The first zone whose count is below its order + 1.
std::optional<BadBoundaries> findBadBoundaries(const std::vector<int> &counts, const std::vector<int> &orders,
                                               const std::vector<double> &limits, int overlap);

// "There are not enough points between %s and %s for a %d-order fit (Eqn. #%d) with %d overlap points."
std::string badBoundariesMessage(const BadBoundaries &bad, const std::string &lowerText,
                                 const std::string &upperText);

// Sorted indices that zone k fits, in sorted order: its own points, the points of zone k+1 below
// firstIndex[k+1] + v and the points of zone k-1 from firstIndex[k] - v on.
std::vector<int> zonePointIndices(const ZoneSplit &split, int zone, int overlap);

// The constant term is held at the Y-intercept only for "x vs y" and "x vs ln(y)" in a zone holding x = 0.
bool fixesIntercept(int fitType, bool setIntercept, bool zoneHoldsZero);

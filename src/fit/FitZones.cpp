// Zone limits, zone membership, overlap counting and the zones that hold x = 0.
#include "fit/FitZones.h"

#include <algorithm>

std::vector<double> zoneLimits(double xMin, double xMax, const std::vector<double> &shownLimits,
                               int equationCount) {
    equationCount = std::max(equationCount, 1);
    std::vector<double> limits(equationCount + 1);
    limits[0] = xMin * 0.999999;
    limits[equationCount] = xMax * 1.0000006;
    for (int k = 1; k < equationCount; ++k)
        limits[k] = k - 1 < static_cast<int>(shownLimits.size()) ? shownLimits[k - 1] : limits[equationCount];
    return limits;
}

int zoneOf(const std::vector<double> &limits, double t) {
    const int zones = static_cast<int>(limits.size()) - 1;
    for (int k = 0; k < zones; ++k)
        if (limits[k] <= t && t < limits[k + 1])
            return k;
    return zones > 0 && t >= limits[zones] ? zones - 1 : 0;
}

ZoneSplit splitZones(const std::vector<double> &sortedX, const std::vector<double> &limits) {
    const int zones = std::max(1, static_cast<int>(limits.size()) - 1);
    ZoneSplit split;
    split.counts.assign(zones, 0);
    split.firstIndex.assign(zones, -1);
    for (size_t i = 0; i < sortedX.size(); ++i) {
        const int zone = zoneOf(limits, sortedX[i]);
        split.pointZones.push_back(zone);
        if (split.counts[zone]++ == 0)
            split.firstIndex[zone] = static_cast<int>(i);
    }
    int before = 0;
    for (int k = 0; k < zones; ++k) {
        if (split.firstIndex[k] < 0)
            split.firstIndex[k] = before;
        before += split.counts[k];
    }
    return split;
}

std::vector<bool> interceptZones(const std::vector<double> &limits) {
    const int zones = static_cast<int>(limits.size()) - 1;
    std::vector<bool> holdsZero(std::max(zones, 0), false);
    if (zones <= 0)
        return holdsZero;
    if (limits[0] >= 0)
        holdsZero[0] = true;
    else if (limits[zones] <= 0)
        holdsZero[zones - 1] = true;
    else
        for (int k = 0; k < zones; ++k)
            holdsZero[k] = limits[k] <= 0 && 0 <= limits[k + 1];
    return holdsZero;
}

std::vector<int> overlapCounts(const std::vector<int> &ownCounts, int overlap, int pointCount) {
    std::vector<int> counts = ownCounts;
    const int zones = static_cast<int>(counts.size());
    if (zones < 2)
        return counts;
    const long long v = std::max(overlap, 0);
    long long runningSum = 0;
    for (int k = 0; k < zones; ++k) {
        runningSum += ownCounts[k];
        if (k == 0 || k == zones - 1) {
            if (ownCounts[k] + v > pointCount)
                break;
            counts[k] = static_cast<int>(ownCounts[k] + v);
        } else {
            if (v > runningSum || v > pointCount - runningSum)
                break;
            counts[k] = static_cast<int>(ownCounts[k] + 2 * v);
        }
    }
    return counts;
}

std::optional<BadBoundaries> findBadBoundaries(const std::vector<int> &counts, const std::vector<int> &orders,
                                               const std::vector<double> &limits, int overlap) {
    for (size_t k = 0; k < counts.size() && k + 1 < limits.size(); ++k) {
        const int order = k < orders.size() ? orders[k] : 1;
        if (counts[k] < order + 1)
            return BadBoundaries{static_cast<int>(k), limits[k], limits[k + 1], order, std::max(overlap, 0)};
    }
    return std::nullopt;
}

std::string badBoundariesMessage(const BadBoundaries &bad, const std::string &lowerText,
                                 const std::string &upperText) {
    return "There are not enough points between " + lowerText + " and " + upperText + " for a " +
           std::to_string(bad.order) + "-order fit (Eqn. #" + std::to_string(bad.equation + 1) + ") with " +
           std::to_string(bad.overlap) + " overlap points.";
}

std::vector<int> zonePointIndices(const ZoneSplit &split, int zone, int overlap) {
    const int zones = static_cast<int>(split.counts.size());
    const long long v = std::max(overlap, 0);
    const long long nextEnd = zone + 1 < zones ? split.firstIndex[zone + 1] + v : 0;
    const long long previousStart = zone >= 0 && zone < zones ? split.firstIndex[zone] - v : 0;
    std::vector<int> indices;
    for (size_t i = 0; i < split.pointZones.size(); ++i) {
        const int z = split.pointZones[i];
        const long long index = static_cast<long long>(i);
        if (z == zone || (z == zone + 1 && index < nextEnd) || (z == zone - 1 && index >= previousStart))
            indices.push_back(static_cast<int>(i));
    }
    return indices;
}

bool fixesIntercept(int fitType, bool setIntercept, bool zoneHoldsZero) {
    return setIntercept && zoneHoldsZero && (fitType == XvsY || fitType == XvsLnY);
}

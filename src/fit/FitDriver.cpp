// One fit run on plain data: zones, the engine per zone, then mismatches, differences and curve.
#include "fit/FitDriver.h"

#include "fit/FitDifferences.h"
#include "fit/FitTransforms.h"
#include "fit/FitZones.h"
#include "fit/LeastSquares.h"
#include "fit/PointPalette.h"

#include <algorithm>
#include <cmath>

namespace {

// Turns coefficients fitted on s*x into coefficients on x; false when one cannot be represented.
bool unscaleCoefficients(std::vector<double> &coefficients, double s) {
    for (size_t k = 0; k < coefficients.size(); ++k) {
        const double scaled = coefficients[k];
        coefficients[k] = std::pow(s, static_cast<double>(k)) * scaled;
        if (!std::isfinite(coefficients[k]) || (scaled != 0 && !std::isnormal(coefficients[k])))
            return false;
    }
    return true;
}

} // namespace

FitOutput fitZones(const FitInput &in, const FitPoints &points) {
    FitOutput out;
    out.status = points.status;
    out.illegalVariable = points.illegalVariable;
    out.illegalRow = points.illegalRow;
    if (points.status != FitStatus::Ok)
        return out;
    if (points.x.empty() || points.y.size() != points.x.size()) {
        out.status = FitStatus::MissingData;
        return out;
    }
    const int n = static_cast<int>(points.x.size());
    const int equationCount = std::clamp(in.equationCount, 1, maxEquations);
    const int overlap = std::max(in.overlap, 0);
    out.xMin = points.xMin;
    out.xMax = points.xMax;
    out.yMin = points.yMin;
    out.yMax = points.yMax;
    out.converted = in.xIsTemperature || std::fabs(1 - in.yScale) > 1e-50;
    out.xScale = xScaleFactor(in.fitType, points.xMax);
    out.limits = zoneLimits(points.xMin, points.xMax, in.shownLimits, equationCount);

    const ZoneSplit split = splitZones(points.x, out.limits);
    out.pointZones = split.pointZones;
    std::vector<int> orders(equationCount);
    out.zones.resize(equationCount);
    for (int k = 0; k < equationCount; ++k) {
        orders[k] =
            std::clamp(k < static_cast<int>(in.fitOrders.size()) ? in.fitOrders[k] : 1, 1, maxFitOrder);
        out.zones[k].order = orders[k];
        out.zones[k].ownPoints = split.counts[k];
        out.zones[k].firstIndex = split.firstIndex[k];
    }
    out.points.x = points.x;
    out.points.y = points.y;
    out.points.colours.assign(n, 0u);

    const std::vector<int> counts =
        equationCount >= 2 ? overlapCounts(split.counts, overlap, n) : split.counts;
    if (auto bad = findBadBoundaries(counts, orders, out.limits, overlap)) {
        out.status = FitStatus::BadBoundaries;
        out.badBoundaries = *bad;
        return out;
    }

    const std::vector<bool> holdsZero = interceptZones(out.limits);
    double smallestY = 0;
    for (double y : points.y)
        smallestY = std::max(smallestY, std::fabs(y));
    std::vector<double> xs, ys;
    for (int k = 0; k < equationCount; ++k) {
        ZoneFit &zone = out.zones[k];
        xs.clear();
        ys.clear();
        for (int i : zonePointIndices(split, k, overlap)) {
            xs.push_back(out.xScale * points.x[i]);
            ys.push_back(points.y[i]);
            if (points.y[i] < smallestY) {
                smallestY = points.y[i];
                out.referenceZone = k;
            }
            if (in.fitType != Lmp)
                out.points.colours[i] = pointPaletteColour(split.pointZones[i]);
        }
        zone.fittedPoints = static_cast<int>(xs.size());
        zone.interceptFixed = fixesIntercept(in.fitType, in.setIntercept, holdsZero[k]);
        if (zone.interceptFixed && !in.intercept) {
            out.status = FitStatus::IllegalIntercept;
            return out;
        }
        zone.coefficients.assign(zone.order + 1, 0.0);
        const int count = zone.fittedPoints;
        zone.fitted = zone.interceptFixed
                          ? fitPolynomialFixedConstant(count, zone.order, xs.data(), ys.data(), *in.intercept,
                                                       zone.coefficients.data(), zone.rSquared)
                          : fitPolynomialFree(count, zone.order, xs.data(), ys.data(),
                                              zone.coefficients.data(), zone.rSquared);
        zone.fitted = zone.fitted && unscaleCoefficients(zone.coefficients, out.xScale);
    }
    return out;
}

FitOutput fitPreparedPoints(const FitInput &in, const FitPoints &points) {
    FitOutput out = fitZones(in, points);
    if (out.status != FitStatus::Ok)
        return out;
    computeMismatches(in.fitType, out);
    computeDifferences(in, out);
    computeFittedCurve(curveLength(in.plotCanvasWidth, static_cast<int>(points.x.size())), out);
    return out;
}

FitOutput runFit(const FitInput &in) {
    return fitPreparedPoints(in, prepareFitPoints(in));
}

// Mismatches between neighbouring equations, differences per row and the fitted curve.
#include "fit/FitDifferences.h"

#include "fit/FitTransforms.h"
#include "fit/FitZones.h"

#include <algorithm>
#include <cmath>
#include <numeric>

std::vector<Polynomial> zoneEquations(const std::vector<ZoneFit> &zones) {
    std::vector<Polynomial> equations(zones.size());
    for (size_t k = 0; k < zones.size(); ++k) {
        if (!zones[k].fitted)
            continue;
        std::vector<int> exponents(zones[k].coefficients.size());
        std::iota(exponents.begin(), exponents.end(), 0);
        equations[k].setTerms(static_cast<int>(exponents.size()), zones[k].coefficients.data(),
                              exponents.data());
    }
    return equations;
}

void computeMismatches(int fitType, FitOutput &out) {
    const std::vector<Polynomial> equations = zoneEquations(out.zones);
    for (size_t k = 0; k + 1 < out.zones.size() && k + 1 < out.limits.size(); ++k) {
        ZoneFit &zone = out.zones[k];
        zone.hasMismatch = false;
        if (!zone.fitted || !out.zones[k + 1].fitted)
            continue;
        const double b = out.limits[k + 1];
        double a = equations[k].evaluate(b), c = equations[k + 1].evaluate(b);
        if (fitType == Lmp) {
            a = std::exp(a);
            c = std::exp(c);
        }
        if (a == 0)
            continue;
        const double mismatch = (a - c) * 100 / a;
        zone.hasMismatch = std::isfinite(mismatch);
        zone.mismatch = mismatch;
    }
}

void computeDifferences(const FitInput &in, FitOutput &out) {
    const std::vector<Polynomial> equations = zoneEquations(out.zones);
    const size_t n = std::min(in.cellX.size(), in.cellY.size());
    out.rows.assign(n, RowFit{});
    for (ZoneFit &zone : out.zones)
        zone.maxDifference = 0;
    for (size_t r = 0; r < n; ++r) {
        RowFit &row = out.rows[r];
        double fittedY;
        transformPoint(in, in.cellX[r], in.cellY[r], row.t, fittedY);
        row.y = in.cellY[r] * in.yScale;
        row.zone = zoneOf(out.limits, row.t);
        if (row.zone >= static_cast<int>(out.zones.size()) || !out.zones[row.zone].fitted)
            continue;
        row.fitted = shownValue(in.fitType, equations[row.zone].evaluate(row.t));
        row.hasFit = std::isfinite(row.fitted);
        if (!row.hasFit || row.y == 0)
            continue;
        row.difference = (row.y - row.fitted) * 100 / row.y;
        row.hasDifference = std::isfinite(row.difference);
        double &maximum = out.zones[row.zone].maxDifference;
        if (row.hasDifference && std::fabs(row.difference) > std::fabs(maximum))
            maximum = row.difference;
    }
}

int curveLength(int canvasWidth, int pointCount) {
    return std::max(canvasWidth / 3, pointCount);
}

void computeFittedCurve(int length, FitOutput &out) {
    const int m = std::max(length, 0);
    out.curve.x.assign(m, 0.0);
    out.curve.y.assign(m, 0.0);
    out.curve.colours.assign(m, 0u);
    const std::vector<Polynomial> equations = zoneEquations(out.zones);
    std::vector<Polynomial> slopes(out.zones.size());
    for (size_t k = 0; k < out.zones.size(); ++k)
        slopes[k].setDerivativeOf(equations[k].termCount(), equations[k].coefficients().data(),
                                  equations[k].exponents().data(), "x", 0);
    for (int j = 0; j < m; ++j) {
        const double x = m > 1 ? j * (out.xMax - out.xMin) / (m - 1) + out.xMin : out.xMin;
        out.curve.x[j] = x;
        const int zone = zoneOf(out.limits, x);
        if (zone >= static_cast<int>(out.zones.size()) || !out.zones[zone].fitted)
            continue;
        const double y = equations[zone].evaluate(x);
        if (!std::isfinite(y))
            continue;
        out.curve.y[j] = y;
        out.yMin = std::min(out.yMin, y);
        out.yMax = std::max(out.yMax, y);
        const double slope = slopes[zone].evaluate(x);
        out.positiveSlope = out.positiveSlope || slope > 0;
        out.negativeSlope = out.negativeSlope || slope < 0;
    }
}

// Reading the table rows into the fitted space and sorting them by x.
#include "fit/FitTransforms.h"

#include "tables/ShellSort.h"

#include <algorithm>
#include <cmath>
#include <limits>

double convertTemperature(double x, int temperatureScale) {
    switch (temperatureScale) {
    case 1:
        return ((x - 32) * 5) / 9 + 273.15;
    case 2:
        return ((x - 32) * 5) / 9;
    case 3:
        return x - 273.15;
    case 4:
        return (x * 9) / 5 + 32;
    case 5:
        return ((x - 273.15) * 9) / 5 + 32;
    default:
        return x + 273.15;
    }
}

IllegalVariable transformPoint(const FitInput &in, double cellX, double cellY, double &x, double &y) {
    x = in.xIsTemperature ? convertTemperature(cellX, in.temperatureScale) : cellX;
    y = cellY * in.yScale;
    bool badX = false, badY = false;
    if (in.fitType == LnXvsY || in.fitType == LnXvsLnY || in.fitType == InvXvsLnY) {
        badX = !(x > 0);
        if (!badX)
            x = in.fitType == InvXvsLnY ? 1 / x : std::log(x);
    }
    if (in.fitType == XvsLnY || in.fitType == LnXvsLnY || in.fitType == InvXvsLnY) {
        badY = !(y > 0);
        if (!badY)
            y = std::log(y);
    }
    badX = badX || !std::isfinite(x);
    badY = badY || !std::isfinite(y);
    if (badX && badY)
        return IllegalVariable::XAndY;
    return badX ? IllegalVariable::X : badY ? IllegalVariable::Y : IllegalVariable::None;
}

FitPoints prepareFitPoints(const FitInput &in) {
    FitPoints points;
    const int n = static_cast<int>(std::min(in.cellX.size(), in.cellY.size()));
    if (n == 0) {
        points.status = FitStatus::MissingData;
        return points;
    }
    // Ranges start at infinity rather than ±1e99 so that values beyond 1e99 are ranged correctly.
    constexpr double inf = std::numeric_limits<double>::infinity();
    double xMin = inf, xMax = -inf, yMin = inf, yMax = -inf;
    for (int row = 0; row < n; ++row) {
        double x, y;
        const IllegalVariable bad = transformPoint(in, in.cellX[row], in.cellY[row], x, y);
        if (bad != IllegalVariable::None) {
            points.status = FitStatus::IllegalValues;
            points.illegalVariable = bad;
            points.illegalRow = row;
            points.x.clear();
            points.y.clear();
            points.rows.clear();
            return points;
        }
        xMin = std::min(xMin, x);
        xMax = std::max(xMax, x);
        yMin = std::min(yMin, y);
        yMax = std::max(yMax, y);
        points.x.push_back(x);
        points.y.push_back(y);
        points.rows.push_back(row);
    }
    points.xMin = xMin;
    points.xMax = xMax;
    points.yMin = yMin;
    points.yMax = yMax;
    sortFitPoints(points);
    return points;
}

void sortFitPoints(FitPoints &points) {
    if (points.y.size() != points.x.size() || points.rows.size() != points.x.size())
        return;
    const std::vector<int> order = shellSortOrder(points.x);
    FitPoints sorted = points;
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.x[i] = points.x[order[i]];
        sorted.y[i] = points.y[order[i]];
        sorted.rows[i] = points.rows[order[i]];
    }
    points = std::move(sorted);
}

double xScaleFactor(int fitType, double xMax) {
    if ((fitType != XvsY && fitType != Lmp) || !(xMax > 0) || !std::isfinite(xMax))
        return 1;
    return std::pow(10.0, -static_cast<int>(std::log10(xMax)));
}

double shownValue(int fitType, double fitted) {
    return fitType >= XvsLnY && fitType <= Lmp ? std::exp(fitted) : fitted;
}

std::string illegalValuesMessage(IllegalVariable variable) {
    const char *name = variable == IllegalVariable::XAndY ? "x and y"
                       : variable == IllegalVariable::Y   ? "y"
                                                          : "x";
    return std::string("Some of your ") + name + " values are 0 or negative, pick a different plot type.";
}

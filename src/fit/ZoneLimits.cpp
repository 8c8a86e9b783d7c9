// Rounding, distribution and placement rules of the zone limits.
#include "fit/ZoneLimits.h"

#include "fit/FitData.h"

#include <algorithm>
#include <cmath>

double roundLimit(double x, const LimitRounding &rounding) {
    if (!rounding.integerLimits || !(rounding.xMin >= 1) || !(rounding.xMax >= 100) || !std::isfinite(x))
        return x;
    return x > 0 ? std::floor(x + 0.5) : -std::floor(-x + 0.5);
}

std::vector<double> distributeLimits(double xMin, double xMax, int equationCount) {
    const int count = std::clamp(equationCount, 1, maxEquations);
    std::vector<double> limits(count);
    for (int i = 0; i < count; ++i)
        limits[i] = (xMax - xMin) / count * (i + 1) + xMin;
    limits.back() = xMax;
    return limits;
}

bool limitsNeedRedistribution(const std::vector<double> &upperLimits, double xMin, double xMax,
                              const LimitRounding &rounding) {
    const double top = roundLimit(xMax, rounding);
    return std::any_of(upperLimits.begin(), upperLimits.end(),
                       [&](double limit) { return !(limit >= xMin && limit <= top); });
}

bool limitPositionAllowed(int i, int pixel, const std::vector<int> &limitPixels, int plotLeft,
                          int plotRight) {
    const int last = static_cast<int>(limitPixels.size()) - 1;
    if (i < 0 || i > last)
        return false;
    if ((i == 0 || i == last) &&
        (pixel < plotLeft + limitMarginPixels || pixel > plotRight - limitMarginPixels))
        return false;
    for (int j = 0; j <= last; ++j) {
        if (j < i && pixel < limitPixels[j] + limitMarginPixels)
            return false;
        if (j > i && pixel > limitPixels[j] - limitMarginPixels)
            return false;
    }
    return true;
}

int wheelTargetPixel(int pixel, int wheelAmount, int stepPixels, bool shift, bool control) {
    const int factor = shift && control ? 27 : shift || control ? 3 : 1;
    const long step = static_cast<long>(std::max(stepPixels, 1)) * factor;
    const long target = wheelAmount < 1 ? pixel - step : pixel + step;
    return static_cast<int>(std::clamp<long>(target, -1000000, 1000000));
}

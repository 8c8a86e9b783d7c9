// The zone limits: rounding, even distribution, when to redistribute, the 15-pixel placement rule and the
// mouse-wheel move of a limit.
#pragma once
#include <vector>

constexpr int limitMarginPixels = 15;

// What "Eqn. limits as integers" depends on: the box and the data's x range.
struct LimitRounding {
    bool integerLimits = false;
    double xMin = 0, xMax = 0;
};

// A limit rounded half away from zero to a whole number when the box is ticked, xMin >= 1 and xMax >= 100;
// otherwise (and for values that are not finite) unchanged.
double roundLimit(double x, const LimitRounding &rounding);

// Upper limits of equationCount (clamped to 1..6) equal zones from xMin to xMax; the last is xMax itself.
std::vector<double> distributeLimits(double xMin, double xMax, int equationCount);

// True when a limit in use lies below xMin, above the rounded xMax, or is not a number: the display then
// distributes the limits evenly.
bool limitsNeedRedistribution(const std::vector<double> &upperLimits, double xMin, double xMax,
                              const LimitRounding &rounding);

// Whether movable limit i (0..limitPixels.size()-1) may sit at pixel p of the main plot: at least 15 pixels
// right of every earlier limit and left of every later one, and, for the first and the last movable limit,
// within [plotLeft + 15, plotRight - 15].
bool limitPositionAllowed(int i, int pixel, const std::vector<int> &limitPixels, int plotLeft, int plotRight);

// The pixel a wheel turn moves a limit to: the step (times 3 with Shift or Ctrl, 27 with both) down for an
// amount below 1, up otherwise.
int wheelTargetPixel(int pixel, int wheelAmount, int stepPixels, bool shift, bool control);

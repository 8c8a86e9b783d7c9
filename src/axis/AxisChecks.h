// The axis angle read-out and the one-time axis sanity warnings.
#pragma once
#include "axis/AxisTransform.h"

#include <optional>
#include <string>

// The background of the angle field: green within 0.009 degrees, red beyond 0.25, yellow between.
enum class AngleTint { Green, Yellow, Red };

struct AxisAngleReadout {
    double degrees;   // the shown angle: 0 is straight for X, 90 for Y
    std::string text; // two decimals, never "-0.00"
    AngleTint tint;
};

// The angle of the line from the min corner (cornerX, cornerY) to the cursor, for axis 0 (X) or 1 (Y),
// counter-clockwise positive. Empty while the cursor is not more than 0.1 pixel past the corner in the
// axis direction (right for X, up for Y): the field then keeps its text.
std::optional<AxisAngleReadout> axisAngleReadout(int axis, double cornerX, double cornerY, double cursorX,
                                                 double cursorY);

// max/min ratio above which an axis looks logarithmic, below which a log axis looks linear.
constexpr double kLogScalingRatio = 99.9;

// The menu options that switch the two warnings on.
struct AxisWarningOptions {
    bool warnLogScaling = false;
    bool warnReversed = false;
};

// Each warning shows at most once until the axis definition changes and the window clears these.
struct AxisWarningFlags {
    bool logWarningShown = false;
    bool reversedWarningShown = false;
};

// An error box to show; it uses up the click that was about to add a data point.
struct AxisWarning {
    std::string caption;
    std::string text;
};

// The checks made before a click adds a data point: first the log-scaling check, then (at the same click
// if the first showed nothing) the reversed min/max check. Sets the flag of each check that runs.
std::optional<AxisWarning> checkAxisSanity(const AxisTables &tables, const AxisOptions &options,
                                           const AxisWarningOptions &warnings, AxisWarningFlags &flags);

// The axis angle read-out and the one-time axis sanity warnings.
#include "axis/AxisChecks.h"

#include "tables/NumberText.h"

#include <cmath>

namespace {

double realValue(const AxisTables &tables, int axis, int row) {
    return parseNumber(tables.cell(axis, row, RealValueColumn));
}

// True when a positive min/max pair looks logarithmic on a linear axis or linear on a log axis.
bool scalingLooksWrong(const AxisTables &tables, const AxisOptions &options, int axis) {
    double m = realValue(tables, axis, AxisMinRow), n = realValue(tables, axis, AxisMaxRow);
    if (!(m > 0 && n > 0))
        return false;
    bool log = options.axisScaleType[axis] == 1;
    return (n / m > kLogScalingRatio && !log) || (n / m < kLogScalingRatio && log);
}

bool reversed(const AxisTables &tables, int axis) {
    return realValue(tables, axis, AxisMinRow) >= realValue(tables, axis, AxisMaxRow);
}

} // namespace

std::optional<AxisAngleReadout> axisAngleReadout(int axis, double cornerX, double cornerY, double cursorX,
                                                 double cursorY) {
    bool x = axis == AxisX;
    double along = x ? cursorX - cornerX : cornerY - cursorY;
    double across = x ? cursorY - cornerY : cursorX - cornerX;
    if (!(along > 0.1))
        return std::nullopt;
    double d = std::atan(across / along) * -57.29577951308232;
    AngleTint tint = std::fabs(d) > 0.25    ? AngleTint::Red
                     : std::fabs(d) < 0.009 ? AngleTint::Green
                                            : AngleTint::Yellow;
    double shown = x ? d : d + 90;
    std::string text = formatFixed(shown, 2);
    if (text == formatFixed(-1e-9, 2))
        text = formatFixed(0, 2);
    return AxisAngleReadout{shown, text, tint};
}

std::optional<AxisWarning> checkAxisSanity(const AxisTables &tables, const AxisOptions &options,
                                           const AxisWarningOptions &warnings, AxisWarningFlags &flags) {
    if (warnings.warnLogScaling && !flags.logWarningShown) {
        flags.logWarningShown = true;
        std::string lines;
        if (scalingLooksWrong(tables, options, AxisX))
            lines += "Check your X-axis linear/log scaling.\n";
        if (scalingLooksWrong(tables, options, AxisY))
            lines += "Check your Y-axis linear/log scaling.";
        if (!lines.empty())
            return AxisWarning{"Axis scaling options",
                               lines +
                                   "\n\nThese settings are allowed but might not be what you intended.\n\n"
                                   "You can disable this warning in the \"Options\" menu."};
    }
    if (warnings.warnReversed && !flags.reversedWarningShown) {
        flags.reversedWarningShown = true;
        bool xReversed = reversed(tables, AxisX), yReversed = reversed(tables, AxisY);
        if (xReversed || yReversed)
            return AxisWarning{
                xReversed && yReversed ? "X & Y-axis definitions warning"
                : xReversed            ? "X-axis definition warning"
                                       : "Y-axis definition warning",
                "Your min value is greater than your max value. This is allowed but might not be "
                "what you intended.\n\nYou can disable this warning in the \"Options\" menu."};
    }
    return std::nullopt;
}

// The axis calibration on plain cell texts: checking the axis tables, exp(...) entries, pixel to real value.
#pragma once
#include "axis/NumberFormat.h"

#include <optional>
#include <string>
#include <vector>

enum AxisIndex { AxisX = 0, AxisY = 1 };
enum AxisRow { AxisMinRow = 0, AxisMaxRow = 1 };
enum AxisColumn { RealValueColumn = 0, XPixelsColumn = 1, YPixelsColumn = 2 };

// The texts of both axis tables as the widgets hold them: text[axis][row][column].
struct AxisTables {
    std::string text[2][2][3];

    std::string &cell(int axis, int row, int column) { return text[axis][row][column]; }
    const std::string &cell(int axis, int row, int column) const { return text[axis][row][column]; }
};

// A change that validateAxisTables made to one cell, for the window to copy into the widget.
struct AxisCellEdit {
    int axis, row, column;
    std::string text;
    bool setsTip; // the cell's tip text becomes tip (the exp(...) entry the value came from)
    std::string tip;
};

// The scale and conversion options of the transform.
struct AxisOptions {
    int axisScaleType[2] = {0, 0}; // per axis: 0 linear, 1 logarithmic
    bool arrhenius = false;        // X values are 1000/T readings shown as T
};

// Why a transform failed; the window shows it under kAxisErrorCaption.
enum class AxisError { None, IncompleteTables, NonPositiveLogValue };

constexpr const char *kAxisErrorCaption = "Axis error";
// X values at or above this size are rounded when "Round X-value" is checked.
constexpr double kRoundXThreshold = 10;

// The message text of an axis error (empty for AxisError::None).
const char *axisErrorText(AxisError error);

// True when all twelve cells hold numbers. An "exp(v)" entry (any case, white space around it or v)
// is replaced by e^v as "%.6le"; a malformed one is left lower-cased and trimmed and fails the check.
// The first failing cell ends the check. Every change is made in tables and appended to edits.
bool validateAxisTables(AxisTables &tables, std::vector<AxisCellEdit> &edits);

// The real value of pixel coordinate p on the axis (X uses the x pixels, Y the y pixels), linear or
// logarithmic, with the Arrhenius conversion 1000/v on X. Empty for a log axis whose min or max real
// value is not positive. Equal min and max pixels give inf or nan, never a trap.
std::optional<double> pixelToValue(const AxisTables &tables, const AxisOptions &options, int axis, double p);

// True when the axis is logarithmic and its min or max real value is not positive (the table shows red).
bool logAxisInvalid(const AxisTables &tables, const AxisOptions &options, int axis);

// "Round X-value": |v| >= 10 rounds to the nearest integer, halves away from zero; smaller values stay.
double roundXValue(double value);

// The formatted X and Y values of one point, or the first error on the way. count tells how many
// values were computed before an error (X first, then Y), so X may stand when Y fails.
struct PointValues {
    AxisError error = AxisError::None;
    int count = 0;
    std::string text[2];
};

// The whole transform of one point at pixel (x, y): validateAxisTables, pixelToValue for X then Y,
// optional rounding of X, formatAxisValue.
PointValues transformPoint(AxisTables &tables, std::vector<AxisCellEdit> &edits, const AxisOptions &options,
                           const NumberFormatSettings &format, double x, double y, bool roundX);

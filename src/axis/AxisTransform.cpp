// The axis calibration on plain cell texts: checking the axis tables, exp(...) entries, pixel to real value.
#include "axis/AxisTransform.h"

#include "tables/NumberText.h"

#include <cctype>
#include <cmath>

namespace {

size_t countOf(const std::string &text, const std::string &part) {
    size_t n = 0;
    for (size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + part.size()))
        ++n;
    return n;
}

std::string lowerCase(std::string text) {
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// An "exp(" entry as the check sees it: the text holds "exp(" once and ")" once, "(" before ")".
bool looksLikeExp(const std::string &t) {
    return countOf(t, "exp(") == 1 && countOf(t, ")") == 1 && t.find('(') < t.find(')');
}

// e^v for an entry that is exactly "exp(v)" with a number v and a finite result. Text before "exp("
// or after ")" ("-exp(1)", "2exp(3)") is refused rather than silently dropped.
std::optional<double> expEntryValue(const std::string &t) {
    if (t.compare(0, 4, "exp(") != 0 || t.back() != ')')
        return std::nullopt;
    std::string inner = trimWhiteSpace(t.substr(4, t.size() - 5));
    if (inner.empty() || !isNumericText(inner))
        return std::nullopt;
    double value = std::exp(parseNumber(inner));
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// The check of one cell, converting an exp(...) entry first.
bool validateCell(AxisTables &tables, std::vector<AxisCellEdit> &edits, int axis, int row, int column) {
    std::string &text = tables.cell(axis, row, column);
    std::string t = lowerCase(trimWhiteSpace(text));
    if (looksLikeExp(t)) {
        std::optional<double> value = expEntryValue(t);
        if (!value) {
            text = t;
            edits.push_back({axis, row, column, t, false, std::string()});
            return false;
        }
        text = formatScientific(*value, 6);
        edits.push_back({axis, row, column, text, true, t});
    }
    std::string s = trimWhiteSpace(text);
    // A number too large for a double ("1e999") cannot calibrate an axis.
    return !s.empty() && isNumericText(s) && std::isfinite(parseNumber(s));
}

double cellNumber(const AxisTables &tables, int axis, int row, int column) {
    return parseNumber(tables.cell(axis, row, column));
}

bool validAxis(int axis) {
    return axis == AxisX || axis == AxisY;
}

} // namespace

const char *axisErrorText(AxisError error) {
    switch (error) {
    case AxisError::IncompleteTables:
        return "Enter the real values for the axis min and max";
    case AxisError::NonPositiveLogValue:
        return "For a log type axis the value must be greater than 0.";
    case AxisError::None:
        break;
    }
    return "";
}

bool validateAxisTables(AxisTables &tables, std::vector<AxisCellEdit> &edits) {
    for (int axis = 0; axis < 2; ++axis)
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                if (!validateCell(tables, edits, axis, row, column))
                    return false;
    return true;
}

bool logAxisInvalid(const AxisTables &tables, const AxisOptions &options, int axis) {
    if (!validAxis(axis) || options.axisScaleType[axis] != 1)
        return false;
    return !(cellNumber(tables, axis, AxisMinRow, RealValueColumn) > 0 &&
             cellNumber(tables, axis, AxisMaxRow, RealValueColumn) > 0);
}

std::optional<double> pixelToValue(const AxisTables &tables, const AxisOptions &options, int axis, double p) {
    if (!validAxis(axis) || logAxisInvalid(tables, options, axis))
        return std::nullopt;
    int column = axis == AxisX ? XPixelsColumn : YPixelsColumn;
    double pMin = cellNumber(tables, axis, AxisMinRow, column);
    double pMax = cellNumber(tables, axis, AxisMaxRow, column);
    double vMin = cellNumber(tables, axis, AxisMinRow, RealValueColumn);
    double vMax = cellNumber(tables, axis, AxisMaxRow, RealValueColumn);
    double span = pMax - pMin, offset = p - pMin;
    // Equal pixel positions: the IEEE quotient, spelled out so no trap setting can turn it into a signal.
    double f = span != 0 ? offset / span : offset == 0 ? NAN : std::copysign(INFINITY, offset);
    double v;
    if (options.axisScaleType[axis] == 1) {
        double logMin = std::log10(vMin);
        v = std::pow(10.0, logMin + (std::log10(vMax) - logMin) * f);
    } else {
        v = vMin + (vMax - vMin) * f;
    }
    if (axis == AxisX && options.arrhenius && v != 0)
        v = 1000 / v;
    return v;
}

double roundXValue(double value) {
    return std::fabs(value) >= kRoundXThreshold ? std::round(value) : value;
}

PointValues transformPoint(AxisTables &tables, std::vector<AxisCellEdit> &edits, const AxisOptions &options,
                           const NumberFormatSettings &format, double x, double y, bool roundX) {
    PointValues result;
    if (!validateAxisTables(tables, edits)) {
        result.error = AxisError::IncompleteTables;
        return result;
    }
    const double pixel[2] = {x, y};
    for (int axis = 0; axis < 2; ++axis) {
        std::optional<double> v = pixelToValue(tables, options, axis, pixel[axis]);
        if (!v) {
            result.error = AxisError::NonPositiveLogValue;
            return result;
        }
        if (axis == AxisX && roundX)
            *v = roundXValue(*v);
        result.text[axis] = formatAxisValue(axis, *v, format);
        result.count = axis + 1;
    }
    return result;
}

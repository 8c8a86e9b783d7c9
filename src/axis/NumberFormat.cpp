// The number formatting rule shared by every table cell and value read-out.
#include "axis/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// to_chars gives printf's digits without depending on the locale's decimal separator.
std::string formatWith(double value, std::chars_format format, int precision) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    precision = std::max(precision, 0);
    std::string text(330 + precision, '\0');
    auto result = std::to_chars(text.data(), text.data() + text.size(), value, format, precision);
    text.resize(result.ptr - text.data());
    return text;
}

} // namespace

std::string formatFixed(double value, int decimals) {
    return formatWith(value, std::chars_format::fixed, decimals);
}

std::string formatScientific(double value, int digits) {
    return formatWith(value, std::chars_format::scientific, digits);
}

int decimalsForMagnitude(double value, const NumberFormatSettings &settings) {
    if (settings.larsonMillerMode)
        return 3;
    double a = std::fabs(value);
    if (a > 10000)
        return settings.developerMode ? 1 : 0;
    if (a > 1000)
        return 1;
    if (a > 100)
        return 2;
    if (a > 10)
        return 3;
    if (a > 1)
        return 4;
    if (a > 0.1)
        return 5;
    return 2;
}

std::string formatAxisValue(int axis, double value, const NumberFormatSettings &settings) {
    if (settings.larsonMillerMode)
        return formatFixed(value, 3);
    bool scientific = (axis == 0 || axis == 1) && settings.numberFormatType[axis] == 1;
    if (!scientific && std::fabs(value) > 0.1)
        return formatFixed(value, decimalsForMagnitude(value, settings));
    return formatScientific(value, 6);
}

std::string formatFitValue(double value, const NumberFormatSettings &settings) {
    if (settings.larsonMillerMode)
        return formatFixed(value, 3);
    if (settings.xIsTemperature)
        return formatFixed(value, 1);
    if (value < 0.1 || value > 1000)
        return formatScientific(value, 6);
    int decimals = decimalsForMagnitude(value, settings);
    double s = settings.plotResolution;
    if (s > 0 && std::log10(s) < 0)
        decimals = static_cast<int>(std::trunc(std::fabs(std::log10(s)))) + 1;
    return formatFixed(value, decimals);
}

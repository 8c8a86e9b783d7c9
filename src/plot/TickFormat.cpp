// Tick label formats of the fit plot.
#include "plot/TickFormat.h"

#include "axis/NumberFormat.h"

TickFormat tickFormatForStep(double step) {
    if (step < 0.001)
        return {true, 2};
    if (step < 0.01)
        return {false, 4};
    if (step < 0.1)
        return {false, 3};
    if (step < 1)
        return {false, 2};
    return {false, 0};
}

std::string formatTick(double value, const TickFormat &format) {
    return format.exponent ? formatScientific(value, format.decimals) : formatFixed(value, format.decimals);
}

// The number format of the fit plot's tick labels, chosen by the distance between ticks.
#pragma once
#include <string>

struct TickFormat {
    bool exponent = false; // "%.2le" instead of a fixed form
    int decimals = 0;
};

// step < 0.001: exponent form with 2 decimals; < 0.01: 4 decimals; < 0.1: 3; < 1: 2; otherwise 0.
TickFormat tickFormatForStep(double step);

// A tick value in its format, as printf's "%.*le" or "%.*f" in the C locale.
std::string formatTick(double value, const TickFormat &format);

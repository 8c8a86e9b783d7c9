// The number formatting rule shared by every table cell and value read-out.
#pragma once
#include <string>

// Everything the formatting rule depends on, filled by the window from its state.
struct NumberFormatSettings {
    int numberFormatType[2] = {0, 0}; // per axis (0 X, 1 Y): 0 decimal "D", 1 scientific "S"
    bool larsonMillerMode = false;    // fitType 5 ("LMP"): always three decimals
    bool developerMode = false;       // one decimal instead of none for values above 10000
    bool xIsTemperature = false;      // the "x is T" check box: fit values get one decimal
    double plotResolution = 0;        // x distance of one pixel of the main fit plot; 0 until it is drawn
};

// printf "%.*lf" in the C locale; non-finite values read "inf", "-inf" or "nan".
std::string formatFixed(double value, int decimals);

// printf "%.*le" in the C locale (8.166170e+00 for 6 digits); non-finite values as formatFixed.
std::string formatScientific(double value, int digits);

// The decimals that suit the size of the value: 3 in Larson-Miller mode, else by |value|:
// > 10000: 0 (1 in developer mode), > 1000: 1, > 100: 2, > 10: 3, > 1: 4, > 0.1: 5, otherwise 2.
int decimalsForMagnitude(double value, const NumberFormatSettings &settings);

// A value of axis 0 (X) or 1 (Y) for the point tables and read-outs: Larson-Miller mode three decimals,
// a scientific axis "%.6le", otherwise decimals by magnitude when |value| > 0.1 and "%.6le" below.
std::string formatAxisValue(int axis, double value, const NumberFormatSettings &settings);

// A fit x value (plot labels, limits, equation boundaries): Larson-Miller mode three decimals, "x is T"
// one decimal, values below 0.1 (all negatives) or above 1000 "%.6le", otherwise decimals by magnitude,
// or enough decimals to resolve one pixel of the fit plot once it has been drawn.
std::string formatFitValue(double value, const NumberFormatSettings &settings);

// What the user reads of a fit: the variable expression, the spreadsheet formula of each equation, the
// coefficient tables, the adjusted coefficients, program-style equation lines and the plot summary text.
#pragma once
#include "fit/FitData.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

constexpr int coefficientColumns = maxFitOrder + 1;

extern const char *const notFittedText;   // "error - not fitted"
extern const char *const missingCellText; // "You must enter a value for the Excel cell"

// The Excel-cell text as the fit uses it: control characters (a pasted line break or tab) dropped, white
// space trimmed and ASCII letters upper-cased.
std::string normalizeExcelCell(const std::string &text);

// The text that stands for x in the spreadsheet formula: "x" with "Simple eqn format"; otherwise
// "LN(cell)" for "ln(x) vs y" and "ln(x) vs ln(y)", "(1/cell)" for "1/x vs ln(y)" (the fitted variable is
// the reciprocal, and the brackets keep "c*(1/A1)^2" a valid formula), the cell itself for the others.
// An empty cell gives an empty expression.
std::string variableExpression(int fitType, bool simpleFormat, const std::string &excelCell);

struct EquationTextOptions {
    int fitType = XvsY;
    bool simpleFormat = false; // "Simple eqn format"
    std::string variable;      // variableExpression()
    int decimals = 3;          // "# decimals"
};

// The text of an equation's field: the formula of a fitted zone ("= exp(...)" for the ln(y) types unless
// in simple format, upper-case exponents), missingCellText without a variable, notFittedText for a zone
// that failed.
std::string equationText(const ZoneFit &zone, const EquationTextOptions &options);

// A coefficient as its table cell shows it: " %.*le " trimmed.
std::string coefficientText(double coefficient, int decimals);

// The 3 x 16 cells of an equation's coefficient table: row 0 C0..Cn from column 0, row 1 C0..Cn from
// column 15 down, row 2 the adjusted C0..Cn from column 0; with fillZeros every other cell reads "0.0".
// A zone that failed leaves every cell empty. fromFit marks the cells that hold a coefficient: their
// column is sized to fit the text with one space on each side.
struct CoefficientTable {
    int order = -1; // n; -1 when the zone failed
    std::array<std::array<std::string, coefficientColumns>, 3> cells;
    std::array<std::array<bool, coefficientColumns>, 3> fromFit{};

    // The texts C0..Cn of row 0 (not adjusted) or row 2 (adjusted), as the copy lines read them back.
    std::vector<std::string> coefficientRow(bool adjusted) const;
};
CoefficientTable coefficientTable(const ZoneFit &zone, const std::vector<double> &adjusted, int decimals,
                                  bool fillZeros);

// Adjusted coefficients of every zone: the reference zone stays as fitted and the constant term of every
// other zone is shifted so that it meets its already adjusted neighbour towards the reference zone at their
// shared limit (limits = lim[0..equationCount]). A failed zone gets none and adds no shift.
std::vector<std::vector<double>> adjustedCoefficients(const std::vector<ZoneFit> &zones,
                                                      const std::vector<double> &limits, int referenceZone);

// "eqns[k] = 2.000e+00*x^2 - 1.000e+00*x + 5.000e-01" from the texts C0..Cn, highest power first; a later
// term's leading '-' becomes " - ". Developer mode quotes the right side and ends with ';'. No texts (a
// failed zone) give notFittedText as the right side.
std::string equationLine(int k, const std::vector<std::string> &coefficientTexts,
                         const std::string &variableName, bool developerMode);

struct SummaryTextInput {
    int fitType = XvsY;
    int pointCount = 0;
    bool developerMode = false;
    bool displayOnPlot = false;      // "Display eqn(s) on plot"
    std::string variable;            // variableExpression()
    std::string larsonMillerSummary; // the whole text for "LMP"
    double dataXMin = 0;             // smallest transformed x of the data
    std::vector<double> upperLimits; // the numbers in the upper-limit fields, one per equation
    std::vector<std::string> equationTexts, rSquaredTexts, maxDifferenceTexts; // field texts per equation
    std::function<std::string(double)> formatX;                                // x-axis value formatting
};

// The text drawn on the fit plot: one line per equation with its formula, its x range as x (through exp
// for the ln(x) types, 1/v for "1/x vs ln(y)"), R^2 (not in developer mode) and the largest difference;
// a line break after the 4th, 8th and 12th power. Empty with fewer than two points or when not displayed.
std::string plotSummaryText(const SummaryTextInput &in);

// Every occurrence of `from` in text replaced by `to`, scanning left to right.
std::string replaceAll(std::string text, const std::string &from, const std::string &to);

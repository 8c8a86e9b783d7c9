// The two text blocks of "Copy eqns." (zone limits and program-style equation lines, not adjusted and
// adjusted), the part of the hidden copy table it copies and the clipboard text of that part.
#pragma once
#include "fit/EquationText.h"
#include "fit/ZoneLimits.h"

#include <functional>
#include <string>
#include <vector>

// Rows of the hidden copy table (9 rows x 7 columns) that hold the blocks, in column 0.
constexpr int copyTableRows = 9, copyTableColumns = 7;
constexpr int notAdjustedRow = 1, adjustedRow = 2;

// The Larson-Miller comment of the developer-mode blocks.
struct LarsonMillerCopyNote {
    std::string constantText; // the constant field's text
    double minTemperature = 0, maxTemperature = 0;
    double overallMaxDiff = 0;
};

struct CopyBlockInput {
    int fitType = XvsY;
    bool developerMode = false;
    bool limitsAsX = false;                     // "Eqn. limits as x not ln(x)"
    std::vector<double> limits;                 // lim[0..equationCount] of the run
    LimitRounding rounding;                     // "Eqn. limits as integers"
    std::function<std::string(double)> formatX; // formatFitValue
    std::vector<CoefficientTable> tables;       // one per equation
    std::vector<double> maxDifferences;         // per equation, for the developer-mode comment
    LarsonMillerCopyNote larsonMiller;          // used for "LMP" in developer mode
};

struct CopyBlocks {
    std::string notAdjusted, adjusted;
};

// Each block: "not adjusted\n" / "adjusted\n" for two or more equations; "t[i] = <limit>" for i = 0..count,
// each ended by "\n" ("; " in developer mode); for "LMP" in developer mode the "// C, Tmin, Tmax, diff"
// note; then "\n" + equationLine(k, "x") per equation (developer mode adds " // <diff>%" to the not-adjusted
// lines). Developer mode finally compacts the block ("*x" -> "x", "x^" -> "x", "e" -> "E", ...).
// The equation count is the number of tables (at most limits.size() - 1).
CopyBlocks buildCopyBlocks(const CopyBlockInput &in);

// The hidden copy table's cells for fit types 0..4: the blocks in column 0 of their rows, the rest empty.
std::vector<std::vector<std::string>> copyTableCells(const CopyBlocks &blocks);

struct CellRange {
    int firstRow = 0, lastRow = -1, firstColumn = 0, lastColumn = -1;
};

// What "Copy eqns." selects: rows 1..1 column 0 (rows 1..2 with "Adjust eqns when copying" and two or more
// equations); for "LMP" outside developer mode rows from 0 and columns 0..6.
CellRange copyEquationsRange(int fitType, int equationCount, bool adjustWhenCopying, bool developerMode);

// The cells of the range as clipboard text: TAB between the cells of a row, LF after every row; cells the
// table does not have read as empty.
std::string selectionText(const std::vector<std::vector<std::string>> &cells, const CellRange &range);

// True when "Copy eqns." warns "Round LMP C": the constant's text with ".00" read as ".0" has 5 characters.
bool larsonMillerConstantHasTwoDecimals(const std::string &constantText);

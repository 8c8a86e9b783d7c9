// Number texts of tables and fields: the strict number test, parsing with commas, the typing filter, paste
// splitting.
#pragma once
#include <string>
#include <vector>

// Every "," becomes "." (the period is the only decimal separator).
std::string commasToPeriods(std::string text);

// The text without white space at either end.
std::string trimWhiteSpace(const std::string &text);

// True when the text is empty or white space only.
bool isBlankText(const std::string &text);

// The strict test of whether a cell holds a number: 1.5, -2, +3.0E-4, 1e5 and 1,5 pass;
// 1.2.3, 1E, E5, 1E+, --1, 1E2.5, 1e5- and abc do not. Surrounding white space is ignored.
bool isNumericText(const std::string &text);

// The text (commas read as periods) parsed as a decimal number from its longest valid leading part,
// after leading white space; no such part reads as 0, out-of-range values read as +-HUGE_VAL or 0.
double parseNumber(const std::string &text);

// The text parsed as a base-10 integer from its longest valid leading part (no digits read as 0,
// out-of-range values clamp to the limits of long).
long parseInteger(const std::string &text);

// What a numeric text field filters while the user types.
enum class FieldFilter { None, Integer, Real };

// True when the tentative field text may stand: not more characters than columnLimit (when it is >= 0),
// and for Integer and Real fields a complete or partly typed number ("1e", "." and "" are accepted),
// a leading sign only when allowSign (the exponent sign is always allowed).
bool fieldTextAccepted(const std::string &text, FieldFilter filter, bool allowSign, int columnLimit);

// Clipboard text cut into rows and cells for pasting into a table.
struct PasteBlock {
    int rowCount = 0;                           // 0: nothing to paste
    int columnCount = 0;                        // the most cells in any row
    std::vector<std::vector<std::string>> rows; // rowCount rows; a row may hold fewer cells than columnCount

    // The cell text, empty for a cell that a short row does not reach.
    const std::string &cell(int row, int column) const;
};

// Splits clipboard text into rows (LF, CR LF or a lone CR) and cells (TAB), with every "," read as ".".
// The last row needs no line end. At most maxRows rows are kept; the rest of the text is not read.
PasteBlock splitPasteText(const std::string &text, int maxRows);

// The unit conversion factors offered for scaling y-values, read from the lines of "conversionFactors.txt".
#pragma once
#include <string>
#include <vector>

struct ConversionFactor {
    std::string name = "unknown";
    double factor = 1.0;
};

// Only the first 100 lines can hold a valid factor.
constexpr int maxConversionFactors = 100;

// One slot per line (for at most maxConversionFactors lines), each starting as ("unknown", 1.0). From the
// first line on, stopping at the first line shorter than 3 characters: the name is the text between the first
// and the second double quote, the factor the text after the second quote, trimmed and read as its leading
// number (none gives 0). A line with both quotes and a finite factor above 1e-50 fills its slot and counts in
// validCount; any other line leaves its slot as it was. No valid line gives an empty table.
std::vector<ConversionFactor> parseConversionFactors(const std::vector<std::string> &lines, int &validCount);

// Parsing the conversion-factor lines: quoted names followed by their factors.
#include "app/ConversionFactors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The leading number of the text after trimming, read as strtod does; 0 when there is none.
double leadingNumber(const std::string &text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        begin++;
    while (end > begin && isBlank(text[end - 1]))
        end--;
    const std::string trimmed = text.substr(begin, end - begin);
    return std::strtod(trimmed.c_str(), nullptr);
}

} // namespace

std::vector<ConversionFactor> parseConversionFactors(const std::vector<std::string> &lines, int &validCount) {
    validCount = 0;
    std::vector<ConversionFactor> slots(std::min(lines.size(), size_t(maxConversionFactors)));
    for (size_t i = 0; i < slots.size(); i++) {
        const std::string &line = lines[i];
        if (line.size() < 3)
            break;
        const size_t open = line.find('"');
        const size_t close = open == std::string::npos ? open : line.find('"', open + 1);
        if (close == std::string::npos)
            continue;
        const double factor = leadingNumber(line.substr(close + 1));
        if (!(factor > 1e-50) || !std::isfinite(factor))
            continue;
        slots[i].name = line.substr(open + 1, close - open - 1);
        slots[i].factor = factor;
        validCount++;
    }
    if (validCount == 0)
        slots.clear();
    return slots;
}

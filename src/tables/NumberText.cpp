// Number texts of tables and fields: the strict number test, parsing with commas, the typing filter, paste
// splitting.
#include "tables/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <locale.h>

namespace {

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSign(char c) {
    return c == '+' || c == '-';
}

size_t skipDigits(const std::string &s, size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

size_t skipSpaces(const std::string &s, size_t i) {
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return i;
}

// The end of the longest decimal number ([sign] digits [. digits] [E [sign] digits]) starting at i,
// or i itself when no digit is found.
size_t decimalNumberEnd(const std::string &s, size_t i) {
    size_t p = i;
    if (p < s.size() && isSign(s[p]))
        ++p;
    size_t intEnd = skipDigits(s, p);
    bool digits = intEnd > p;
    p = intEnd;
    if (p < s.size() && s[p] == '.') {
        size_t fracEnd = skipDigits(s, p + 1);
        digits = digits || fracEnd > p + 1;
        p = fracEnd;
    }
    if (!digits)
        return i;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        size_t q = p + 1;
        if (q < s.size() && isSign(s[q]))
            ++q;
        size_t expEnd = skipDigits(s, q);
        if (expEnd > q)
            p = expEnd;
    }
    return p;
}

// strtod in the C locale, so the period stays the decimal separator whatever the program's locale.
double strtodPeriod(const std::string &number) {
    static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(0));
    return cLocale ? strtod_l(number.c_str(), nullptr, cLocale) : std::strtod(number.c_str(), nullptr);
}

} // namespace

std::string commasToPeriods(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::string trimWhiteSpace(const std::string &text) {
    size_t begin = skipSpaces(text, 0);
    size_t end = text.size();
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool isBlankText(const std::string &text) {
    return skipSpaces(text, 0) == text.size();
}

bool isNumericText(const std::string &text) {
    std::string s = trimWhiteSpace(text);
    if (s.empty())
        return false;
    std::replace(s.begin(), s.end(), 'e', 'E');
    for (char c : s)
        if (!(isDigit(c) || isSign(c) || c == '.' || c == ',' || c == 'E'))
            return false;
    auto count = [&s](char c) { return std::count(s.begin(), s.end(), c); };
    // One decimal separator at most: "1,000.5" would otherwise read as 1.
    if (count('.') + count(',') > 1 || count('E') > 1)
        return false;
    if (isSign(s.back()))
        return false;
    long signs = count('+') + count('-');
    size_t e = s.find('E');
    std::string mantissa = s.substr(0, e);
    // A mantissa without a digit ("." or "-.E5") would silently read as 0.
    if (std::none_of(mantissa.begin(), mantissa.end(), isDigit))
        return false;
    if (e == std::string::npos)
        return signs <= 1;
    if (signs > 2 || e == 0 || e + 1 == s.size())
        return false;
    std::string exponent = s.substr(e + 1);
    if (exponent.find_first_of(".,") != std::string::npos)
        return false;
    bool leadingSign = isSign(s[0]), exponentSign = isSign(s[e + 1]);
    if (signs == 1)
        return leadingSign || exponentSign;
    if (signs == 2)
        return leadingSign && exponentSign;
    return true;
}

double parseNumber(const std::string &text) {
    std::string s = commasToPeriods(text);
    size_t begin = skipSpaces(s, 0);
    size_t end = decimalNumberEnd(s, begin);
    if (end == begin)
        return 0;
    return strtodPeriod(s.substr(begin, end - begin));
}

long parseInteger(const std::string &text) {
    return std::strtol(text.c_str(), nullptr, 10);
}

bool fieldTextAccepted(const std::string &text, FieldFilter filter, bool allowSign, int columnLimit) {
    if (columnLimit >= 0) {
        long characters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        if (characters > columnLimit)
            return false;
    }
    if (filter == FieldFilter::None)
        return true;
    size_t p = skipSpaces(text, 0);
    if (allowSign && p < text.size() && isSign(text[p]))
        ++p;
    p = skipDigits(text, p);
    if (filter == FieldFilter::Real) {
        if (p < text.size() && text[p] == '.')
            p = skipDigits(text, p + 1);
        if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
            ++p;
            if (p < text.size() && isSign(text[p]))
                ++p;
            p = skipDigits(text, p);
        }
    }
    return skipSpaces(text, p) == text.size();
}

const std::string &PasteBlock::cell(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0)
        return empty;
    const std::vector<std::string> &cells = rows[row];
    return column < static_cast<int>(cells.size()) ? cells[column] : empty;
}

PasteBlock splitPasteText(const std::string &text, int maxRows) {
    PasteBlock block;
    std::vector<std::string> cells(1);
    auto endRow = [&]() {
        block.columnCount = std::max(block.columnCount, static_cast<int>(cells.size()));
        block.rows.push_back(std::move(cells));
        cells.assign(1, std::string());
    };
    size_t i = 0;
    while (i < text.size() && static_cast<int>(block.rows.size()) < maxRows) {
        char c = text[i++];
        if (c == '\n' || c == '\r') {
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            endRow();
        } else if (c == '\t') {
            cells.emplace_back();
        } else {
            cells.back() += c == ',' ? '.' : c;
        }
    }
    bool unfinishedRow = cells.size() > 1 || !cells[0].empty();
    if (unfinishedRow && static_cast<int>(block.rows.size()) < maxRows)
        endRow();
    block.rowCount = static_cast<int>(block.rows.size());
    return block;
}

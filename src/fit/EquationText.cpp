// Equation texts, coefficient tables, adjusted coefficients, program-style lines and the plot summary.
#include "fit/EquationText.h"

#include <algorithm>
#include <cmath>

#include "axis/NumberFormat.h"
#include "fit/FitDifferences.h"
#include "fit/Polynomial.h"
#include "tables/NumberText.h"

const char *const notFittedText = "error - not fitted";
const char *const missingCellText = "You must enter a value for the Excel cell";

namespace {

std::string upperCase(std::string text) {
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool isControl(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

bool takesLogOfY(int fitType) {
    return fitType == XvsLnY || fitType == LnXvsLnY || fitType == InvXvsLnY || fitType == Lmp;
}

int clampedDecimals(int decimals) {
    return std::clamp(decimals, 0, 24);
}

// An x limit of the fitted space as the x the user typed: exp for the ln(x) types, 1/v for "1/x vs ln(y)".
double limitAsX(int fitType, double v) {
    if (fitType == LnXvsY || fitType == LnXvsLnY)
        return std::exp(v);
    if (fitType == InvXvsLnY && v != 0)
        return 1 / v;
    return v;
}

} // namespace

std::string replaceAll(std::string text, const std::string &from, const std::string &to) {
    if (from.empty())
        return text;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string normalizeExcelCell(const std::string &text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return !isControl(c); });
    return upperCase(trimWhiteSpace(kept));
}

std::string variableExpression(int fitType, bool simpleFormat, const std::string &excelCell) {
    if (simpleFormat)
        return "x";
    if (excelCell.empty())
        return "";
    if (fitType == LnXvsY || fitType == LnXvsLnY)
        return trimWhiteSpace(upperCase("ln(" + excelCell + ")"));
    if (fitType == InvXvsLnY)
        return trimWhiteSpace("(1/" + excelCell + ")");
    return trimWhiteSpace(excelCell);
}

std::string equationText(const ZoneFit &zone, const EquationTextOptions &options) {
    if (!zone.fitted)
        return notFittedText;
    if (options.variable.empty())
        return missingCellText;
    const int count = std::min<int>(zone.coefficients.size(), coefficientColumns);
    std::vector<int> exponents(count);
    for (int i = 0; i < count; ++i)
        exponents[i] = i;
    Polynomial polynomial;
    std::string text = polynomial.toText(count, zone.coefficients.data(), exponents.data(), options.variable,
                                         clampedDecimals(options.decimals));
    if (options.fitType == Lmp && options.simpleFormat) {
        text.erase(
            std::remove_if(text.begin(), text.end(), [](char c) { return c == '=' || c == '*' || c == '^'; }),
            text.end());
        text = trimWhiteSpace(text);
    } else if (!options.simpleFormat && takesLogOfY(options.fitType)) {
        text.erase(std::remove(text.begin(), text.end(), '='), text.end());
        text = "= exp(" + trimWhiteSpace(text) + ")";
    }
    return replaceAll(replaceAll(text, "e-", "E-"), "e+", "E+");
}

std::string coefficientText(double coefficient, int decimals) {
    return formatScientific(coefficient, clampedDecimals(decimals));
}

std::vector<std::string> CoefficientTable::coefficientRow(bool adjusted) const {
    const auto &row = cells[adjusted ? 2 : 0];
    std::vector<std::string> texts;
    for (int i = 0; i <= order && i < coefficientColumns; ++i)
        texts.push_back(row[i]);
    return texts;
}

CoefficientTable coefficientTable(const ZoneFit &zone, const std::vector<double> &adjusted, int decimals,
                                  bool fillZeros) {
    CoefficientTable table;
    if (!zone.fitted || zone.coefficients.empty())
        return table;
    table.order = std::min<int>(zone.coefficients.size(), coefficientColumns) - 1;
    if (fillZeros)
        for (auto &row : table.cells)
            row.fill("0.0");
    auto put = [&](int row, int column, double value) {
        table.cells[row][column] = coefficientText(value, decimals);
        table.fromFit[row][column] = true;
    };
    for (int i = 0; i <= table.order; ++i) {
        put(0, i, zone.coefficients[i]);
        put(1, coefficientColumns - 1 - i, zone.coefficients[i]);
    }
    for (int i = 0; i <= table.order && i < static_cast<int>(adjusted.size()); ++i)
        put(2, i, adjusted[i]);
    return table;
}

std::vector<std::vector<double>> adjustedCoefficients(const std::vector<ZoneFit> &zones,
                                                      const std::vector<double> &limits, int referenceZone) {
    const int count = std::min<int>(zones.size(), static_cast<int>(limits.size()) - 1);
    std::vector<std::vector<double>> adjusted(zones.size());
    for (size_t k = 0; k < zones.size(); ++k)
        if (zones[k].fitted)
            adjusted[k] = zones[k].coefficients;
    if (count < 2)
        return adjusted;
    const std::vector<Polynomial> equations = zoneEquations(zones);
    // The jump from zone `from` to its neighbour `to` at their shared limit; 0 when either failed.
    auto jump = [&](int from, int to) {
        if (!zones[from].fitted || !zones[to].fitted)
            return 0.0;
        const double limit = limits[std::max(from, to)];
        const double step = equations[from].evaluate(limit) - equations[to].evaluate(limit);
        return std::isfinite(step) ? step : 0.0;
    };
    auto shift = [&](int k, double sum) {
        if (!adjusted[k].empty())
            adjusted[k][0] += sum;
    };
    const int reference = std::clamp(referenceZone, 0, count - 1);
    double sum = 0;
    for (int k = reference + 1; k < count; ++k)
        shift(k, sum += jump(k - 1, k));
    sum = 0;
    for (int k = reference - 1; k >= 0; --k)
        shift(k, sum += jump(k + 1, k));
    return adjusted;
}

std::string equationLine(int k, const std::vector<std::string> &coefficientTexts,
                         const std::string &variableName, bool developerMode) {
    std::string line = "eqns[" + std::to_string(k) + "] = ";
    if (developerMode)
        line += "\"";
    if (coefficientTexts.empty())
        line += notFittedText;
    for (int i = static_cast<int>(coefficientTexts.size()) - 1; i >= 0; --i) {
        std::string term = coefficientTexts[i];
        if (i + 1 < static_cast<int>(coefficientTexts.size())) {
            const bool negative = !term.empty() && term[0] == '-';
            line += negative ? " - " : " + ";
            if (negative)
                term.erase(0, 1);
        }
        line += term;
        if (i == 1)
            line += "*" + variableName;
        else if (i >= 2)
            line += "*" + variableName + "^" + std::to_string(i);
    }
    if (developerMode)
        line += "\";";
    return line;
}

std::string plotSummaryText(const SummaryTextInput &in) {
    if (!in.displayOnPlot)
        return "";
    auto text = [](const std::vector<std::string> &texts, size_t i) {
        return i < texts.size() ? texts[i] : "";
    };
    auto formatX = [&](double v) { return in.formatX ? in.formatX(v) : formatScientific(v, 6); };
    std::string summary;
    if (in.fitType == Lmp) {
        summary = in.larsonMillerSummary;
    } else if (in.pointCount >= 2) {
        for (size_t i = 0; i < in.upperLimits.size(); ++i) {
            const double lower = limitAsX(in.fitType, i == 0 ? in.dataXMin : in.upperLimits[i - 1]);
            const double upper = limitAsX(in.fitType, in.upperLimits[i]);
            summary +=
                "y " + text(in.equationTexts, i) + "   " + formatX(lower) + " - " + formatX(upper) + "  ";
            if (!in.developerMode)
                summary += "R^2 = " + text(in.rSquaredTexts, i) + "   ";
            summary += "Max. diff. = " + text(in.maxDifferenceTexts, i) + "%\n";
        }
    }
    for (int power : {4, 8, 12}) {
        const std::string term = in.variable + "^" + std::to_string(power);
        summary = replaceAll(summary, term + " ", term + "\n");
    }
    return summary;
}

// Orders, equation count, data source, control states, slope labels and the conversion-factor menu.
#include "fit/FitControls.h"

#include "axis/NumberFormat.h"
#include "fit/FitData.h"

#include <algorithm>
#include <cmath>

int clampOrder(int requested, int maxOrder) {
    return std::max(1, std::min(requested, std::max(maxOrder, 1)));
}

std::string orderLabelText(int order) {
    const char *suffix = order == 1 ? "st" : order == 2 ? "nd" : order == 3 ? "rd" : "th";
    return std::to_string(order) + suffix + " order";
}

int orderFromLabel(const std::string &label) {
    int order = 0;
    for (size_t i = 0; i < label.size() && label[i] >= '0' && label[i] <= '9' && order <= maxFitOrder * 10;
         ++i)
        order = order * 10 + (label[i] - '0');
    return order;
}

bool lowerOrdersToMax(std::vector<int> &orders, int maxOrder) {
    bool changed = false;
    for (int &order : orders) {
        if (order > maxOrder) {
            order = clampOrder(maxOrder, maxOrder);
            changed = true;
        }
    }
    return changed;
}

int equationCountFromIndex(int listIndex) {
    return listIndex >= 0 && listIndex < maxEquations ? listIndex + 1 : 1;
}

int dataSourceForFitType(int fitType, int dataSource, bool xyValuesHasFirstRow) {
    if (fitType == Lmp)
        return 2;
    if (dataSource == 2)
        return xyValuesHasFirstRow ? 1 : 0;
    return dataSource == 1 ? 1 : 0;
}

FitControlStates fitControlStates(int fitType, bool simpleFormat, bool interceptTicked) {
    FitControlStates states;
    const bool lmp = fitType == Lmp;
    states.larsonMillerControls = lmp;
    states.scalingControls = !lmp;
    states.interceptCheck = fitType == XvsY || fitType == XvsLnY;
    states.interceptField = states.interceptCheck && interceptTicked;
    states.excelCell = !(lmp && simpleFormat);
    states.dataSourceRadios[0] = states.dataSourceRadios[1] = !lmp;
    states.dataSourceRadios[2] = false;
    return states;
}

SlopeLabels slopeLabels(bool positiveSlope, bool negativeSlope, int fitType) {
    SlopeLabels labels;
    labels.positive = positiveSlope ? "Positive slope: Y" : "Positive slope: N";
    labels.negative = negativeSlope ? "Negative slope: Y" : "Negative slope: N";
    labels.positiveHighlighted = fitType == Lmp && positiveSlope;
    labels.negativeHighlighted = fitType == Lmp && !negativeSlope;
    return labels;
}

std::string conversionMenuText(const ConversionFactor &entry) {
    std::string name;
    for (char c : entry.name) {
        if (c == '&')
            name += "&&";
        else
            name += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
    return name + " (" + formatScientific(entry.factor, 6) + ")";
}

std::vector<std::vector<int>> conversionMenuColumns(const std::vector<ConversionFactor> &entries) {
    std::vector<std::vector<int>> columns;
    bool inRun = false;
    const int count = std::min<int>(entries.size(), maxConversionMenuEntries);
    for (int i = 0; i < count; ++i) {
        if (entries[i].name.empty()) {
            inRun = false;
            continue;
        }
        if (!inRun)
            columns.emplace_back();
        columns.back().push_back(i);
        inRun = true;
    }
    size_t rows = 0;
    for (const auto &column : columns)
        rows = std::max(rows, column.size());
    for (auto &column : columns)
        column.resize(rows, -1);
    return columns;
}

std::string yScaleText(double factor) {
    return formatScientific(factor, 6);
}

bool yScaleHighlighted(double factor) {
    return std::fabs(factor - 1) > 1e-50;
}

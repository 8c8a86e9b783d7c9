// The "Copy eqns." blocks, the copied range of the hidden copy table and its clipboard text.
#include "fit/CopyBlocks.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "axis/NumberFormat.h"

namespace {

// A limit of the run as the block shows it: rounded, then as x when "Eqn. limits as x not ln(x)" is ticked.
std::string limitText(const CopyBlockInput &in, double limit) {
    double v = roundLimit(limit, in.rounding);
    if (in.limitsAsX && (in.fitType == LnXvsY || in.fitType == LnXvsLnY))
        v = std::exp(v);
    else if (in.limitsAsX && in.fitType == InvXvsLnY && v != 0)
        v = 1 / v;
    return in.formatX ? in.formatX(v) : formatScientific(v, 6);
}

std::string compactForDeveloper(std::string block) {
    static const std::pair<const char *, const char *> replacements[] = {
        {"*x", "x"}, {"x^", "x"}, {"e", "E"}, {"Eqn", "eqn"}, {"adjustEd", "adjusted"}};
    for (const auto &[from, to] : replacements)
        block = replaceAll(block, from, to);
    return block;
}

std::string buildBlock(const CopyBlockInput &in, int count, bool adjusted) {
    std::string block;
    if (count >= 2)
        block += adjusted ? "adjusted\n" : "not adjusted\n";
    for (int i = 0; i <= count; ++i)
        block += "t[" + std::to_string(i) + "] = " + limitText(in, in.limits[i]) +
                 (in.developerMode ? "; " : "\n");
    if (in.fitType == Lmp && in.developerMode) {
        const LarsonMillerCopyNote &note = in.larsonMiller;
        block += "// " + note.constantText + ", " + formatFixed(std::floor(note.minTemperature), 0) + ", " +
                 formatFixed(std::ceil(note.maxTemperature), 0) + ", " +
                 formatFixed(std::fabs(note.overallMaxDiff) + 0.5, 0);
    }
    for (int k = 0; k < count; ++k) {
        block += "\n" + equationLine(k, in.tables[k].coefficientRow(adjusted), "x", in.developerMode);
        if (in.developerMode && !adjusted) {
            const double difference =
                k < static_cast<int>(in.maxDifferences.size()) ? in.maxDifferences[k] : 0;
            block += " // " + formatFixed(difference, 1) + "%";
        }
    }
    return in.developerMode ? compactForDeveloper(block) : block;
}

} // namespace

CopyBlocks buildCopyBlocks(const CopyBlockInput &in) {
    const int count = std::min<int>(in.tables.size(), static_cast<int>(in.limits.size()) - 1);
    if (count < 1)
        return {};
    return {buildBlock(in, count, false), buildBlock(in, count, true)};
}

std::vector<std::vector<std::string>> copyTableCells(const CopyBlocks &blocks) {
    std::vector<std::vector<std::string>> cells(copyTableRows, std::vector<std::string>(copyTableColumns));
    cells[notAdjustedRow][0] = blocks.notAdjusted;
    cells[adjustedRow][0] = blocks.adjusted;
    return cells;
}

CellRange copyEquationsRange(int fitType, int equationCount, bool adjustWhenCopying, bool developerMode) {
    const int lastRow = adjustWhenCopying && equationCount >= 2 ? adjustedRow : notAdjustedRow;
    if (fitType == Lmp && !developerMode)
        return {0, lastRow, 0, copyTableColumns - 1};
    return {notAdjustedRow, lastRow, 0, 0};
}

std::string selectionText(const std::vector<std::vector<std::string>> &cells, const CellRange &range) {
    std::string text;
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            if (r >= 0 && c >= 0 && r < static_cast<int>(cells.size()) &&
                c < static_cast<int>(cells[r].size()))
                text += cells[r][c];
            if (c < range.lastColumn)
                text += "\t";
        }
        text += "\n";
    }
    return text;
}

bool larsonMillerConstantHasTwoDecimals(const std::string &constantText) {
    return replaceAll(constantText, ".00", ".0").size() == 5;
}

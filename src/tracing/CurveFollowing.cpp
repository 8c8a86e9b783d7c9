// Curve following between two points and the scan of the whole picture, both built on searchAlong.
#include "tracing/CurveFollowing.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Far enough outside any picture, and small enough that coordinate +- S stays within int.
int clampedCoordinate(long value) {
    return static_cast<int>(std::clamp(value, -(1L << 28), 1L << 28));
}

// The checks on the two points themselves, without the comparison with the last trace.
TraceError checkDefiningPoints(const TraceDefinition &definition) {
    if (definition.lastRow <= 0)
        return TraceError::unknownDefinition;
    if (definition.x2 <= definition.x1)
        return TraceError::reversedLimits;
    if (std::min({definition.x1, definition.y1, definition.x2, definition.y2}) < 1)
        return TraceError::unknownDefinition;
    return TraceError::none;
}

} // namespace

TraceMessage traceErrorMessage(TraceError error) {
    switch (error) {
    case TraceError::noImage:
        return {"Auto-find error", "You need an image."};
    case TraceError::unknownDefinition:
        return {"Auto-find error", "Unknown curve definition error. Check your point definitions."};
    case TraceError::reversedLimits:
        return {"Curve min/max values are incorrect",
                "When you define the limits for the curve for the \"Auto-find curve\" method,\n"
                "the first point you select must be the lower x value and the second\n"
                "must be the higher x value. Click the \"Clear data\" button and\n"
                "reselect the min/max curve points."};
    case TraceError::samePoints:
        return {"Auto-find error", "Pick 2 new points."};
    case TraceError::none:
        break;
    }
    return {"", ""};
}

std::string traceRowText(const std::vector<std::string> &cells) {
    std::string text;
    for (const std::string &cell : cells)
        text += cell + "|";
    return text;
}

TraceError checkTraceDefinition(const TraceDefinition &definition, const TracePair &lastTracePair) {
    if (TraceError error = checkDefiningPoints(definition); error != TraceError::none)
        return error;
    if (definition.rows.first == lastTracePair.first && definition.rows.second == lastTracePair.second)
        return TraceError::samePoints;
    return TraceError::none;
}

TraceResult followCurve(const PixelView &view, const SearchSettings &settings,
                        const TraceDefinition &definition, int pointCount, int tableRows) {
    TraceResult result;
    result.firstRow = result.endRow = std::max(definition.lastRow, 1) - 1;
    result.tableRows = tableRows;
    if (checkDefiningPoints(definition) != TraceError::none)
        return result;

    const int direction = validSearchDirection(settings.direction);
    const bool vertical = isVerticalSearch(direction);
    const int length = validSearchLength(settings.length);
    const int d = direction == searchUp || direction == searchLeft ? length : -length;
    const int x1 = clampedCoordinate(definition.x1), y1 = clampedCoordinate(definition.y1);
    const int x2 = clampedCoordinate(definition.x2), y2 = clampedCoordinate(definition.y2);
    const double count = std::max(1, pointCount);
    const double step = std::max(1.0, (vertical ? x2 - x1 : std::abs(y2 - y1)) / count);
    const int yStep = y1 < y2 ? 1 : -1;
    const int top = length + view.offsetY, bottom = view.height + view.offsetY - length;
    // Past the picture's last column nothing more can be found, so the trace need not walk there.
    const int lastX = std::min(x2, view.offsetX + std::max(view.width, 0));

    int x = x1, y = y1, anchor = vertical ? y1 : x1;
    int row = result.firstRow, rows = tableRows;
    std::vector<CanvasPoint> &points = result.points;
    for (int i = 0;; ++i) {
        if (row >= rows - 2)
            rows += 10;
        bool atEnd = vertical ? x == x2 : y == y2;
        bool record = i == 0 || i >= static_cast<double>(points.size()) * step || atEnd;
        if (auto hit = searchAlong(view, settings, anchor + d, anchor - d, x, y)) {
            x = hit->x;
            y = hit->y;
            if (record) {
                points.push_back({x, y});
                ++row;
                anchor = vertical ? y : x;
            }
        } else if (vertical) {
            ++x;
        }
        if (vertical)
            ++x;
        else
            y += yStep;
        if (!(x <= lastX && y < bottom && y > top))
            break;
    }
    result.endRow = row;
    result.tableRows = rows;
    result.restoreDefiningRows = points.size() < 2;
    if (result.restoreDefiningRows)
        points.clear();
    return result;
}

FullScanResult fullAutoScan(const PixelView &view, const SearchSettings &settings) {
    FullScanResult result;
    if (!view.pixels || view.width <= 0 || view.height <= 0)
        return result;
    SearchSettings scan = settings;
    const bool vertical = isVerticalSearch(settings.direction);
    scan.direction = vertical ? searchUp : searchRight;
    result.lineCount = std::max(0, (vertical ? view.width : view.height) - 2);
    const int left = view.offsetX, top = view.offsetY;
    for (int line = 1; line <= result.lineCount; ++line) {
        auto hit = vertical ? searchAlong(view, scan, top + view.height - 1, top + 1, left + line, top)
                            : searchAlong(view, scan, left + 1, left + view.width - 1, left, top + line);
        if (hit)
            result.points.push_back({hit->x, hit->y});
    }
    return result;
}

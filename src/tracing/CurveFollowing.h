// "Auto-find curve" and "Full auto": the checks of the two defining points, following the curve
// between them, and the scan of the whole picture.
#pragma once
#include "image/Markers.h"
#include "tracing/PointSearch.h"

#include <string>
#include <vector>

// Why "Auto-find curve" stops before tracing.
enum class TraceError { none, noImage, unknownDefinition, reversedLimits, samePoints };

// The caption and text of the error box of an error (empty for none).
struct TraceMessage {
    const char *caption;
    const char *text;
};
TraceMessage traceErrorMessage(TraceError error);

// The text of a table row as the trace remembers it: every cell followed by "|".
std::string traceRowText(const std::vector<std::string> &cells);

// The texts of two consecutive rows of "Curve points".
struct TracePair {
    std::string first, second;
};

// The two points that define a trace: rows lastRow - 1 and lastRow of "Curve points".
struct TraceDefinition {
    int lastRow = -1;                    // the last filled row
    long x1 = 0, y1 = 0, x2 = 0, y2 = 0; // their "x px" and "y px" cells read as integers
    TracePair rows;                      // their texts (traceRowText)
};

// The checks in order: fewer than two points, x2 <= x1, a coordinate below 1, the same two rows as
// the last trace ended with. Only lastRow is looked at when it is 0 or less.
TraceError checkTraceDefinition(const TraceDefinition &definition, const TracePair &lastTracePair);

// What a trace found. The points go into "x px" and "y px" of rows firstRow, firstRow + 1, ...
struct TraceResult {
    std::vector<CanvasPoint> points; // window coordinates; empty when restoreDefiningRows
    int firstRow = 0;                // lastRow - 1: the trace overwrites the two defining points
    int endRow = 0;                  // firstRow + the number of points recorded (also when restoring)
    int tableRows = 0;               // rows "Curve points" must have: grown by 10 whenever the write
                                     // row came within 2 rows of the end
    bool restoreDefiningRows = true; // fewer than two points: the two defining rows stay as they were
};

// Follows the curve from the first defining point to the column of the second (Up and Down scan
// columns) or row by row from the first point's row (Left and Right), keeping about pointCount
// points. Each search looks S pixels either side of the last recorded point. A column or row without
// a find is skipped (a failed column also skips the next one). The trace also ends when a point comes
// within S pixels of the picture's top or bottom edge. tableRows is the current row count of
// "Curve points". A definition that checkTraceDefinition rejects traces nothing.
TraceResult followCurve(const PixelView &view, const SearchSettings &settings,
                        const TraceDefinition &definition, int pointCount, int tableRows);

// Whether "Auto-find curve" scans the whole picture instead of tracing.
inline bool fullAutoApplies(bool fullAuto, bool proMode, bool dataPointType, bool stepMode) {
    return fullAuto && proMode && dataPointType && !stepMode;
}

// What "Full auto" found, in scan order: at most one point per scanned column or row.
struct FullScanResult {
    std::vector<CanvasPoint> points; // window coordinates, for rows 0, 1, 2, ...
    int lineCount = 0; // columns (or rows) scanned: "Curve points" needs at least this many rows
};

// Scans every column but the two outer ones upwards from the bottom row (Up and Down), or every row
// but the two outer ones rightwards from column 1 (Left and Right), with one searchAlong each.
FullScanResult fullAutoScan(const PixelView &view, const SearchSettings &settings);

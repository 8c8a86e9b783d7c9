// The marker colour table and the pixels of markers, the two-point line and the extended cursor.
#pragma once
#include "image/OverlayLog.h"

#include <cstdint>
#include <vector>

// The picture's size and its position inside the main window's client area (the view offset).
struct PictureGeometry {
    int width = 0, height = 0;
    int offsetX = 0, offsetY = 0;
};

// A point in main-window client coordinates, as the pixel cells of the tables hold it.
struct CanvasPoint {
    int x, y;
};

// The eight marker colours: red, green, blue, black, yellow, orange, purple, turquoise.
constexpr int markerColorCount = 8;
extern const uint32_t markerColors[markerColorCount];
// Index outside 0-7 becomes 1 (green).
int validMarkerColorIndex(int index);
uint32_t markerColor(int index);
// Outline of the highlight marker: red when the data points are blue (index 2), else black.
uint32_t highlightOutlineColor(int dataPointColorIndex);

struct MarkerSize {
    int thickness, length;
};
constexpr MarkerSize referenceMarkerSize{3, 15};
constexpr MarkerSize dataMarkerSize{1, 9};

// Appends the pixels of one plus marker centred on window point (x, y). Only pixels with
// 0 < px < width and 0 < py < height are drawn; a solid marker within 2 pixels of an edge is left
// out whole. A hollow marker is an outline pass in outlineColor, then a pass in color, with the
// centre left free.
void appendMarker(std::vector<PixelPaint>& paints, const PictureGeometry& picture, int x, int y,
                  uint32_t color, MarkerSize size, bool hollow, uint32_t outlineColor = 0xFF000000);
// The highlight of a table row: the hollow data-point marker in the data colour with its outline.
void appendHighlightMarker(std::vector<PixelPaint>& paints, const PictureGeometry& picture, int x, int y,
                           int dataPointColorIndex);
// Appends the line from image pixel (x1, y1) towards (x2, y2), end point excluded, as
// floor(d) steps of length 1 truncated toward zero; only pixels inside the picture.
void appendLine(std::vector<PixelPaint>& paints, int width, int height, int x1, int y1, int x2, int y2,
                uint32_t color);
// Appends the whole column ix and the whole row iy (image pixels) of the extended cursor;
// nothing unless ix > 0 and iy > 0.
void appendExtendedCursor(std::vector<PixelPaint>& paints, int width, int height, int ix, int iy,
                          uint32_t color);

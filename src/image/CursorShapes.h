// Pixel arrays of the canvas cursors and the colour-pick cursor, and the adaptive cursor choice.
#pragma once
#include <cstdint>
#include <vector>

// Cursors are cursorSize x cursorSize ARGB pixels (index = row * cursorSize + column),
// transparent pixels 0, hot spot at (cursorHotSpot, cursorHotSpot).
constexpr int cursorSize = 31;
constexpr int cursorHotSpot = 15;

enum CursorType { cursorSolid = 0, cursorSolidHollow = 1, cursorOutline = 2 };
enum CursorColorIndex { cursorBlack = 0, cursorWhite = 1, cursorBlackWhite = 2, cursorAdaptive = 3 };

// Any value other than Solid and Solid-hollow is Outline.
int validCursorType(int cursorType);
// The canvas cursor of a type in a colour: black, white, black and white alternating by linear
// index (even black, odd white), or black for Adaptive and unknown indices. "Wide" enlarges the
// hollow centre of Solid-hollow and the square of Outline.
std::vector<uint32_t> canvasCursorPixels(int cursorType, int colorIndex, bool wide);
// Row and column 15 across the cursor and the outline of the square (7, 7)-(23, 23).
std::vector<uint32_t> colourPickCursorPixels(int colorIndex);
// Solid-hollow in Black/White shows the stock cross-hair cursor instead of its own.
bool usesStockCrosshair(int cursorType, int colorIndex);
// Adaptive mode shows the white cursor over pixels with 0.299 R + 0.587 G + 0.114 B <= 100.
bool adaptiveCursorIsWhite(uint32_t pixel);

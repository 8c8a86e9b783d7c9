// Painting a fit plot's drawing list into an ARGB picture: the shapes, while the texts are left to the
// toolkit.
#pragma once
#include "plot/PlotScene.h"

#include <cstdint>
#include <vector>

// Fills the picture (width x height, index = y * width + x) with the scene's background and paints its
// lines, frames, boxes, discs and triangles in order, clipped to the picture; Text and RotatedText items
// are skipped. The shapes cover the pixels the display's drawing would: a line both its end points, a frame
// the outline from (x, y) to (x + width, y + height), a box and a disc the pixels whose centres lie inside
// them, a triangle the pixels whose centres lie inside it. A line wider than 1 is drawn with a square pen.
void rasterizePlotScene(const PlotScene &scene, std::vector<uint32_t> &pixels, int width, int height);

// The pixels of the three magnified views: the two enlargements around the mouse and the
// scan-direction picture.
#pragma once
#include "image/Markers.h"

#include <cstdint>
#include <vector>

// Side of every magnified picture; the toolkit scales it by 3 for the view.
constexpr int magnifiedSize = 60;

// What the two enlargements are made of.
struct MagnifierSource {
    const uint32_t* viewPixels = nullptr; // client pixels of the image the view shows
    const uint32_t* workPixels = nullptr; // client pixels of the working image
    PictureGeometry picture;              // size of both, and the view offset
    uint32_t background = 0xFFD4D0C8;     // the main window's background, shown outside the picture
    uint32_t dataColor = 0, referenceColor = 0;
    bool showLine = true;                                   // the cross-hair and the two-point line
    bool linePlaced = false;                                // at least one line point is placed
    int lineX1 = -1, lineY1 = -1, lineX2 = -1, lineY2 = -1; // image pixels
    std::vector<CanvasPoint> referencePoints; // window coordinates, only points with both cells filled
    std::vector<CanvasPoint> dataPoints;      // window coordinates, up to the first empty cell
};

// The plain enlargement (with the full cross-hair) and the marked one (cross-hair with a 7 x 7
// gap, the line and the point markers), each magnifiedSize x magnifiedSize.
struct MagnifiedViews {
    std::vector<uint32_t> plain, marked;
};

// Builds both pictures centred on window point (x, y). Returns false, leaving views untouched,
// when the picture is smaller than 60 x 60 or the centre lies more than 30 pixels outside it.
bool buildMagnifiedViews(const MagnifierSource& source, int x, int y, MagnifiedViews& views);

// The scan-direction picture: a grey cross on a darker ground and an arrow in color for
// direction 0 up, 1 down, 2 left, 3 right (no arrow for other values).
std::vector<uint32_t> scanDirectionPicture(int direction, uint32_t color);

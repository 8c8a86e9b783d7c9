// The decisions of the mouse and keys on the picture: which point a click defines, when stepping adds a
// point, where an arrow key moves the pointer, what the constrained pointer shows, and the regions of the
// scan-direction view.
#pragma once
#include <optional>

// Point types of a click, and the five "Point type" radios in this order.
enum PointType {
    pointOrigin = 0, // the min corner of both axes
    pointMaxX = 1,
    pointMinY = 2, // a second copy of the origin on the y axis, never chosen by clicks
    pointMaxY = 3,
    pointData = 4,
};
constexpr int pointTypeRadioCount = 5;
// The counter of the next click never goes beyond this.
constexpr int maxNextPointType = 10;

// The radio shown for counter value v: the radio of that index, the Data radio from 4 on (and the origin
// radio for a negative value).
int pointTypeRadioFor(int nextPointType);

// What one click does to the point-type counter.
struct PointTypeStep {
    int pointType;        // the type of this click
    int nextPointType;    // the counter after the click, before it is capped
    bool clearsAxisColor; // an origin click starts the axis search colour afresh
};

// The counter runs origin (0) -> Max X (1) -> Max Y (3) -> data (5 and on): 0 defines the origin, 1 Max X
// (skipping the hidden Min Y), 2 or 3 Max Y, anything from 4 on a data point.
PointTypeStep pointTypeForClick(int nextPointType);
// The counter kept for the next click: capped at maxNextPointType, never negative.
int cappedPointType(int nextPointType);

// A pixel position in main-window coordinates.
struct PointerPosition {
    int x, y;
};

// What a motion in the stepping mode (Shift held) does.
enum class StepAction { None, Click, AddPoint };

// The stepping rule. last is the last recorded point, if any; on the first motion of a Shift press (or
// without a point) it counts as (x + 2 spacing, y + 2 spacing), so a point is added at once. With the
// point search a click runs when the pointer moved more than spacing across the scan direction (in x for
// up and down, in y for left and right); without it a point is added when it moved more than spacing in
// x or in y.
StepAction stepActionForMotion(bool pointSearch, int searchDirection, std::optional<PointerPosition> last,
                               bool firstMotion, PointerPosition pointer, int spacing);

// The rectangle the arrow keys keep the pointer in (main-window coordinates, bounds included).
struct PointerBounds {
    int left, top, right, bottom;
};

enum class ArrowKey { Left, Right, Up, Down };

// The arrow-key step: 1 pixel, 3 with Shift or Control, 9 with both.
int arrowKeyStep(bool shift, bool control);
// Where an arrow key moves the pointer: one step in its direction, stopped at the bound ahead. A pointer
// already at or beyond that bound stays where it is, so a key never moves it backwards.
PointerPosition arrowKeyTarget(PointerPosition pointer, ArrowKey key, int step, const PointerBounds &bounds);

// The current-position read-out under "Constrain": where the pointer is held and which pixel rows of the
// read-out (0 X, 1 Y) are written.
struct ConstrainedPointer {
    PointerPosition pointer; // the pointer after the constraint
    bool moved;              // it was moved onto the origin's row or column
    bool writesX, writesY;
};

// With the constraint active and Max X shown, the pointer keeps its x on the origin's row and x is
// written; with Max Y it keeps its y on the origin's column and y is written; with the constraint active
// but neither shown nothing is written. Inactive: both are written where the pointer is. An origin that is
// not defined holds nothing.
ConstrainedPointer constrainPointer(bool active, bool maxXShown, bool maxYShown,
                                    std::optional<PointerPosition> origin, PointerPosition pointer);

// The scan direction chosen by a click on the scan-direction view at fractions (fx, fy) of its width and
// height: the middle third of the top or bottom row gives up (0) or down (1), the middle third of the left
// or right column left (2) or right (3); anywhere else nothing.
std::optional<int> scanDirectionForClick(double fx, double fy);

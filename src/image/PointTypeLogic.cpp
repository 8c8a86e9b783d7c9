// The decisions of the mouse and keys on the picture: point types, stepping, arrow keys, the constrained
// pointer and the scan-direction view.
#include "image/PointTypeLogic.h"

#include <algorithm>
#include <cstdlib>

int pointTypeRadioFor(int nextPointType) {
    return std::clamp(nextPointType, 0, static_cast<int>(pointData));
}

PointTypeStep pointTypeForClick(int nextPointType) {
    nextPointType = std::min(nextPointType, maxNextPointType);
    PointTypeStep step{pointOrigin, nextPointType, false};
    if (nextPointType <= pointOrigin) {
        step.clearsAxisColor = true;
        step.nextPointType = pointOrigin;
    } else if (nextPointType == pointMaxX) {
        step.pointType = pointMaxX;
        step.nextPointType = pointMinY;
    } else if (nextPointType <= pointMaxY) {
        step.pointType = pointMaxY;
        step.nextPointType = pointData;
    } else {
        step.pointType = pointData;
    }
    step.nextPointType++;
    return step;
}

int cappedPointType(int nextPointType) {
    return std::clamp(nextPointType, 0, maxNextPointType);
}

StepAction stepActionForMotion(bool pointSearch, int searchDirection, std::optional<PointerPosition> last,
                               bool firstMotion, PointerPosition pointer, int spacing) {
    // Far enough in both directions that any rule adds a point.
    const long long far = 2LL * spacing;
    long long lastX = pointer.x + far, lastY = pointer.y + far;
    if (last && !firstMotion) {
        lastX = last->x;
        lastY = last->y;
    }
    const long long dx = std::llabs(lastX - pointer.x), dy = std::llabs(lastY - pointer.y);
    if (pointSearch) {
        const bool vertical = searchDirection == 0 || searchDirection == 1;
        return (vertical ? dx : dy) > spacing ? StepAction::Click : StepAction::None;
    }
    return dx > spacing || dy > spacing ? StepAction::AddPoint : StepAction::None;
}

int arrowKeyStep(bool shift, bool control) {
    if (shift && control)
        return 9;
    return shift || control ? 3 : 1;
}

PointerPosition arrowKeyTarget(PointerPosition pointer, ArrowKey key, int step, const PointerBounds &bounds) {
    // Moves one coordinate towards its bound ahead, in wide arithmetic so no position can overflow.
    auto towards = [step](int from, int bound, bool down) {
        if (down ? from <= bound : from >= bound)
            return from;
        const long long to = static_cast<long long>(from) + (down ? -1LL : 1LL) * step;
        return static_cast<int>(down ? std::max<long long>(to, bound) : std::min<long long>(to, bound));
    };
    PointerPosition to = pointer;
    switch (key) {
    case ArrowKey::Left:
        to.x = towards(pointer.x, bounds.left, true);
        break;
    case ArrowKey::Right:
        to.x = towards(pointer.x, bounds.right, false);
        break;
    case ArrowKey::Up:
        to.y = towards(pointer.y, bounds.top, true);
        break;
    case ArrowKey::Down:
        to.y = towards(pointer.y, bounds.bottom, false);
        break;
    }
    return to;
}

ConstrainedPointer constrainPointer(bool active, bool maxXShown, bool maxYShown,
                                    std::optional<PointerPosition> origin, PointerPosition pointer) {
    ConstrainedPointer result{pointer, false, !active, !active};
    if (!active || !origin)
        return result;
    if (maxXShown) {
        result.pointer.y = origin->y;
        result.writesX = true;
    } else if (maxYShown) {
        result.pointer.x = origin->x;
        result.writesY = true;
    }
    result.moved = result.pointer.x != pointer.x || result.pointer.y != pointer.y;
    return result;
}

std::optional<int> scanDirectionForClick(double fx, double fy) {
    const double third = 1.0 / 3, twoThirds = 2.0 / 3;
    const bool middleColumn = fx >= third && fx <= twoThirds, middleRow = fy >= third && fy <= twoThirds;
    if (middleColumn && fy <= third)
        return 0;
    if (middleColumn && fy >= twoThirds)
        return 1;
    if (middleRow && fx <= third)
        return 2;
    if (middleRow && fx >= twoThirds)
        return 3;
    return std::nullopt;
}

// The point-type counter, the stepping rule, the arrow keys, the constrained pointer and the
// scan-direction view's regions.
#include "image/PointTypeLogic.h"

#include <gtest/gtest.h>

#include <climits>

TEST(PointTypeLogic, OrdinaryClicksRunOriginMaxXMaxYThenData) {
    int next = 0;
    std::vector<int> types, radios;
    for (int click = 0; click < 12; click++) {
        PointTypeStep step = pointTypeForClick(next);
        types.push_back(step.pointType);
        radios.push_back(pointTypeRadioFor(step.nextPointType));
        next = cappedPointType(step.nextPointType);
    }
    EXPECT_EQ(types, (std::vector<int>{0, 1, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(radios, (std::vector<int>{1, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(next, maxNextPointType);
}

TEST(PointTypeLogic, EachCounterValueDefinesItsType) {
    struct Case {
        int next, type, after;
        bool clearsAxisColor;
    };
    const Case cases[] = {
        {-3, pointOrigin, 1, true}, {0, pointOrigin, 1, true},  {1, pointMaxX, 3, false},
        {2, pointMaxY, 5, false},   {3, pointMaxY, 5, false},   {4, pointData, 5, false},
        {5, pointData, 6, false},   {10, pointData, 11, false}, {INT_MAX, pointData, 11, false},
    };
    for (const Case &c : cases) {
        PointTypeStep step = pointTypeForClick(c.next);
        EXPECT_EQ(step.pointType, c.type) << c.next;
        EXPECT_EQ(step.nextPointType, c.after) << c.next;
        EXPECT_EQ(step.clearsAxisColor, c.clearsAxisColor) << c.next;
    }
    // The hidden Min Y radio is shown only when the counter is set to 2 directly.
    EXPECT_EQ(pointTypeRadioFor(2), pointMinY);
    EXPECT_EQ(pointTypeRadioFor(-1), pointOrigin);
    EXPECT_EQ(pointTypeRadioFor(11), pointData);
    EXPECT_EQ(cappedPointType(-4), 0);
}

TEST(PointTypeLogic, SteppingAddsAtOnceThenOnlyBeyondTheSpacing) {
    const PointerPosition at{100, 200};
    const std::optional<PointerPosition> none;
    // The first motion of a Shift press adds a point even next to the last one, as does a table without one.
    EXPECT_EQ(stepActionForMotion(false, 0, PointerPosition{100, 200}, true, at, 10), StepAction::AddPoint);
    EXPECT_EQ(stepActionForMotion(false, 0, none, false, at, 10), StepAction::AddPoint);
    EXPECT_EQ(stepActionForMotion(true, 0, none, false, at, 10), StepAction::Click);
    EXPECT_EQ(stepActionForMotion(true, 3, PointerPosition{100, 200}, true, at, 5), StepAction::Click);

    struct Case {
        bool search;
        int direction, lastX, lastY;
        StepAction expected;
    };
    const Case cases[] = {
        {false, 0, 110, 200, StepAction::None},     // exactly the spacing is not beyond it
        {false, 0, 111, 200, StepAction::AddPoint}, // x beyond
        {false, 0, 100, 189, StepAction::AddPoint}, // y beyond
        {true, 0, 100, 150, StepAction::None},      // up: only x counts
        {true, 1, 89, 200, StepAction::Click},      // down: x beyond
        {true, 2, 150, 200, StepAction::None},      // left: only y counts
        {true, 3, 100, 211, StepAction::Click},     // right: y beyond
    };
    for (const Case &c : cases)
        EXPECT_EQ(
            stepActionForMotion(c.search, c.direction, PointerPosition{c.lastX, c.lastY}, false, at, 10),
            c.expected)
            << c.search << " " << c.direction << " " << c.lastX << "," << c.lastY;
}

TEST(PointTypeLogic, ArrowKeysStepAndStopAtTheBounds) {
    EXPECT_EQ(arrowKeyStep(false, false), 1);
    EXPECT_EQ(arrowKeyStep(true, false), 3);
    EXPECT_EQ(arrowKeyStep(false, true), 3);
    EXPECT_EQ(arrowKeyStep(true, true), 9);

    const PointerBounds bounds{6, 104, 205, 253};
    struct Case {
        int x, y;
        ArrowKey key;
        int step, toX, toY;
    };
    const Case cases[] = {
        {50, 150, ArrowKey::Left, 1, 49, 150},
        {50, 150, ArrowKey::Right, 9, 59, 150},
        {50, 150, ArrowKey::Up, 3, 50, 147},
        {50, 150, ArrowKey::Down, 3, 50, 153},
        {8, 150, ArrowKey::Left, 9, 6, 150},
        {6, 150, ArrowKey::Left, 1, 6, 150},
        {2, 150, ArrowKey::Left, 1, 2, 150},
        {2, 150, ArrowKey::Right, 1, 3, 150},
        {204, 150, ArrowKey::Right, 3, 205, 150},
        {300, 150, ArrowKey::Right, 1, 300, 150},
        {50, 105, ArrowKey::Up, 9, 50, 104},
        {50, 253, ArrowKey::Down, 1, 50, 253},
        {50, 20, ArrowKey::Up, 1, 50, 20},
        {INT_MAX, INT_MIN, ArrowKey::Left, 9, INT_MAX - 9, INT_MIN},
        {INT_MIN, 150, ArrowKey::Right, 9, INT_MIN + 9, 150},
    };
    for (const Case &c : cases) {
        PointerPosition to = arrowKeyTarget({c.x, c.y}, c.key, c.step, bounds);
        EXPECT_EQ(to.x, c.toX) << c.x << "," << c.y << " key " << static_cast<int>(c.key);
        EXPECT_EQ(to.y, c.toY) << c.x << "," << c.y << " key " << static_cast<int>(c.key);
    }
    const PointerBounds everywhere{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(arrowKeyTarget({INT_MAX - 1, 0}, ArrowKey::Right, 9, everywhere).x, INT_MAX);
    EXPECT_EQ(arrowKeyTarget({0, INT_MIN + 1}, ArrowKey::Up, 9, everywhere).y, INT_MIN);
}

TEST(PointTypeLogic, ConstrainHoldsThePointerOnTheOriginsRowOrColumn) {
    const PointerPosition origin{40, 300}, at{120, 250};
    ConstrainedPointer onRow = constrainPointer(true, true, false, origin, at);
    EXPECT_EQ(onRow.pointer.x, 120);
    EXPECT_EQ(onRow.pointer.y, 300);
    EXPECT_TRUE(onRow.moved);
    EXPECT_TRUE(onRow.writesX);
    EXPECT_FALSE(onRow.writesY);

    ConstrainedPointer onColumn = constrainPointer(true, false, true, origin, at);
    EXPECT_EQ(onColumn.pointer.x, 40);
    EXPECT_EQ(onColumn.pointer.y, 250);
    EXPECT_FALSE(onColumn.writesX);
    EXPECT_TRUE(onColumn.writesY);

    ConstrainedPointer alreadyThere = constrainPointer(true, true, false, origin, PointerPosition{120, 300});
    EXPECT_FALSE(alreadyThere.moved);

    for (ConstrainedPointer held : {constrainPointer(true, false, false, origin, at),
                                    constrainPointer(true, true, false, std::nullopt, at)}) {
        EXPECT_FALSE(held.moved);
        EXPECT_FALSE(held.writesX || held.writesY);
    }
    ConstrainedPointer free = constrainPointer(false, true, false, origin, at);
    EXPECT_FALSE(free.moved);
    EXPECT_TRUE(free.writesX && free.writesY);
    EXPECT_EQ(free.pointer.y, 250);
}

TEST(PointTypeLogic, ScanDirectionViewRegions) {
    struct Case {
        double fx, fy;
        int direction; // -1: nothing
    };
    const Case cases[] = {
        {0.5, 0.1, 0},     {0.5, 1.0 / 3, 0}, {1.0 / 3, 0.0, 0}, {2.0 / 3, 0.2, 0}, {0.5, 0.9, 1},
        {0.5, 2.0 / 3, 1}, {0.1, 0.5, 2},     {1.0 / 3, 0.5, 2}, {0.9, 0.5, 3},     {2.0 / 3, 0.4, 3},
        {0.5, 0.5, -1},    {0.1, 0.1, -1},    {0.9, 0.9, -1},    {0.2, 0.8, -1},    {-0.5, 0.5, 2},
        {1.5, 0.5, 3},     {0.5, -2.0, 0},    {0.3, 0.3, -1},
    };
    for (const Case &c : cases) {
        std::optional<int> d = scanDirectionForClick(c.fx, c.fy);
        EXPECT_EQ(d.value_or(-1), c.direction) << c.fx << "," << c.fy;
    }
}

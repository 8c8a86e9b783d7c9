// Zone limits and membership, overlap counting, the points each zone fits and the zones holding x = 0.
#include "fit/FitZones.h"

#include <gtest/gtest.h>

TEST(FitZones, LimitsLieJustOutsideTheDataAndUseTheShownLimits) {
    EXPECT_EQ(zoneLimits(2, 10, {}, 1), (std::vector<double>{2 * 0.999999, 10 * 1.0000006}));
    EXPECT_EQ(zoneLimits(2, 10, {4, 7}, 3), (std::vector<double>{2 * 0.999999, 4, 7, 10 * 1.0000006}));
    EXPECT_EQ(zoneLimits(2, 10, {4}, 3),
              (std::vector<double>{2 * 0.999999, 4, 10 * 1.0000006, 10 * 1.0000006}));
}

TEST(FitZones, AssignsEachValueItsZone) {
    const std::vector<double> lim = {0, 4, 7, 10};
    struct Case {
        double t;
        int zone;
    } cases[] = {{0, 0}, {3.9, 0}, {4, 1}, {6.99, 1}, {7, 2}, {9.99, 2}, {10, 2}, {12, 2}, {-1, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(zoneOf(lim, c.t), c.zone) << c.t;
}

TEST(FitZones, NegativeXMinLeavesTheSmallestPointToZoneZero) {
    // lim[0] = -10 * 0.999999 lies above -10, so -10 is in no zone and counts in zone 0.
    const std::vector<double> x = {-10, -5, 0, 5, 10};
    const std::vector<double> lim = zoneLimits(-10, 10, {1}, 2);
    EXPECT_GT(lim[0], -10);
    const ZoneSplit split = splitZones(x, lim);
    EXPECT_EQ(split.pointZones, (std::vector<int>{0, 0, 0, 1, 1}));
    EXPECT_EQ(split.counts, (std::vector<int>{3, 2}));
    EXPECT_EQ(split.firstIndex, (std::vector<int>{0, 3}));
}

TEST(FitZones, NonPositiveXMaxKeepsTheLargestPointInTheLastZone) {
    // lim[2] = -1 * 1.0000006 lies below -1; the largest point belongs to the last zone, not zone 0.
    const ZoneSplit split = splitZones({-9, -6, -4, -1}, zoneLimits(-9, -1, {-5}, 2));
    EXPECT_EQ(split.pointZones, (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(splitZones({-2, 0}, zoneLimits(-2, 0, {-1}, 2)).pointZones, (std::vector<int>{0, 1}));
}

TEST(FitZones, AnEmptyZoneStartsWhereItsPointsWouldBe) {
    const ZoneSplit split = splitZones({1, 2, 3, 8, 9}, {0.5, 4, 6, 10});
    EXPECT_EQ(split.counts, (std::vector<int>{3, 0, 2}));
    EXPECT_EQ(split.firstIndex, (std::vector<int>{0, 3, 3}));
    // With overlap 1 the empty middle zone takes the neighbours' closest points.
    EXPECT_EQ(zonePointIndices(split, 1, 1), (std::vector<int>{2, 3}));
}

TEST(FitZones, EachZoneTakesItsOwnPointsAndTheOverlapOfItsNeighbours) {
    std::vector<double> x;
    for (int i = 0; i < 12; ++i)
        x.push_back(i);
    const ZoneSplit split = splitZones(x, {0, 4, 8, 12}); // 0..3, 4..7, 8..11
    EXPECT_EQ(zonePointIndices(split, 0, 0), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(zonePointIndices(split, 0, 2), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(zonePointIndices(split, 1, 2), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(zonePointIndices(split, 2, 2), (std::vector<int>{6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(zonePointIndices(split, 1, 9), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(FitZones, RaisesCountsByTheOverlapUntilItWouldOverstate) {
    struct Case {
        std::vector<int> own;
        int overlap, points;
        std::vector<int> raised;
    } cases[] = {
        {{5}, 2, 5, {5}},                     // one equation: no overlap
        {{4, 6}, 2, 10, {6, 8}},              // end zones get v
        {{4, 3, 6}, 2, 13, {6, 7, 8}},        // a middle zone gets 2v
        {{3, 2, 3}, 0, 8, {3, 2, 3}},         // no overlap
        {{4, 6}, 7, 10, {4, 6}},              // first zone: 4 + 7 > 10 stops at once
        {{1, 8, 1}, 2, 10, {3, 8, 1}},        // middle: v = 2 > 10 - 9 stops there
        {{2, 3, 4, 5}, 3, 14, {5, 9, 10, 8}}, // running sums 2, 5, 9, 14
        {{0, 6, 0}, 3, 6, {3, 6, 0}},         // the running sum counts the zone itself: none to its right
        {{4, 6}, -5, 10, {4, 6}},             // negative overlap counts as 0
    };
    for (const Case &c : cases)
        EXPECT_EQ(overlapCounts(c.own, c.overlap, c.points), c.raised);
}

TEST(FitZones, FindsTheFirstZoneWithTooFewPoints) {
    const std::vector<double> lim = {0.5, 3, 6, 9};
    EXPECT_FALSE(findBadBoundaries({3, 4, 2}, {2, 3, 1}, lim, 0));
    const auto bad = findBadBoundaries({3, 3, 1}, {2, 3, 1}, lim, 4);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->equation, 1);
    EXPECT_EQ(bad->lower, 3);
    EXPECT_EQ(bad->upper, 6);
    EXPECT_EQ(bad->order, 3);
    EXPECT_EQ(bad->overlap, 4);
    EXPECT_EQ(badBoundariesMessage(*bad, "3.0000", "6.0000"),
              "There are not enough points between 3.0000 and 6.0000 for a 3-order fit (Eqn. #2) with 4 "
              "overlap points.");
}

TEST(FitZones, FindsTheZonesHoldingXZero) {
    struct Case {
        std::vector<double> lim;
        std::vector<bool> zones;
    } cases[] = {
        {{0.5, 3, 6}, {true, false}}, // all data right of 0: the first zone
        {{0, 3, 6}, {true, false}},
        {{-9, -6, -0.5}, {false, true}}, // all data left of 0: the last zone
        {{-9, -6, 0}, {false, true}},
        {{-3, 2, 6}, {true, false}},            // 0 inside the first zone
        {{-3, -1, 2, 6}, {false, true, false}}, // 0 inside a middle zone
        {{-3, 0, 6}, {true, true}},             // 0 exactly a limit: both zones
    };
    for (const Case &c : cases)
        EXPECT_EQ(interceptZones(c.lim), c.zones);
    EXPECT_TRUE(fixesIntercept(XvsY, true, true));
    EXPECT_TRUE(fixesIntercept(XvsLnY, true, true));
    EXPECT_FALSE(fixesIntercept(XvsY, false, true));
    EXPECT_FALSE(fixesIntercept(XvsY, true, false));
    for (int type : {LnXvsY, LnXvsLnY, InvXvsLnY, Lmp})
        EXPECT_FALSE(fixesIntercept(type, true, true)) << type;
}

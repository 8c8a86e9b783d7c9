// The Shell sort of table rows and fit points: order, the placement of equal keys, and odd keys.
#include "tables/ShellSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

std::vector<double> keysInOrder(const std::vector<double> &keys, const std::vector<int> &order) {
    std::vector<double> sorted;
    for (int i : order)
        sorted.push_back(keys[i]);
    return sorted;
}

} // namespace

TEST(ShellSort, OrdersTheTableExamples) {
    EXPECT_EQ(tableRowOrder({3, 1, 2}, false, true), (std::vector<int>{1, 2, 0}));
    // "% diff" by absolute value, descending: -5, 2, 4 becomes -5, 4, 2.
    EXPECT_EQ(tableRowOrder({-5, 2, 4}, true, false), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(tableRowOrder({-5, 2, 4}, false, true), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(tableRowOrder({-5, 2, 4}, false, false), (std::vector<int>{2, 1, 0}));
}

TEST(ShellSort, PlacesEqualKeysAsTheGapPassesLeaveThem) {
    // Gap 2 moves the second 1 ahead of the first; gap 1 never swaps equal keys back.
    EXPECT_EQ(shellSortOrder({2, 1, 1, 0}), (std::vector<int>{3, 2, 1, 0}));
    // Already sorted equal keys stay in place.
    EXPECT_EQ(shellSortOrder({1, 1, 1}), (std::vector<int>{0, 1, 2}));
    // Gap 2 moves 0 before the first 1 and 3 behind the second, which then leads.
    EXPECT_EQ(shellSortOrder({1, 3, 0, 1}), (std::vector<int>{2, 3, 0, 1}));
}

TEST(ShellSort, SortsEverySizeLikeAFullSort) {
    std::mt19937 random(7);
    for (int n : {0, 1, 2, 3, 4, 5, 7, 8, 16, 31, 32, 33, 100, 1000, 1024, 4097}) {
        std::vector<double> keys(n);
        for (double &k : keys)
            k = static_cast<int>(random() % 50) - 25;
        const std::vector<int> order = shellSortOrder(keys);
        std::vector<int> indices = order;
        std::sort(indices.begin(), indices.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(indices[i], i) << "not a permutation for n = " << n;
        std::vector<double> expected = keys;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(keysInOrder(keys, order), expected) << n;
    }
}

TEST(ShellSort, NonFiniteKeysNeitherHangNorLoseRows) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    const std::vector<double> keys = {3, nan, -inf, 1, inf, nan, 0};
    std::vector<int> order = shellSortOrder(keys);
    std::sort(order.begin(), order.end());
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(tableRowOrder({-inf, 2}, true, false), (std::vector<int>{0, 1}));
}

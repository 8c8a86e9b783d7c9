// Shell sort of keys into an index order, used by the point tables and the fit.
#include "tables/ShellSort.h"

#include <cmath>
#include <numeric>

std::vector<int> shellSortOrder(const std::vector<double> &keys) {
    const int n = static_cast<int>(keys.size());
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (n == 0)
        return order;
    std::vector<double> sorted = keys;
    const int passes = static_cast<int>(std::log(static_cast<double>(n)) * 1.442695022) + 1;
    int gap = n;
    for (int pass = 0; pass < passes; ++pass) {
        gap /= 2;
        if (gap == 0)
            break;
        for (int i = gap; i < n; ++i) {
            const double key = sorted[i];
            const int index = order[i];
            int j = i;
            for (; j >= gap && sorted[j - gap] > key; j -= gap) {
                sorted[j] = sorted[j - gap];
                order[j] = order[j - gap];
            }
            sorted[j] = key;
            order[j] = index;
        }
    }
    return order;
}

std::vector<int> tableRowOrder(std::vector<double> keys, bool absolute, bool ascending) {
    for (double &key : keys) {
        if (absolute)
            key = std::fabs(key);
        if (!ascending)
            key = -key;
    }
    return shellSortOrder(keys);
}

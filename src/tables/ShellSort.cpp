// Shell sort of keys into an index order, used by the point tables and the fit.
#include "tables/ShellSort.h"

#include <cmath>

std::vector<int> shellSortOrder(const std::vector<double> &keys) {
    const int n = static_cast<int>(keys.size());
    // Key and index side by side, so that each move touches one place.
    struct Entry {
        double key;
        int index;
    };
    std::vector<Entry> entries(n);
    for (int i = 0; i < n; ++i)
        entries[i] = {keys[i], i};
    const int passes = n > 0 ? static_cast<int>(std::log(static_cast<double>(n)) * 1.442695022) + 1 : 0;
    int gap = n;
    for (int pass = 0; pass < passes; ++pass) {
        gap /= 2;
        if (gap == 0)
            break;
        for (int i = gap; i < n; ++i) {
            const Entry entry = entries[i];
            int j = i;
            for (; j >= gap && entries[j - gap].key > entry.key; j -= gap)
                entries[j] = entries[j - gap];
            entries[j] = entry;
        }
    }
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i)
        order[i] = entries[i].index;
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

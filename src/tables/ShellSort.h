// The Shell sort that orders table rows and fit points by a numeric key.
#pragma once
#include <vector>

// The ascending order of `keys` as this Shell sort leaves it: entry i is the index of the key that ends
// in place i. The gap is halved before each pass (n/2, n/4, ...) for floor(ln(n) * 1.442695022) + 1
// passes; within a pass an element moves left only past strictly greater keys, so equal keys keep no
// guaranteed order and NaN keys stay where the passes leave them.
std::vector<int> shellSortOrder(const std::vector<double> &keys);

// The row order for ordering a table by a key column: keys made absolute when asked; descending is the
// ascending order of the negated keys.
std::vector<int> tableRowOrder(std::vector<double> keys, bool absolute, bool ascending);

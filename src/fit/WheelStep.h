// The pixel step of the mouse wheel on the zone-limit fields.
#pragma once
#include <functional>
#include <string>

// With T0 the text at pixel 100: one more than the larger of the smallest offsets k >= 1 to the right
// and to the left whose text differs from T0. A side without a change within searchLimit pixels counts
// as 0, so a plot whose x range is empty gives 1.
int wheelStep(const std::function<std::string(int pixel)> &textAtPixel, int searchLimit);

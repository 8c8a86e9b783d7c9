// Wheel step from the resolution of the fit plot's x texts.
#include "fit/WheelStep.h"

#include <algorithm>

int wheelStep(const std::function<std::string(int pixel)> &textAtPixel, int searchLimit) {
    const int centre = 100;
    const std::string reference = textAtPixel(centre);
    auto firstChange = [&](int direction) {
        for (int offset = 1; offset <= searchLimit; ++offset)
            if (textAtPixel(centre + direction * offset) != reference)
                return offset;
        return 0;
    };
    return std::max(firstChange(1), firstChange(-1)) + 1;
}

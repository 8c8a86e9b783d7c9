// The hover colour rule of the flat menu styling.
#include "ui/HighlightColor.h"

#include <algorithm>
#include <cmath>

uint32_t highlightColor(uint32_t color) {
    unsigned r = (color >> 16) & 0xFF, g = (color >> 8) & 0xFF, b = color & 0xFF;
    if (r > 216 || g > 216 || b > 216) {
        r = r * 85 / 100;
        g = g * 85 / 100;
        b = b * 85 / 100;
    } else {
        unsigned m = g > r ? g : std::max(r, b);
        if (r < 50 && g < 50 && b < 50) r = g = b = m + 50;
        unsigned h = m < 100 ? 2 * (10 - static_cast<unsigned>(std::floor(std::sqrt(double(m))))) : 0;
        r = (r * 115 / 100 + h) & 0xFF;
        g = (g * 115 / 100 + h) & 0xFF;
        b = (b * 115 / 100 + h) & 0xFF;
    }
    return 0xFF000000u | r << 16 | g << 8 | b;
}

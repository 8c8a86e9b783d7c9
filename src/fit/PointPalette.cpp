// The point colour palette of the fit plot.
#include "fit/PointPalette.h"

uint32_t pointPaletteColour(int index, bool blackBackground) {
    static const uint32_t palette[pointPaletteSize] = {
        0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFF8080FF, 0xFFA3E69A, 0xFFFF8080,
        0xFF008000, 0xFFBEA03C, 0xFF48AEA7, 0xFF947E63, 0xFFD2695F, 0xFFF0962D, 0xFFFFFF00, 0xFFFFB9ED,
        0xFF8296AF, 0xFFBE0000, 0xFF9632FF, 0xFF00B0F0, 0xFFBEFA00, 0xFF800040,
    };
    if (index >= 0 && index < pointPaletteSize)
        return palette[index];
    return blackBackground ? 0xFFFFFFFF : 0xFF000000;
}

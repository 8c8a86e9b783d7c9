// The 22 point colours of the fit plot, used by equation and by temperature.
#pragma once
#include <cstdint>

constexpr int pointPaletteSize = 22;

// Palette entry `index` as opaque 0xAARRGGBB; an index outside the palette gives white on a black
// plot background and black otherwise.
uint32_t pointPaletteColour(int index, bool blackBackground = false);

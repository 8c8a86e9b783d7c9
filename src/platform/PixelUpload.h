// Sending a picture of ARGB words straight to the display side of a toolkit image.
#pragma once
#include <fx.h>

#include <cstdint>

// Puts the pixels (0xAARRGGBB, row by row, the image's width x height) onto the image's display side when
// the display keeps its pixels as 32-bit words with red, green and blue where ARGB has them, which saves
// the toolkit's conversion; false, with nothing sent, for any other display.
bool putArgbPixels(FXImage *image, const uint32_t *pixels);

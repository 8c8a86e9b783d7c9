// The About box logo compiled into the program: a 64x64 picture of a fitted plot.
#pragma once

// 64x64 pixels, row by row, each pixel as red, green, blue bytes; drawn by scripts/make-icons.py.
extern const unsigned char aboutLogoRgb[64 * 64 * 3];

// Clipboard bitmaps: reading a device-independent bitmap (DIB) or a whole BMP file, and building a BMP file.
#pragma once
#include "image/DecodedImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads a DIB block: a BITMAPINFOHEADER (or a larger header of the same family), for BI_BITFIELDS with a
// 40-byte header the three colour masks, an optional colour table, then the pixel rows. Only uncompressed
// 24- and 32-bit pixels are taken; anything else, and any block shorter than its header claims, is refused
// with a message and nothing is read outside the block.
DecodedImage parseDib(const uint8_t *data, size_t size);

// Reads a whole BMP file (the 14-byte file header, then a DIB), as the "image/bmp" clipboard target holds it.
// The pixel rows start where the file header's offset says, when that offset lies past the info header.
DecodedImage parseBmpFile(const uint8_t *data, size_t size);

// Builds a bottom-up BMP file of 24 or 32 bits per pixel (BI_RGB, the fourth byte 0xFF) from ARGB pixels
// stored row by row from the top-left. Empty when the size is not acceptable or bitsPerPixel is not 24 or 32.
std::vector<uint8_t> buildBmpFile(const uint32_t *pixels, int width, int height, int bitsPerPixel);

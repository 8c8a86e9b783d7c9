// Pictures on the X11 clipboard, exchanged as BMP files (a 14-byte file header, then a DIB).
#pragma once
#include <fx.h>

#include <cstdint>
#include <vector>

// Reads the clipboard's picture as a BMP file: the bytes of an offered "image/bmp" or, when only "image/png"
// is offered, that picture decoded by the toolkit and handed on as a 32-bit BMP. False when there is none.
bool readClipboardBitmap(FXWindow* window, std::vector<uint8_t>& bmpFile);

// Pictures on the X11 clipboard, exchanged as device-independent bitmaps.
#pragma once
#include <fx.h>

#include <cstdint>
#include <vector>

// Reads the clipboard's picture as a DIB block (the info header, then the pixel rows): the bytes of an offered
// "image/bmp" after its 14-byte file header or, when only "image/png" is offered, that picture decoded by the
// toolkit and handed on as a 32-bit top-down DIB. False when the clipboard holds no picture.
bool readClipboardDib(FXWindow* window, std::vector<uint8_t>& dib);

// Clipboard pictures through the "image/bmp" and "image/png" targets.
#include "platform/ClipboardImage.h"

#include <FXPNGImage.h>

#include "image/Dib.h"

namespace {
bool readTarget(FXWindow* window, FXDragType type, std::vector<uint8_t>& bytes) {
    if (!window->offeredDNDType(FROM_CLIPBOARD, type)) return false;
    FXuchar* data = nullptr;
    FXuint size = 0;
    if (!window->getDNDData(FROM_CLIPBOARD, type, data, size) || !data) return false;
    bytes.assign(data, data + size);
    FXFREE(&data);
    return true;
}

// The IHDR chunk follows the 8-byte signature: width and height are big-endian at bytes 16 and 20.
bool pngSizeAcceptable(const std::vector<uint8_t>& png) {
    if (png.size() < 24) return false;
    auto word = [&](size_t at) {
        return uint32_t(png[at]) << 24 | uint32_t(png[at + 1]) << 16 | uint32_t(png[at + 2]) << 8 | png[at + 3];
    };
    return imageSizeAcceptable(word(16), word(20));
}
} // namespace

bool readClipboardBitmap(FXWindow* window, std::vector<uint8_t>& bmpFile) {
    FXApp* app = window->getApp();
    std::vector<uint8_t> bytes;
    if (readTarget(window, app->registerDragType("image/bmp"), bytes)) {
        bmpFile = std::move(bytes);
        return true;
    }
    if (!readTarget(window, app->registerDragType("image/png"), bytes)) return false;
    if (!pngSizeAcceptable(bytes)) return false;
    FXMemoryStream stream;
    stream.open(FXStreamLoad, bytes.size(), bytes.data());
    FXColor* pixels = nullptr;
    FXint width = 0, height = 0;
    bool decoded = fxloadPNG(stream, pixels, width, height);
    stream.close();
    if (!decoded || !pixels || width <= 0 || height <= 0) {
        FXFREE(&pixels);
        return false;
    }
    std::vector<uint32_t> argb(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < argb.size(); i++)
        argb[i] = 0xFF000000u | FXREDVAL(pixels[i]) << 16 | FXGREENVAL(pixels[i]) << 8 | FXBLUEVAL(pixels[i]);
    FXFREE(&pixels);
    bmpFile = buildBmpFile(argb.data(), width, height, 32);
    return !bmpFile.empty();
}

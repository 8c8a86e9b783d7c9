// Reading and building device-independent bitmaps with every size checked against the bytes at hand.
#include "image/Dib.h"

#include <string>

namespace {

constexpr size_t infoHeaderSize = 40;
constexpr size_t fileHeaderSize = 14;
constexpr uint32_t compressionRgb = 0;
constexpr uint32_t compressionBitfields = 3;

uint32_t readLe32(const uint8_t *p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t readLe16(const uint8_t *p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

void writeLe32(std::vector<uint8_t> &out, uint32_t v) {
    for (int i = 0; i < 4; i++)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void writeLe16(std::vector<uint8_t> &out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

DecodedImage refused(const std::string &message) {
    DecodedImage result;
    result.message = message;
    return result;
}

std::string sizeText(int64_t width, int64_t height) {
    return std::to_string(width) + " x " + std::to_string(height) + " pixels";
}

const char *const incompleteMessage = "The bitmap on the clipboard is incomplete.";

// Byte positions of red, green and blue inside one pixel.
struct ChannelBytes {
    int red = 2, green = 1, blue = 0;
};

// The byte that an 8-bit mask selects, or -1 when the mask is not one whole byte of the pixel.
int maskByte(uint32_t mask, int bytesPerPixel) {
    for (int k = 0; k < bytesPerPixel; k++)
        if (mask == 0xFFu << (8 * k))
            return k;
    return -1;
}

// BI_BITFIELDS masks: all zero means the usual order; otherwise each must pick one distinct byte.
bool readMasks(const uint8_t *masks, int bytesPerPixel, ChannelBytes &channels) {
    uint32_t red = readLe32(masks), green = readLe32(masks + 4), blue = readLe32(masks + 8);
    if (red == 0 && green == 0 && blue == 0)
        return true;
    channels = {maskByte(red, bytesPerPixel), maskByte(green, bytesPerPixel), maskByte(blue, bytesPerPixel)};
    return channels.red >= 0 && channels.green >= 0 && channels.blue >= 0 && channels.red != channels.green &&
           channels.red != channels.blue && channels.green != channels.blue;
}

// Reads the DIB; pixelOffset is where the rows start inside the block, or -1 to take it from the header.
DecodedImage readDib(const uint8_t *data, size_t size, int64_t pixelOffset) {
    if (!data || size < infoHeaderSize)
        return refused(incompleteMessage);
    const uint32_t headerSize = readLe32(data);
    if (headerSize < infoHeaderSize)
        return refused("The bitmap on the clipboard has an old-style header that cannot be read.");
    const int64_t width = static_cast<int32_t>(readLe32(data + 4));
    const int64_t storedHeight = static_cast<int32_t>(readLe32(data + 8));
    const int bitCount = readLe16(data + 14);
    const uint32_t compression = readLe32(data + 16);
    const uint32_t colorsUsed = readLe32(data + 32);

    if (compression != compressionRgb && compression != compressionBitfields)
        return refused("The bitmap on the clipboard is compressed; only uncompressed bitmaps can be pasted.");
    if (bitCount != 24 && bitCount != 32)
        return refused("The bitmap on the clipboard has " + std::to_string(bitCount) +
                       " bits per pixel; only 24-bit and 32-bit bitmaps can be pasted.");
    const bool topDown = storedHeight < 0;
    const int64_t height = topDown ? -storedHeight : storedHeight;
    if (width <= 0 || height == 0)
        return refused("The bitmap on the clipboard has an invalid size of " + sizeText(width, storedHeight) +
                       ".");
    if (!imageSizeAcceptable(width, height))
        return refused("The bitmap on the clipboard is too large (" + sizeText(width, height) +
                       "); at most 32768 pixels per side and 268435456 pixels in all can be pasted.");

    const int bytesPerPixel = bitCount / 8;
    // The masks sit at bytes 40-51 both after a 40-byte header and inside the larger headers.
    const uint64_t headerEnd =
        headerSize + (compression == compressionBitfields && headerSize == 40 ? 12u : 0u);
    if (headerEnd > size)
        return refused(incompleteMessage);
    ChannelBytes channels;
    if (compression == compressionBitfields && !readMasks(data + 40, bytesPerPixel, channels))
        return refused("The bitmap on the clipboard uses colour masks that cannot be read.");

    const uint64_t start = pixelOffset >= 0 && uint64_t(pixelOffset) >= headerEnd
                               ? uint64_t(pixelOffset)
                               : headerEnd + uint64_t(colorsUsed) * 4;
    const uint64_t rowBytes = uint64_t(width) * bytesPerPixel;
    const uint64_t stride = (rowBytes + 3) / 4 * 4;
    if (start > size || stride * uint64_t(height - 1) + rowBytes > size - start)
        return refused(incompleteMessage);

    DecodedImage result;
    result.ok = true;
    result.width = static_cast<int>(width);
    result.height = static_cast<int>(height);
    result.pixels.resize(size_t(width) * size_t(height));
    for (int64_t y = 0; y < height; y++) {
        const int64_t storedRow = topDown ? y : height - 1 - y;
        const uint8_t *p = data + start + storedRow * stride;
        uint32_t *out = &result.pixels[size_t(y) * size_t(width)];
        for (int64_t x = 0; x < width; x++, p += bytesPerPixel)
            out[x] = 0xFF000000u | uint32_t(p[channels.red]) << 16 | uint32_t(p[channels.green]) << 8 |
                     p[channels.blue];
    }
    return result;
}

} // namespace

DecodedImage parseDib(const uint8_t *data, size_t size) {
    return readDib(data, size, -1);
}

DecodedImage parseBmpFile(const uint8_t *data, size_t size) {
    if (!data || size < fileHeaderSize || data[0] != 'B' || data[1] != 'M')
        return refused("The picture on the clipboard is not a BMP file.");
    const uint32_t dataOffset = readLe32(data + 10);
    const int64_t pixelOffset =
        dataOffset > fileHeaderSize ? int64_t(dataOffset) - int64_t(fileHeaderSize) : -1;
    return readDib(data + fileHeaderSize, size - fileHeaderSize, pixelOffset);
}

std::vector<uint8_t> buildBmpFile(const uint32_t *pixels, int width, int height, int bitsPerPixel) {
    if (!pixels || !imageSizeAcceptable(width, height) || (bitsPerPixel != 24 && bitsPerPixel != 32))
        return {};
    const int bytesPerPixel = bitsPerPixel / 8;
    const uint32_t stride = (uint32_t(width) * bytesPerPixel + 3) / 4 * 4;
    const uint32_t imageBytes = stride * uint32_t(height);
    const uint32_t dataOffset = fileHeaderSize + infoHeaderSize;

    std::vector<uint8_t> out;
    out.reserve(dataOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    writeLe32(out, dataOffset + imageBytes);
    writeLe32(out, 0);
    writeLe32(out, dataOffset);
    writeLe32(out, infoHeaderSize);
    writeLe32(out, uint32_t(width));
    writeLe32(out, uint32_t(height));
    writeLe16(out, 1);
    writeLe16(out, static_cast<uint16_t>(bitsPerPixel));
    writeLe32(out, compressionRgb);
    writeLe32(out, imageBytes);
    writeLe32(out, 2835); // 72 dots per inch, in pixels per metre
    writeLe32(out, 2835);
    writeLe32(out, 0);
    writeLe32(out, 0);
    for (int y = height - 1; y >= 0; y--) {
        const uint32_t *row = pixels + size_t(y) * size_t(width);
        for (int x = 0; x < width; x++) {
            out.push_back(static_cast<uint8_t>(row[x]));
            out.push_back(static_cast<uint8_t>(row[x] >> 8));
            out.push_back(static_cast<uint8_t>(row[x] >> 16));
            if (bytesPerPixel == 4)
                out.push_back(0xFF);
        }
        out.resize(out.size() + (stride - uint32_t(width) * bytesPerPixel), 0);
    }
    return out;
}

// Codec choice by extension and per-format header checks that catch damaged files before they are decoded.
#include "image/ImageFormat.h"

#include "image/DecodedImage.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// The probed bytes of a file; every read is checked against their count.
struct Head {
    const uint8_t *data;
    size_t size;

    bool has(size_t offset, size_t count) const { return offset <= size && count <= size - offset; }
    bool startsWith(const char *text) const {
        size_t n = std::strlen(text);
        return has(0, n) && std::memcmp(data, text, n) == 0;
    }
    uint32_t le16(size_t o) const { return data[o] | data[o + 1] << 8; }
    uint32_t le32(size_t o) const { return le16(o) | le16(o + 2) << 16; }
    uint32_t be16(size_t o) const { return data[o] << 8 | data[o + 1]; }
    uint32_t be32(size_t o) const { return be16(o) << 16 | be16(o + 2); }
};

const std::string tooShort = "The file is too short for its format.";
const std::string dataMissing = "The file is shorter than the pixel data its header announces.";

std::string wrongFormat(const char *kind) {
    return std::string("The file is not ") + kind + " file.";
}

std::string checkSize(int64_t width, int64_t height) {
    if (imageSizeAcceptable(width, height))
        return {};
    return "The picture size of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels is not acceptable.";
}

// Walks the blocks after the screen descriptor to the first image descriptor, as far as the probe reaches.
std::string checkGif(const Head &h) {
    if (!h.startsWith("GIF8"))
        return wrongFormat("a GIF");
    if (!h.has(0, 13))
        return tooShort;
    size_t pos = 13;
    if (h.data[10] & 0x80)
        pos += 3u << (1 + (h.data[10] & 7));
    while (h.has(pos, 1)) {
        const uint8_t tag = h.data[pos];
        if (tag == 0x2C) {
            if (!h.has(pos, 10))
                return {};
            return checkSize(h.le16(pos + 5), h.le16(pos + 7));
        }
        if (tag == 0x3B)
            return "The GIF file holds no picture.";
        if (tag != 0x21)
            return {};
        pos += 2;
        while (h.has(pos, 1) && h.data[pos] != 0)
            pos += 1 + h.data[pos];
        pos += 1;
    }
    return {};
}

std::string checkBmp(const Head &h, uint64_t fileSize) {
    if (!h.startsWith("BM"))
        return wrongFormat("a BMP");
    if (!h.has(0, 26))
        return tooShort;
    const uint32_t infoSize = h.le32(14);
    int64_t width, height;
    uint32_t bitCount, compression = 0;
    if (infoSize == 12) {
        width = h.le16(18);
        height = h.le16(20);
        bitCount = h.le16(24);
    } else {
        if (infoSize < 40)
            return "The BMP file has an unknown kind of header.";
        if (!h.has(0, 34))
            return tooShort;
        width = static_cast<int32_t>(h.le32(18));
        height = static_cast<int32_t>(h.le32(22));
        bitCount = h.le16(28);
        compression = h.le32(30);
    }
    if (height < 0)
        height = -height;
    std::string sizeProblem = checkSize(width, height);
    if (!sizeProblem.empty())
        return sizeProblem;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return "The BMP file has an unknown number of bits per pixel.";
    // Uncompressed rows cannot start before the end of the info header.
    if (compression == 0 || compression == 3) {
        const uint64_t rowBytes = (uint64_t(width) * bitCount + 7) / 8;
        const uint64_t stride = (uint64_t(width) * bitCount + 31) / 32 * 4;
        const uint64_t needed = 14 + uint64_t(infoSize) + stride * uint64_t(height - 1) + rowBytes;
        if (needed > fileSize)
            return dataMissing;
    }
    return {};
}

std::string checkPcx(const Head &h) {
    if (!h.has(0, 1) || h.data[0] != 0x0A)
        return wrongFormat("a PCX");
    if (!h.has(0, 128))
        return tooShort;
    const int64_t xMin = h.le16(4), yMin = h.le16(6), xMax = h.le16(8), yMax = h.le16(10);
    const int64_t width = xMax - xMin + 1, height = yMax - yMin + 1;
    std::string sizeProblem = checkSize(width, height);
    if (!sizeProblem.empty())
        return sizeProblem;
    const uint32_t bitsPerPlane = h.data[3], planes = h.data[65], bytesPerLine = h.le16(66);
    if (bitsPerPlane != 1 && bitsPerPlane != 2 && bitsPerPlane != 4 && bitsPerPlane != 8)
        return "The PCX file has an unknown number of bits per pixel.";
    if (planes < 1 || planes > 4)
        return "The PCX file has an unknown number of colour planes.";
    if (uint64_t(bytesPerLine) * 8 < uint64_t(width) * bitsPerPlane)
        return "The PCX file's lines are shorter than its picture is wide.";
    return {};
}

std::string checkTga(const Head &h, uint64_t fileSize) {
    if (!h.has(0, 18))
        return tooShort;
    const uint32_t idLength = h.data[0], colorMapType = h.data[1], imageType = h.data[2];
    const uint32_t mapLength = h.le16(5), mapEntryBits = h.data[7], bitCount = h.data[16];
    const bool uncompressed = imageType == 1 || imageType == 2 || imageType == 3;
    const bool compressed = imageType == 9 || imageType == 10 || imageType == 11;
    if (colorMapType > 1 || (!uncompressed && !compressed))
        return wrongFormat("a TGA");
    if (bitCount != 8 && bitCount != 15 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return "The TGA file has an unknown number of bits per pixel.";
    const int64_t width = h.le16(12), height = h.le16(14);
    std::string sizeProblem = checkSize(width, height);
    if (!sizeProblem.empty())
        return sizeProblem;
    const uint64_t mapBytes = colorMapType ? uint64_t(mapLength) * ((mapEntryBits + 7) / 8) : 0;
    const uint64_t pixelBytes = uncompressed ? uint64_t(width) * height * ((bitCount + 7) / 8) : 1;
    if (18 + idLength + mapBytes + pixelBytes > fileSize)
        return dataMissing;
    return {};
}

bool isPnmSpace(uint8_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool isDigit(uint8_t c) {
    return c >= '0' && c <= '9';
}

// Reads one decimal field of a PNM header, skipping white space and comments. False when the field is not a
// number, or when it runs to the end of the probed bytes (pos then equals their count).
bool readPnmNumber(const Head &h, size_t &pos, uint64_t &value) {
    while (h.has(pos, 1) && (isPnmSpace(h.data[pos]) || h.data[pos] == '#')) {
        if (h.data[pos] == '#')
            while (h.has(pos, 1) && h.data[pos] != '\n' && h.data[pos] != '\r')
                pos++;
        else
            pos++;
    }
    if (!h.has(pos, 1) || !isDigit(h.data[pos]))
        return false;
    value = 0;
    while (h.has(pos, 1) && isDigit(h.data[pos])) {
        if (value > 1000000000)
            return false;
        value = value * 10 + (h.data[pos++] - '0');
    }
    return h.has(pos, 1);
}

std::string checkPnm(const Head &h, uint64_t fileSize) {
    if (!h.has(0, 2) || h.data[0] != 'P' || h.data[1] < '1' || h.data[1] > '6')
        return wrongFormat("a PPM or PGM");
    const int kind = h.data[1] - '0';
    size_t pos = 2;
    uint64_t width = 0, height = 0, maxValue = 1;
    const bool complete = readPnmNumber(h, pos, width) && readPnmNumber(h, pos, height) &&
                          (kind == 1 || kind == 4 || readPnmNumber(h, pos, maxValue));
    if (!complete)
        return h.has(pos, 1) ? "The header of the PPM or PGM file cannot be read." : std::string();
    std::string sizeProblem = checkSize(int64_t(width), int64_t(height));
    if (!sizeProblem.empty())
        return sizeProblem;
    if (maxValue < 1 || maxValue > 65535)
        return "The PPM or PGM file has an invalid maximum value.";
    if (kind >= 4) {
        const uint64_t sampleBytes = maxValue > 255 ? 2 : 1;
        const uint64_t rowBytes = kind == 4 ? (width + 7) / 8 : width * sampleBytes * (kind == 6 ? 3 : 1);
        if (pos + 1 + rowBytes * height > fileSize)
            return dataMissing;
    }
    return {};
}

// The decoder walks the chunks up to the end the form announces, so that end must lie inside the file; the
// bitmap header is looked for among the chunks as far as the probe reaches.
std::string checkIff(const Head &h, uint64_t fileSize) {
    if (!h.has(0, 12) || !h.startsWith("FORM") || std::memcmp(h.data + 8, "ILBM", 4) != 0)
        return wrongFormat("an LBM");
    if (8 + uint64_t(h.be32(4)) > fileSize)
        return "The file is shorter than its form announces.";
    size_t pos = 12;
    while (h.has(pos, 8)) {
        const uint32_t chunkSize = h.be32(pos + 4);
        if (std::memcmp(h.data + pos, "BMHD", 4) == 0) {
            if (!h.has(pos + 8, 4))
                return {};
            return checkSize(h.be16(pos + 8), h.be16(pos + 10));
        }
        if (std::memcmp(h.data + pos, "BODY", 4) == 0)
            return "The LBM file has no bitmap header.";
        pos += 8 + uint64_t(chunkSize) + (chunkSize & 1);
    }
    return {};
}

std::string checkRas(const Head &h, uint64_t fileSize) {
    if (!h.has(0, 4) || h.be32(0) != 0x59A66A95u)
        return wrongFormat("a RAS");
    if (!h.has(0, 32))
        return tooShort;
    const int64_t width = h.be32(4), height = h.be32(8);
    const uint32_t depth = h.be32(12), type = h.be32(20), mapLength = h.be32(28);
    std::string sizeProblem = checkSize(width, height);
    if (!sizeProblem.empty())
        return sizeProblem;
    if (depth != 1 && depth != 8 && depth != 24 && depth != 32)
        return "The RAS file has an unknown number of bits per pixel.";
    const uint64_t stride = (uint64_t(width) * depth + 15) / 16 * 2;
    const uint64_t pixelBytes = type == 2 ? 0 : stride * uint64_t(height);
    if (32 + uint64_t(mapLength) + pixelBytes > fileSize)
        return dataMissing;
    return {};
}

} // namespace

std::optional<ImageCodec> codecForExtension(const std::string &extension) {
    std::string lower;
    for (char c : extension)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "gif")
        return ImageCodec::Gif;
    if (lower == "bmp")
        return ImageCodec::Bmp;
    if (lower == "pcx")
        return ImageCodec::Pcx;
    if (lower == "tga")
        return ImageCodec::Tga;
    if (lower == "ppm" || lower == "pgm")
        return ImageCodec::Ppm;
    if (lower == "lbm")
        return ImageCodec::Iff;
    if (lower == "ras")
        return ImageCodec::Ras;
    return std::nullopt;
}

std::string checkImageHeader(ImageCodec codec, const uint8_t *head, size_t headSize, uint64_t fileSize) {
    const Head h{head, head ? std::min<size_t>(headSize, imageHeaderProbeSize) : 0};
    switch (codec) {
    case ImageCodec::Gif:
        return checkGif(h);
    case ImageCodec::Bmp:
        return checkBmp(h, fileSize);
    case ImageCodec::Pcx:
        return checkPcx(h);
    case ImageCodec::Tga:
        return checkTga(h, fileSize);
    case ImageCodec::Ppm:
        return checkPnm(h, fileSize);
    case ImageCodec::Iff:
        return checkIff(h, fileSize);
    case ImageCodec::Ras:
        return checkRas(h, fileSize);
    }
    return {};
}

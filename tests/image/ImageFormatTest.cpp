// Codec choice by extension and the header checks that stop damaged picture files before decoding.
#include "image/ImageFormat.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::vector<uint8_t> bytes(std::initializer_list<int> list) {
    std::vector<uint8_t> b;
    for (int v : list)
        b.push_back(static_cast<uint8_t>(v));
    return b;
}
std::vector<uint8_t> text(const char *s) {
    return std::vector<uint8_t>(s, s + std::strlen(s));
}
std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
void putLe16(std::vector<uint8_t> &b, size_t at, unsigned v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}
void putLe32(std::vector<uint8_t> &b, size_t at, uint32_t v) {
    putLe16(b, at, v & 0xFFFF);
    putLe16(b, at + 2, v >> 16);
}
void putBe32(std::vector<uint8_t> &b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++)
        b[at + i] = uint8_t(v >> (24 - 8 * i));
}

// GIF: screen descriptor without colour table, an optional extension, then an image descriptor.
std::vector<uint8_t> gif(unsigned width, unsigned height, bool extension = false) {
    std::vector<uint8_t> b = text("GIF89a") + bytes({3, 0, 2, 0, 0, 0, 0});
    if (extension)
        b = b + bytes({0x21, 0xF9, 4, 1, 0, 0, 0, 0});
    std::vector<uint8_t> descriptor = bytes({0x2C, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    putLe16(descriptor, 5, width);
    putLe16(descriptor, 7, height);
    return b + descriptor + bytes({2, 2, 0x4C, 0x01, 0, 0x3B});
}

// BMP: file and info header of a 24-bit picture, with as many pixel bytes as given.
std::vector<uint8_t> bmp(int32_t width, int32_t height, size_t pixelBytes, unsigned bits = 24,
                         uint32_t compression = 0) {
    std::vector<uint8_t> b(54 + pixelBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    putLe32(b, 10, 54);
    putLe32(b, 14, 40);
    putLe32(b, 18, uint32_t(width));
    putLe32(b, 22, uint32_t(height));
    putLe16(b, 26, 1);
    putLe16(b, 28, bits);
    putLe32(b, 30, compression);
    return b;
}

std::vector<uint8_t> pcx(unsigned xMax, unsigned yMax, unsigned bytesPerLine) {
    std::vector<uint8_t> b(140, 0);
    b[0] = 0x0A;
    b[1] = 5;
    b[2] = 1;
    b[3] = 8;
    putLe16(b, 8, xMax);
    putLe16(b, 10, yMax);
    b[65] = 3;
    putLe16(b, 66, bytesPerLine);
    return b;
}

std::vector<uint8_t> tga(unsigned type, unsigned width, unsigned height, size_t pixelBytes) {
    std::vector<uint8_t> b(18 + pixelBytes, 0);
    b[2] = uint8_t(type);
    putLe16(b, 12, width);
    putLe16(b, 14, height);
    b[16] = 24;
    return b;
}

std::vector<uint8_t> iff(unsigned width, unsigned height, bool bodyFirst = false) {
    std::vector<uint8_t> b = text("FORM") + bytes({0, 0, 0, 0}) + text("ILBM");
    if (bodyFirst)
        b = b + text("BODY") + bytes({0, 0, 0, 2, 0, 0});
    b = b + text("BMHD") +
        bytes({0, 0, 0, 20, uint8_t(width >> 8), uint8_t(width), uint8_t(height >> 8), uint8_t(height)}) +
        std::vector<uint8_t>(16, 0);
    putBe32(b, 4, uint32_t(b.size() - 8));
    return b;
}

std::vector<uint8_t> ras(uint32_t width, uint32_t height, uint32_t depth, uint32_t type, size_t pixelBytes) {
    std::vector<uint8_t> b(32 + pixelBytes, 0);
    putBe32(b, 0, 0x59A66A95);
    putBe32(b, 4, width);
    putBe32(b, 8, height);
    putBe32(b, 12, depth);
    putBe32(b, 20, type);
    return b;
}

} // namespace

TEST(ImageFormat, CodecFollowsTheExtensionWithoutRegardToCase) {
    struct Case {
        const char *extension;
        std::optional<ImageCodec> codec;
    } cases[] = {
        {"gif", ImageCodec::Gif}, {"GIF", ImageCodec::Gif}, {"Bmp", ImageCodec::Bmp},
        {"pcx", ImageCodec::Pcx}, {"TGA", ImageCodec::Tga}, {"ppm", ImageCodec::Ppm},
        {"pgm", ImageCodec::Ppm}, {"PGM", ImageCodec::Ppm}, {"lbm", ImageCodec::Iff},
        {"LbM", ImageCodec::Iff}, {"ras", ImageCodec::Ras}, {"jpg", std::nullopt},
        {"", std::nullopt},       {"png", std::nullopt},    {"iff", std::nullopt},
        {"gif ", std::nullopt},   {".gif", std::nullopt},   {"gi", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(codecForExtension(c.extension), c.codec) << '"' << c.extension << '"';
}

TEST(ImageFormat, HeaderChecksPassSoundFilesAndStopDamagedOnes) {
    const std::string ok;
    const std::vector<uint8_t> pcxHead = pcx(2, 1, 4);
    std::vector<uint8_t> iffCut = iff(3, 2);
    iffCut.pop_back();
    struct Case {
        const char *what;
        ImageCodec codec;
        std::vector<uint8_t> head;
        std::string problem; // empty: nothing speaks against decoding
    } cases[] = {
        {"gif", ImageCodec::Gif, gif(3, 2), ok},
        {"gif after an extension", ImageCodec::Gif, gif(3, 2, true), ok},
        {"gif zero width", ImageCodec::Gif, gif(0, 2), "The picture size of 0 x 2 pixels is not acceptable."},
        {"gif too wide", ImageCodec::Gif, gif(40000, 2, true),
         "The picture size of 40000 x 2 pixels is not acceptable."},
        {"gif signature", ImageCodec::Gif, text("GIX89a") + gif(3, 2), "The file is not a GIF file."},
        {"gif cut in the screen descriptor", ImageCodec::Gif, text("GIF89a\3\0"),
         "The file is too short for its format."},
        {"gif without picture", ImageCodec::Gif, text("GIF89a") + bytes({3, 0, 2, 0, 0, 0, 0, 0x3B}),
         "The GIF file holds no picture."},
        {"bmp", ImageCodec::Bmp, bmp(3, 2, 24), ok},
        {"bmp top-down", ImageCodec::Bmp, bmp(3, -2, 24), ok},
        {"bmp without last padding", ImageCodec::Bmp, bmp(3, 2, 21), ok},
        {"bmp rows missing", ImageCodec::Bmp, bmp(3, 2, 20),
         "The file is shorter than the pixel data its header announces."},
        {"bmp huge", ImageCodec::Bmp, bmp(30000, 30000, 24),
         "The picture size of 30000 x 30000 pixels is not acceptable."},
        {"bmp negative width", ImageCodec::Bmp, bmp(-3, 2, 24),
         "The picture size of -3 x 2 pixels is not acceptable."},
        {"bmp 7 bits", ImageCodec::Bmp, bmp(3, 2, 24, 7),
         "The BMP file has an unknown number of bits per pixel."},
        {"bmp run-length coded", ImageCodec::Bmp, bmp(300, 200, 10, 8, 1), ok},
        {"bmp signature", ImageCodec::Bmp, text("MB") + bmp(3, 2, 24), "The file is not a BMP file."},
        {"pcx", ImageCodec::Pcx, pcx(2, 1, 4), ok},
        {"pcx too wide", ImageCodec::Pcx, pcx(0xFFFF, 1, 4),
         "The picture size of 65536 x 2 pixels is not acceptable."},
        {"pcx lines too short", ImageCodec::Pcx, pcx(99, 1, 4),
         "The PCX file's lines are shorter than its picture is wide."},
        {"pcx cut", ImageCodec::Pcx, std::vector<uint8_t>(pcxHead.begin(), pcxHead.begin() + 100),
         "The file is too short for its format."},
        {"tga", ImageCodec::Tga, tga(2, 3, 2, 18), ok},
        {"tga pixels missing", ImageCodec::Tga, tga(2, 3, 2, 17),
         "The file is shorter than the pixel data its header announces."},
        {"tga run-length coded", ImageCodec::Tga, tga(10, 300, 200, 5), ok},
        {"tga no image", ImageCodec::Tga, tga(0, 3, 2, 18), "The file is not a TGA file."},
        {"tga zero height", ImageCodec::Tga, tga(2, 3, 0, 18),
         "The picture size of 3 x 0 pixels is not acceptable."},
        {"ppm", ImageCodec::Ppm, text("P6\n# made by hand\n3 2\n255\n") + std::vector<uint8_t>(18, 7), ok},
        {"pgm", ImageCodec::Ppm, text("P5 3 2 255 ") + std::vector<uint8_t>(6, 7), ok},
        {"ppm pixels missing", ImageCodec::Ppm, text("P6\n3 2\n255\n") + std::vector<uint8_t>(17, 7),
         "The file is shorter than the pixel data its header announces."},
        {"ppm 16-bit samples", ImageCodec::Ppm, text("P5\n3 2\n65535\n") + std::vector<uint8_t>(11, 7),
         "The file is shorter than the pixel data its header announces."},
        {"ppm letters for numbers", ImageCodec::Ppm, text("P6\nthree 2\n255\n"),
         "The header of the PPM or PGM file cannot be read."},
        {"ppm header cut", ImageCodec::Ppm, text("P6\n3 2"), ok},
        {"ppm huge", ImageCodec::Ppm, text("P6\n99999 2\n255\n"),
         "The picture size of 99999 x 2 pixels is not acceptable."},
        {"ppm endless number", ImageCodec::Ppm, text("P6\n99999999999999999999 2\n255\n"),
         "The header of the PPM or PGM file cannot be read."},
        {"ppm zero maximum", ImageCodec::Ppm, text("P6\n3 2\n0\n") + std::vector<uint8_t>(18, 7),
         "The PPM or PGM file has an invalid maximum value."},
        {"ppm signature", ImageCodec::Ppm, text("P7\n3 2\n255\n"), "The file is not a PPM or PGM file."},
        {"lbm", ImageCodec::Iff, iff(3, 2), ok},
        {"lbm zero width", ImageCodec::Iff, iff(0, 2), "The picture size of 0 x 2 pixels is not acceptable."},
        {"lbm form longer than the file", ImageCodec::Iff, iffCut,
         "The file is shorter than its form announces."},
        {"lbm body first", ImageCodec::Iff, iff(3, 2, true), "The LBM file has no bitmap header."},
        {"lbm other form", ImageCodec::Iff, text("FORM") + bytes({0, 0, 0, 16}) + text("PBM "),
         "The file is not an LBM file."},
        {"ras", ImageCodec::Ras, ras(3, 2, 24, 1, 20), ok},
        {"ras pixels missing", ImageCodec::Ras, ras(3, 2, 24, 1, 19),
         "The file is shorter than the pixel data its header announces."},
        {"ras run-length coded", ImageCodec::Ras, ras(300, 200, 8, 2, 4), ok},
        {"ras 5 bits", ImageCodec::Ras, ras(3, 2, 5, 1, 16),
         "The RAS file has an unknown number of bits per pixel."},
        {"ras huge", ImageCodec::Ras, ras(0xFFFFFFFF, 2, 8, 1, 16),
         "The picture size of 4294967295 x 2 pixels is not acceptable."},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkImageHeader(c.codec, c.head.data(), c.head.size(), c.head.size()), c.problem)
            << c.what;
}

TEST(ImageFormat, HeaderChecksLookOnlyAtTheProbedBytes) {
    // Only the header is probed; the file's length alone tells whether the rows can be there.
    std::vector<uint8_t> head = bmp(3, 2, 24);
    EXPECT_EQ(checkImageHeader(ImageCodec::Bmp, head.data(), 54, head.size()), "");
    EXPECT_NE(checkImageHeader(ImageCodec::Bmp, head.data(), 54, 60), "");
    for (ImageCodec codec : {ImageCodec::Gif, ImageCodec::Bmp, ImageCodec::Pcx, ImageCodec::Tga,
                             ImageCodec::Ppm, ImageCodec::Iff, ImageCodec::Ras}) {
        EXPECT_NE(checkImageHeader(codec, nullptr, 0, 0), "");
        EXPECT_NE(checkImageHeader(codec, head.data(), 1, 1), "");
    }
}

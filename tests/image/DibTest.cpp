// Clipboard bitmaps: row order, pixel offsets and masks, malformed blocks refused, BMP files both ways.
#include "image/Dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct DibHeader {
    int32_t width = 3;
    int32_t height = 2;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    uint32_t colorsUsed = 0;
};

void putLe32(std::vector<uint8_t> &b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// The info header (headerSize bytes, at least the 40 written here) followed by the given bytes.
std::vector<uint8_t> dib(const DibHeader &h, const std::vector<uint8_t> &rest) {
    std::vector<uint8_t> b(std::max<uint32_t>(h.headerSize, 40), 0);
    putLe32(b, 0, h.headerSize);
    putLe32(b, 4, uint32_t(h.width));
    putLe32(b, 8, uint32_t(h.height));
    b[12] = 1;
    b[14] = static_cast<uint8_t>(h.bitCount);
    putLe32(b, 16, h.compression);
    putLe32(b, 32, h.colorsUsed);
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

// Two stored rows of three 24-bit pixels, each padded with 0xEE to the 12-byte stride.
const std::vector<uint8_t> rows24 = {
    0x01, 0x02, 0x03, 0x11, 0x12, 0x13, 0x21, 0x22, 0x23, 0xEE, 0xEE, 0xEE, // stored first
    0x31, 0x32, 0x33, 0x41, 0x42, 0x43, 0x51, 0x52, 0x53, 0xEE, 0xEE, 0xEE, // stored second
};
const std::vector<uint32_t> storedFirst = {0xFF030201, 0xFF131211, 0xFF232221};
const std::vector<uint32_t> storedSecond = {0xFF333231, 0xFF434241, 0xFF535251};

std::vector<uint32_t> concat(std::vector<uint32_t> a, const std::vector<uint32_t> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

DecodedImage parse(const std::vector<uint8_t> &block) {
    // An exact-size copy on the heap, so that any read past the end is caught by the sanitizer build.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[block.size() ? block.size() : 1]);
    if (!block.empty())
        std::memcpy(copy.get(), block.data(), block.size());
    return parseDib(copy.get(), block.size());
}

} // namespace

TEST(Dib, BottomUpRowsAreTurnedUprightAndTopDownRowsKept) {
    DecodedImage up = parse(dib({}, rows24));
    ASSERT_TRUE(up.ok) << up.message;
    EXPECT_EQ(up.width, 3);
    EXPECT_EQ(up.height, 2);
    EXPECT_EQ(up.pixels, concat(storedSecond, storedFirst));

    DibHeader topDown;
    topDown.height = -2;
    DecodedImage down = parse(dib(topDown, rows24));
    ASSERT_TRUE(down.ok) << down.message;
    EXPECT_EQ(down.height, 2);
    EXPECT_EQ(down.pixels, concat(storedFirst, storedSecond));
}

TEST(Dib, BitfieldsPixelsStartAfterTheMasksAndTheFourthByteIsIgnored) {
    DibHeader h;
    h.width = 2;
    h.height = -1;
    h.bitCount = 32;
    h.compression = 3;
    const std::vector<uint8_t> standardMasks = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    std::vector<uint8_t> rest = standardMasks;
    rest.insert(rest.end(), {0x10, 0x20, 0x30, 0x00, 0x40, 0x50, 0x60, 0x7F});
    DecodedImage image = parse(dib(h, rest));
    ASSERT_TRUE(image.ok) << image.message;
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF302010, 0xFF605040}));

    // Masks that name other bytes are followed; all-zero masks mean the usual order.
    const std::vector<uint8_t> redFirst = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
    std::copy(redFirst.begin(), redFirst.end(), rest.begin());
    image = parse(dib(h, rest));
    ASSERT_TRUE(image.ok) << image.message;
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF102030, 0xFF405060}));
    std::fill(rest.begin(), rest.begin() + 12, 0);
    EXPECT_EQ(parse(dib(h, rest)).pixels, (std::vector<uint32_t>{0xFF302010, 0xFF605040}));
}

TEST(Dib, ColourTablesAndLargerHeadersAreSkipped) {
    DibHeader withTable;
    withTable.colorsUsed = 2;
    std::vector<uint8_t> rest(8, 0x99);
    rest.insert(rest.end(), rows24.begin(), rows24.end());
    EXPECT_EQ(parse(dib(withTable, rest)).pixels, concat(storedSecond, storedFirst));

    // A version 5 header holds its masks itself: the rows follow its 124 bytes.
    DibHeader v5;
    v5.headerSize = 124;
    v5.compression = 3;
    std::vector<uint8_t> block = dib(v5, rows24);
    putLe32(block, 40, 0x00FF0000);
    putLe32(block, 44, 0x0000FF00);
    putLe32(block, 48, 0x000000FF);
    DecodedImage image = parse(block);
    ASSERT_TRUE(image.ok) << image.message;
    EXPECT_EQ(image.pixels, concat(storedSecond, storedFirst));
}

TEST(Dib, MalformedBlocksAreRefusedWithAReason) {
    const std::string incomplete = "The bitmap on the clipboard is incomplete.";
    const std::string compressed =
        "The bitmap on the clipboard is compressed; only uncompressed bitmaps can be pasted.";
    const std::string tooLarge =
        "pixels); at most 32768 pixels per side and 268435456 pixels in all can be pasted.";
    std::vector<uint8_t> hugeHeader = dib({}, rows24);
    putLe32(hugeHeader, 0, 0x7FFFFFFF);
    auto with = [](auto change) {
        DibHeader h;
        change(h);
        return h;
    };
    struct Case {
        const char *what;
        std::vector<uint8_t> block;
        std::string message; // the whole message, or its end
    } cases[] = {
        {"empty block", {}, incomplete},
        {"39 bytes", std::vector<uint8_t>(39, 0), incomplete},
        {"core header", dib(with([](DibHeader &h) { h.headerSize = 12; }), rows24),
         "The bitmap on the clipboard has an old-style header that cannot be read."},
        {"zero width", dib(with([](DibHeader &h) { h.width = 0; }), rows24),
         "The bitmap on the clipboard has an invalid size of 0 x 2 pixels."},
        {"negative width", dib(with([](DibHeader &h) { h.width = -3; }), rows24),
         "The bitmap on the clipboard has an invalid size of -3 x 2 pixels."},
        {"zero height", dib(with([](DibHeader &h) { h.height = 0; }), rows24),
         "The bitmap on the clipboard has an invalid size of 3 x 0 pixels."},
        {"wide", dib(with([](DibHeader &h) { h.width = 32769; }), rows24), "(32769 x 2 " + tooLarge},
        {"tall top-down", dib(with([](DibHeader &h) { h.height = -32769; }), rows24),
         "(3 x 32769 " + tooLarge},
        {"lowest height", dib(with([](DibHeader &h) { h.height = INT32_MIN; }), rows24),
         "(3 x 2147483648 " + tooLarge},
        {"too many pixels", dib(with([](DibHeader &h) { h.width = h.height = 20000; }), rows24),
         "(20000 x 20000 " + tooLarge},
        {"8 bits", dib(with([](DibHeader &h) { h.bitCount = 8; }), rows24),
         "The bitmap on the clipboard has 8 bits per pixel; only 24-bit and 32-bit bitmaps can be pasted."},
        {"16 bits", dib(with([](DibHeader &h) { h.bitCount = 16; }), rows24),
         "The bitmap on the clipboard has 16 bits per pixel; only 24-bit and 32-bit bitmaps can be pasted."},
        {"RLE8", dib(with([](DibHeader &h) { h.compression = 1; }), rows24), compressed},
        {"JPEG", dib(with([](DibHeader &h) { h.compression = 4; }), rows24), compressed},
        {"PNG", dib(with([](DibHeader &h) { h.compression = 5; }), rows24), compressed},
        {"one row of two", dib({}, std::vector<uint8_t>(rows24.begin(), rows24.begin() + 12)), incomplete},
        {"more pixels than bytes", dib(with([](DibHeader &h) { h.width = h.height = 10000; }), rows24),
         incomplete},
        {"masks cut off", dib(with([](DibHeader &h) { h.compression = 3; }), std::vector<uint8_t>(8, 0)),
         incomplete},
        {"unreadable masks",
         dib(with([](DibHeader &h) { h.compression = 3; }), {0, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0}),
         "The bitmap on the clipboard uses colour masks that cannot be read."},
        {"huge colour table", dib(with([](DibHeader &h) { h.colorsUsed = 0xFFFFFFFF; }), rows24), incomplete},
        {"header size beyond the block", hugeHeader, incomplete},
    };
    for (const Case &c : cases) {
        DecodedImage image = parse(c.block);
        EXPECT_FALSE(image.ok) << c.what;
        EXPECT_TRUE(image.pixels.empty()) << c.what;
        const std::string &m = image.message;
        EXPECT_TRUE(m.size() >= c.message.size() &&
                    m.compare(m.size() - c.message.size(), m.npos, c.message) == 0)
            << c.what << ": " << m;
    }
}

TEST(Dib, EveryTruncationIsRefusedButAMissingLastPadding) {
    const std::vector<uint8_t> block = dib({}, rows24);
    const size_t lastPixelEnd = block.size() - 3; // the last row's three padding bytes are not needed
    for (size_t size = 0; size < block.size(); size++) {
        DecodedImage image = parse(std::vector<uint8_t>(block.begin(), block.begin() + size));
        EXPECT_EQ(image.ok, size >= lastPixelEnd) << size;
    }
}

TEST(Dib, BmpFilesTakeTheirRowsFromTheFileHeaderOffset) {
    // File header, info header, four bytes of gap, then the rows at offset 58.
    std::vector<uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 58, 0, 0, 0};
    std::vector<uint8_t> gap(4, 0x77);
    gap.insert(gap.end(), rows24.begin(), rows24.end());
    std::vector<uint8_t> info = dib({}, gap);
    file.insert(file.end(), info.begin(), info.end());
    DecodedImage image = parseBmpFile(file.data(), file.size());
    ASSERT_TRUE(image.ok) << image.message;
    EXPECT_EQ(image.pixels, concat(storedSecond, storedFirst));

    // An offset inside the info header is not believed; the rows then follow the header.
    std::vector<uint8_t> plain = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 0};
    info = dib({}, rows24);
    plain.insert(plain.end(), info.begin(), info.end());
    EXPECT_EQ(parseBmpFile(plain.data(), plain.size()).pixels, concat(storedSecond, storedFirst));

    const std::string notBmp = "The picture on the clipboard is not a BMP file.";
    EXPECT_EQ(parseBmpFile(plain.data(), 13).message, notBmp);
    EXPECT_EQ(parseBmpFile(nullptr, 0).message, notBmp);
    plain[0] = 'X';
    EXPECT_EQ(parseBmpFile(plain.data(), plain.size()).message, notBmp);
}

TEST(Dib, BuiltBmpFilesReadBackAndHaveTheUsualLayout) {
    const std::vector<uint32_t> pixels = {0xFF102030, 0xFF405060, 0xFF708090,
                                          0xFFA0B0C0, 0xFFD0E0F0, 0xFF000000};
    for (int bits : {24, 32}) {
        std::vector<uint8_t> file = buildBmpFile(pixels.data(), 3, 2, bits);
        ASSERT_EQ(file.size(), 54u + 2 * 12) << bits; // both depths give 12-byte rows for 3 pixels
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[2], file.size());
        EXPECT_EQ(file[10], 54);
        EXPECT_EQ(file[28], bits);
        EXPECT_EQ(file[54], 0xC0) << "the bottom row comes first, blue byte first";
        DecodedImage back = parseBmpFile(file.data(), file.size());
        ASSERT_TRUE(back.ok) << back.message;
        EXPECT_EQ(back.pixels, pixels) << bits;
    }
    std::vector<uint8_t> narrow = buildBmpFile(pixels.data(), 1, 1, 24);
    ASSERT_EQ(narrow.size(), 58u);
    EXPECT_EQ(narrow[57], 0) << "row padding is zero";

    EXPECT_TRUE(buildBmpFile(pixels.data(), 3, 2, 16).empty());
    EXPECT_TRUE(buildBmpFile(pixels.data(), 0, 2, 24).empty());
    EXPECT_TRUE(buildBmpFile(nullptr, 3, 2, 24).empty());
}

// Picture files of every format decode to their pixels; damaged ones fail cleanly and never take us down.
#include "image/ImageDecode.h"

#include <fx.h>

#include <FXBMPImage.h>
#include <FXGIFImage.h>
#include <FXPCXImage.h>
#include <FXPPMImage.h>
#include <FXRASImage.h>
#include <FXTGAImage.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>

namespace {

using Saver = bool (*)(FX::FXStream &, const FX::FXColor *, FX::FXint, FX::FXint);
bool saveGif(FX::FXStream &s, const FX::FXColor *d, FX::FXint w, FX::FXint h) {
    return FX::fxsaveGIF(s, d, w, h);
}

struct SavedFormat {
    const char *extension;
    ImageCodec codec;
    Saver save;
};
const SavedFormat savedFormats[] = {
    {"gif", ImageCodec::Gif, saveGif},       {"bmp", ImageCodec::Bmp, FX::fxsaveBMP},
    {"pcx", ImageCodec::Pcx, FX::fxsavePCX}, {"tga", ImageCodec::Tga, FX::fxsaveTGA},
    {"ppm", ImageCodec::Ppm, FX::fxsavePPM}, {"ras", ImageCodec::Ras, FX::fxsaveRAS},
};

// Eight colours whose channels repeat their high nibble, so that 4-bit palettes keep them exactly.
const uint32_t palette[8] = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                             0xFFFFFFFF, 0xFF336699, 0xFFCC8844, 0xFF111111};

struct Picture {
    int width, height;
    std::vector<uint8_t> indexes; // into palette
    std::vector<uint32_t> argb() const {
        std::vector<uint32_t> out;
        for (uint8_t i : indexes)
            out.push_back(palette[i]);
        return out;
    }
};

Picture pattern(int width, int height) {
    Picture p{width, height, {}};
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            p.indexes.push_back(uint8_t((x * 7 + y * 3 + x * y) % 8));
    return p;
}

void writeBytes(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}
std::string readBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void saveWithToolkit(const std::string &path, Saver save, const Picture &picture) {
    std::vector<FX::FXColor> colors;
    for (uint32_t c : picture.argb())
        colors.push_back(FXRGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    FX::FXFileStream out;
    ASSERT_TRUE(out.open(path.c_str(), FX::FXStreamSave));
    ASSERT_TRUE(save(out, colors.data(), picture.width, picture.height));
    out.close();
}

// A binary PGM of the picture's palette indexes scaled to grey levels.
std::string pgmFile(const Picture &picture) {
    std::string file =
        "P5\n# grey\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    for (uint8_t i : picture.indexes)
        file += char(i * 0x11);
    return file;
}

void appendBe(std::string &s, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; i--)
        s += char(v >> (8 * i));
}

// An ILBM with three bit planes and the palette, each row of each plane one literal run.
std::string lbmFile(const Picture &picture) {
    std::string header;
    appendBe(header, picture.width, 2);
    appendBe(header, picture.height, 2);
    appendBe(header, 0, 4);
    header += std::string{3, 0, 1, 0}; // planes, no mask, run-length coded, pad
    appendBe(header, 0, 2);
    header += std::string{1, 1};
    appendBe(header, picture.width, 2);
    appendBe(header, picture.height, 2);
    std::string colors;
    for (uint32_t c : palette)
        appendBe(colors, c & 0xFFFFFF, 3);
    const int rowBytes = (picture.width + 15) / 16 * 2;
    std::string body;
    for (int y = 0; y < picture.height; y++)
        for (int plane = 0; plane < 3; plane++) {
            std::string row(size_t(rowBytes), '\0');
            for (int x = 0; x < picture.width; x++)
                if (picture.indexes[size_t(y * picture.width + x)] >> plane & 1)
                    row[size_t(x / 8)] |= char(0x80 >> (x % 8));
            body += char(rowBytes - 1) + row;
        }
    std::string form = "ILBM";
    auto chunk = [&form](const char *id, const std::string &data) {
        form += id;
        appendBe(form, uint32_t(data.size()), 4);
        form += data;
        if (data.size() & 1)
            form += '\0';
    };
    chunk("BMHD", header);
    chunk("CMAP", colors);
    chunk("BODY", body);
    std::string file = "FORM";
    appendBe(file, uint32_t(form.size()), 4);
    return file + form;
}

class ImageDecode : public testing::Test {
  protected:
    void SetUp() override {
        std::string name = (std::filesystem::temp_directory_path() / "ordinax-decode-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        dir = name;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const std::string &name) const { return dir + "/" + name; }

    // Every sample file: the toolkit's savers, a PGM and an LBM, all of the same picture.
    struct Sample {
        std::string path;
        ImageCodec codec;
        std::vector<uint32_t> pixels;
    };
    std::vector<Sample> writeSamples(const Picture &picture, const std::string &stem) {
        std::vector<Sample> samples;
        for (const SavedFormat &f : savedFormats) {
            samples.push_back({path(stem + "." + f.extension), f.codec, picture.argb()});
            saveWithToolkit(samples.back().path, f.save, picture);
        }
        std::vector<uint32_t> grey;
        for (uint8_t i : picture.indexes)
            grey.push_back(0xFF000000u | uint32_t(i * 0x11) * 0x010101u);
        samples.push_back({path(stem + ".pgm"), ImageCodec::Ppm, grey});
        writeBytes(samples.back().path, pgmFile(picture));
        samples.push_back({path(stem + ".lbm"), ImageCodec::Iff, picture.argb()});
        writeBytes(samples.back().path, lbmFile(picture));
        return samples;
    }

    std::string dir;
};

} // namespace

TEST_F(ImageDecode, EveryFormatDecodesToItsOpaquePixels) {
    // The GIF saver marks one colour transparent; the decoded picture is opaque all the same.
    for (const Picture &picture : {pattern(3, 2), pattern(37, 23)})
        for (const Sample &s : writeSamples(picture, "picture" + std::to_string(picture.width))) {
            DecodedImage image = decodeImageFile(s.path, s.codec);
            ASSERT_TRUE(image.ok) << s.path << ": " << image.message;
            EXPECT_EQ(image.width, picture.width) << s.path;
            EXPECT_EQ(image.height, picture.height) << s.path;
            EXPECT_EQ(image.pixels, s.pixels) << s.path;
            EXPECT_EQ(image.message, "");
        }
}

TEST_F(ImageDecode, LargePicturesComeThroughThePipeWhole) {
    const Picture picture = pattern(900, 700);
    saveWithToolkit(path("large.bmp"), FX::fxsaveBMP, picture);
    DecodedImage image = decodeImageFile(path("large.bmp"), ImageCodec::Bmp);
    ASSERT_TRUE(image.ok) << image.message;
    EXPECT_EQ(image.pixels, picture.argb());
}

TEST_F(ImageDecode, UnusableFilesFailWithAReason) {
    const Picture picture = pattern(8, 8);
    saveWithToolkit(path("real.bmp"), FX::fxsaveBMP, picture);
    const std::string bmp = readBytes(path("real.bmp"));
    writeBytes(path("empty.gif"), "");
    writeBytes(path("half.bmp"), bmp.substr(0, bmp.size() / 2));
    std::filesystem::create_directory(path("folder.gif"));
    ASSERT_EQ(mkfifo(path("pipe.gif").c_str(), 0600), 0);
    struct Case {
        std::string file;
        ImageCodec codec;
        std::string message;
    } cases[] = {
        {"missing.gif", ImageCodec::Gif, "The file cannot be opened."},
        {"folder.gif", ImageCodec::Gif, "The file is not a regular file."},
        {"pipe.gif", ImageCodec::Gif, "The file is not a regular file."},
        {"empty.gif", ImageCodec::Gif, "The file is empty."},
        {"real.bmp", ImageCodec::Gif, "The file is not a GIF file."},
        {"half.bmp", ImageCodec::Bmp, "The file is shorter than the pixel data its header announces."},
    };
    for (const Case &c : cases) {
        DecodedImage image = decodeImageFile(path(c.file), c.codec);
        EXPECT_FALSE(image.ok) << c.file;
        EXPECT_TRUE(image.pixels.empty()) << c.file;
        EXPECT_EQ(image.message, c.message) << c.file;
    }
}

TEST_F(ImageDecode, DamagedFilesOfEveryFormatNeverTakeTheProcessDown) {
    std::mt19937 random(20240607);
    for (const Sample &s : writeSamples(pattern(24, 16), "sound")) {
        const std::string original = readBytes(s.path);
        const std::string damagedPath = s.path + ".damaged";
        for (int variant = 0; variant < 150; variant++) {
            std::string bytes = original;
            if (variant < 40) {
                bytes.resize(original.size() * size_t(variant) / 40);
            } else if (variant < 110) {
                for (int flips = 1 + int(random() % 4); flips > 0; flips--)
                    bytes[random() % bytes.size()] = char(random());
            } else {
                // A header field turned huge: 0xFF or 0x7F bytes over 2 or 4 bytes near the start.
                const size_t at = random() % std::min<size_t>(bytes.size() - 4, 64);
                const int width = random() % 2 ? 2 : 4;
                for (int i = 0; i < width; i++)
                    bytes[at + size_t(i)] = char(random() % 2 ? 0xFF : 0x7F);
            }
            writeBytes(damagedPath, bytes);
            DecodedImage image = decodeImageFile(damagedPath, s.codec);
            if (image.ok) {
                EXPECT_EQ(image.pixels.size(), size_t(image.width) * size_t(image.height))
                    << s.path << variant;
                EXPECT_TRUE(image.width >= 1 && image.height >= 1) << s.path << variant;
                for (uint32_t p : image.pixels)
                    ASSERT_EQ(p >> 24, 0xFFu) << s.path << variant;
            } else {
                EXPECT_TRUE(image.pixels.empty()) << s.path << variant;
                EXPECT_FALSE(image.message.empty()) << s.path << variant;
            }
        }
    }
}

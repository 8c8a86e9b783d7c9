// The text-file reader: every encoding reads like plain UTF-8, and unusable files are refused.
#include "io/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

using Lines = std::vector<std::string>;

// "<a>1" CR LF "é€😀" LF "x" CR "y" (no final line feed) in the encodings the reader knows.
const std::string utf8Text = "<a>1\r\n\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\nx\ry";
const Lines expectedLines = {"<a>1", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "xy"};

// Encodes the text's code points (given as UTF-32) in UTF-16 or UTF-32 with a byte-order mark.
std::string encode(const std::u32string &text, int unitBytes, bool bigEndian) {
    std::string out;
    auto unit = [&](uint32_t v) {
        for (int i = 0; i < unitBytes; i++) {
            int shift = 8 * (bigEndian ? unitBytes - 1 - i : i);
            out += char(v >> shift);
        }
    };
    unit(0xFEFF);
    for (char32_t c : text) {
        if (unitBytes == 2 && c > 0xFFFF) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return out;
}
const std::u32string codePoints = U"<a>1\r\n\u00E9\u20AC\U0001F600\nx\ry";

class TextFile : public testing::Test {
  protected:
    void SetUp() override {
        std::string name = (std::filesystem::temp_directory_path() / "ordinax-text-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        dir = name;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string &name, const std::string &bytes) {
        std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }
    std::string dir;
};

} // namespace

TEST_F(TextFile, EveryEncodingReadsLikeThePlainFile) {
    struct Case {
        const char *what;
        std::string bytes;
    } cases[] = {
        {"plain", utf8Text},
        {"UTF-16LE", encode(codePoints, 2, false)},
        {"UTF-16BE", encode(codePoints, 2, true)},
        {"UTF-32LE", encode(codePoints, 4, false)},
        {"UTF-32BE", encode(codePoints, 4, true)},
    };
    for (const Case &c : cases) {
        Lines lines{"stale"};
        EXPECT_TRUE(readTextLines(write("t.txt", c.bytes), lines)) << c.what;
        EXPECT_EQ(lines, expectedLines) << c.what;
        std::string text;
        EXPECT_TRUE(readTextFile(dir + "/t.txt", text)) << c.what;
        EXPECT_EQ(text, "<a>1\n\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\nx\ry") << c.what;
    }
}

TEST_F(TextFile, AUtf8MarkStaysInFrontOfTheFirstLine) {
    Lines lines;
    ASSERT_TRUE(readTextLines(write("mark.txt", "\xEF\xBB\xBFversion>2.81\nwidth>900\n"), lines));
    EXPECT_EQ(lines, (Lines{"\xEF\xBB\xBFversion>2.81", "width>900"}));
}

TEST_F(TextFile, UnusableFilesAreRefused) {
    std::filesystem::create_directory(dir + "/folder");
    ASSERT_EQ(mkfifo((dir + "/pipe").c_str(), 0600), 0);
    const std::string tooLarge = write("large.txt", "");
    std::filesystem::resize_file(tooLarge, maxTextFileBytes + 1);
    struct Case {
        const char *what;
        std::string path;
    } cases[] = {
        {"empty path", ""},
        {"missing", dir + "/missing.txt"},
        {"empty", write("empty.txt", "")},
        {"folder", dir + "/folder"},
        {"named pipe", dir + "/pipe"},
        {"too large", tooLarge},
        {"UTF-16 mark only", write("mark16.txt", "\xFF\xFE")},
        {"UTF-32 mark only", write("mark32.txt", std::string("\0\0\xFE\xFF", 4))},
        {"UTF-16 of odd length", write("odd16.txt", std::string("\xFF\xFE"
                                                                "a\0b",
                                                                5))},
        {"UTF-16 lone surrogate", write("lone16.txt", std::string("\xFF\xFE\x00\xD8", 4))},
    };
    for (const Case &c : cases) {
        Lines lines{"stale"};
        EXPECT_FALSE(readTextLines(c.path, lines)) << c.what;
        EXPECT_TRUE(lines.empty()) << c.what;
    }
}

TEST_F(TextFile, AFileOfTheLargestSizeIsRead) {
    const std::string path = write("limit.txt", "");
    std::filesystem::resize_file(path, maxTextFileBytes);
    Lines lines;
    ASSERT_TRUE(readTextLines(path, lines));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), maxTextFileBytes);
}

// Text file contents: encoding marks, carriage returns before line feeds, and the line count rule.
#include "io/TextLines.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(TextLines, TheFirstFourBytesTellTheEncoding) {
    struct Case {
        std::string bytes;
        TextEncoding encoding;
    } cases[] = {
        {std::string("\xFF\xFE\0\0a\0\0\0", 8), TextEncoding::Utf32LE},
        {"\xFF\xFE"
         "a\0",
         TextEncoding::Utf16LE},
        {std::string("\xFF\xFE\0a", 4), TextEncoding::Utf16LE},
        {"\xFE\xFF\0a", TextEncoding::Utf16BE},
        {std::string("\0\0\xFE\xFF", 4), TextEncoding::Utf32BE},
        {"\xEF\xBB\xBFkey>1", TextEncoding::Utf8WithMark},
        {"key>1", TextEncoding::Plain},
        {"", TextEncoding::Plain},
        // Missing bytes count as '0', never as zero bytes.
        {"\xFF\xFE", TextEncoding::Utf16LE},
        {std::string("\xFF\xFE\0", 3), TextEncoding::Utf16LE},
        {std::string("\0\0\xFE", 3), TextEncoding::Plain},
        {"\xEF\xBB", TextEncoding::Plain},
        {"\xEF\xBB\xBF", TextEncoding::Utf8WithMark},
    };
    for (const Case &c : cases)
        EXPECT_EQ(detectTextEncoding(c.bytes), c.encoding) << testing::PrintToString(c.bytes);
    EXPECT_EQ(byteOrderMarkLength(TextEncoding::Utf16BE), 2u);
    EXPECT_EQ(byteOrderMarkLength(TextEncoding::Utf32LE), 4u);
    EXPECT_EQ(byteOrderMarkLength(TextEncoding::Plain), 0u);
}

TEST(TextLines, OnlyCarriageReturnsDirectlyBeforeALineFeedAreDropped) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"a\r\nb\r\n", "a\nb\n"}, {"a\r\r\nb", "a\r\nb"}, {"a\rb", "a\rb"},
        {"end\r", "end\r"},       {"\r\n", "\n"},         {"", ""},
    };
    for (Case c : cases) {
        std::string text = c.in;
        dropCarriageReturnsBeforeLineFeeds(text);
        EXPECT_EQ(text, c.out) << testing::PrintToString(c.in);
    }
}

TEST(TextLines, LinesEndAtLineFeedsAndLoseEveryCarriageReturn) {
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {"\n\nx", {"", "", "x"}},
        {"x\ry\n", {"xy"}},
        {"a\r\nb\r", {"a", "b"}},
        {"\r", {""}},
        {std::string("n\0ul\n", 5), {std::string("n\0ul", 4)}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(splitTextLines(c.text), c.lines) << testing::PrintToString(c.text);
}

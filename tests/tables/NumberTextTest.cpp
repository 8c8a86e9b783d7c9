// The number test, number parsing with commas, the field typing filter and the paste splitting.
#include "tables/NumberText.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(NumberText, StrictNumberTest) {
    struct Case {
        const char *text;
        bool numeric;
    } cases[] = {
        {"1.5", true},    {"-2", true},    {"+3.0E-4", true}, {"1e5", true},      {"1,5", true},
        {"5-3", true},    {" 42\t", true}, {"1E-5", true},    {"-1e+5", true},    {"1,5e2", true},
        {".5", true},     {"5.", true},    {"1.2.3", false},  {"1E", false},      {"E5", false},
        {"1E+", false},   {"--1", false},  {"1E2.5", false},  {"1e5-", false},    {"abc", false},
        {"", false},      {"   ", false},  {"1-E5", false},   {"+-1E5", false},   {"1e5e3", false},
        {"1E2,5", false}, {"1 5", false},  {"nan", false},    {"inf", false},     {"0x10", false},
        {".", false},     {"-.", false},   {"+E5", false},    {"1,000.5", false}, {"1.,5", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(isNumericText(c.text), c.numeric) << '"' << c.text << '"';
}

TEST(NumberText, ParsesTheLongestLeadingNumberWithCommasAsPeriods) {
    struct Case {
        const char *text;
        double value;
    } cases[] = {
        {"3,25", 3.25}, {"5-3", 5},    {"  -2.5e3xyz", -2500},
        {"", 0},        {"abc", 0},    {".", 0},
        {"1e", 1},      {"1e+", 1},    {".5", 0.5},
        {"5.", 5},      {"+7", 7},     {"0x10", 0},
        {"inf", 0},     {"nan", 0},    {"1,5E2", 150},
        {"-,5", -0.5},  {"1e-999", 0},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(parseNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(parseNumber("-1e999"), -HUGE_VAL);
    EXPECT_DOUBLE_EQ(parseNumber(std::string(500, '9')), HUGE_VAL);
}

TEST(NumberText, ParsesIntegers) {
    EXPECT_EQ(parseInteger("42"), 42);
    EXPECT_EQ(parseInteger(" -7x"), -7);
    EXPECT_EQ(parseInteger("3,9"), 3);
    EXPECT_EQ(parseInteger(""), 0);
    EXPECT_EQ(parseInteger("abc"), 0);
    EXPECT_EQ(parseInteger(std::string(40, '9')), LONG_MAX);
}

TEST(NumberText, CommasTrimmingAndBlankCells) {
    EXPECT_EQ(commasToPeriods("3,25;1,5"), "3.25;1.5");
    EXPECT_EQ(trimWhiteSpace(" \t 1 2 \r\n"), "1 2");
    EXPECT_EQ(trimWhiteSpace("   "), "");
    EXPECT_TRUE(isBlankText(" \t\n"));
    EXPECT_TRUE(isBlankText(""));
    EXPECT_FALSE(isBlankText(" 0 "));
}

TEST(NumberText, FieldFilterWhileTyping) {
    struct Case {
        const char *text;
        FieldFilter filter;
        bool allowSign;
        int columns;
        bool accepted;
    } cases[] = {
        {"-1", FieldFilter::Real, false, -1, false},
        {"1e-3", FieldFilter::Real, false, -1, true},
        {"1e", FieldFilter::Real, false, -1, true},
        {".", FieldFilter::Real, false, -1, true},
        {"", FieldFilter::Real, false, -1, true},
        {" 2.5 ", FieldFilter::Real, false, -1, true},
        {"1,5", FieldFilter::Real, false, -1, false},
        {"+1", FieldFilter::Real, false, -1, false},
        {"1.2.3", FieldFilter::Real, false, -1, false},
        {"1e5e", FieldFilter::Real, false, -1, false},
        {"1 2", FieldFilter::Real, false, -1, false},
        {"-1", FieldFilter::Real, true, -1, true},
        {"+-1", FieldFilter::Real, true, -1, false},
        {"-1.5E+2", FieldFilter::Real, true, -1, true},
        {"12", FieldFilter::Integer, false, -1, true},
        {"1.5", FieldFilter::Integer, false, -1, false},
        {"-3", FieldFilter::Integer, false, -1, false},
        {"-3", FieldFilter::Integer, true, -1, true},
        {"1e3", FieldFilter::Integer, false, -1, false},
        {"12345678", FieldFilter::Real, false, 7, false},
        {"1234567", FieldFilter::Real, false, 7, true},
        {"abcdefgh", FieldFilter::None, false, 7, false},
        {"abc", FieldFilter::None, false, -1, true},
        {"\xC3\xBC\xC3\xBC\xC3\xBC", FieldFilter::None, false, 3, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fieldTextAccepted(c.text, c.filter, c.allowSign, c.columns), c.accepted)
            << '"' << c.text << "\" filter " << int(c.filter) << " sign " << c.allowSign;
}

namespace {

// The block as rows of cells joined by "|" and rows by "/", every column of the block shown.
std::string layout(const PasteBlock &block) {
    std::string out;
    for (int r = 0; r < block.rowCount; ++r) {
        if (r)
            out += '/';
        for (int c = 0; c < block.columnCount; ++c)
            out += (c ? "|" : "") + block.cell(r, c);
    }
    return out;
}

} // namespace

TEST(NumberText, SplitsPasteTextIntoRowsAndCells) {
    struct Case {
        const char *text;
        int maxRows;
        int rows, columns;
        const char *layout;
    } cases[] = {
        {"1,5\t2,5\r\n3\t4\r\n", 10, 2, 2, "1.5|2.5/3|4"},
        {"1,5\t2,5\r\n3\t4", 10, 2, 2, "1.5|2.5/3|4"},
        {"1\t2\n3\t4\n", 10, 2, 2, "1|2/3|4"},
        {"1\t2\r3\t4\r", 10, 2, 2, "1|2/3|4"},
        {"1\t2\t3\n4\n", 10, 2, 3, "1|2|3/4||"},
        {"1\n\n3\n", 10, 3, 1, "1//3"},
        {"\t\n", 10, 1, 2, "|"},
        {"", 10, 0, 0, ""},
        {"1\n2\n3\n", 0, 0, 0, ""},
        {"1\n2\n3\t4\t5\n", 2, 2, 1, "1/2"},
        {"1\r\n\r\n2", 10, 3, 1, "1//2"},
    };
    for (const Case &c : cases) {
        PasteBlock block = splitPasteText(c.text, c.maxRows);
        EXPECT_EQ(block.rowCount, c.rows) << c.text;
        EXPECT_EQ(block.columnCount, c.columns) << c.text;
        EXPECT_EQ(layout(block), c.layout) << c.text;
    }
}

TEST(NumberText, PasteIsCutToTheTableRows) {
    std::string twelve;
    for (int i = 0; i < 12; ++i)
        twelve += std::to_string(i) + "\t" + std::to_string(i * 10) + "\n";
    PasteBlock block = splitPasteText(twelve, 10);
    ASSERT_EQ(block.rowCount, 10);
    EXPECT_EQ(block.cell(9, 1), "90");
    EXPECT_EQ(block.cell(10, 0), "");
    EXPECT_EQ(block.cell(-1, 0), "");
    EXPECT_EQ(block.cell(0, -1), "");
    EXPECT_EQ(block.cell(0, 2), "");
}

TEST(NumberText, PastesAHundredThousandLines) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += std::to_string(i) + ",5\t" + std::to_string(i) + "\r\n";
    PasteBlock block = splitPasteText(text, 100000);
    ASSERT_EQ(block.rowCount, 100000);
    EXPECT_EQ(block.columnCount, 2);
    EXPECT_EQ(block.cell(99999, 0), "99999.5");
    EXPECT_EQ(block.cell(99999, 1), "99999");
}

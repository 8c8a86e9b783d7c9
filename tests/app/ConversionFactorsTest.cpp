// Conversion-factor lines: quoted names, the factor threshold, the stop line, the slot defaults and garbage.
#include "app/ConversionFactors.h"

#include <gtest/gtest.h>

namespace {

struct Slot {
    std::string name;
    double factor;
};

void expectSlots(const std::vector<ConversionFactor> &slots, const std::vector<Slot> &expected) {
    ASSERT_EQ(slots.size(), expected.size());
    for (size_t i = 0; i < slots.size(); i++) {
        EXPECT_EQ(slots[i].name, expected[i].name) << i;
        EXPECT_DOUBLE_EQ(slots[i].factor, expected[i].factor) << i;
    }
}

} // namespace

TEST(ConversionFactors, QuotedNamesAndTheNumbersAfterThem) {
    int count = -1;
    auto slots = parseConversionFactors(
        {"\"inch to mm\" 25.4", "\"\" 1", "  \"psi to MPa\"\t6.89476e-3 per psi", "\"ksi\"+2.5e3x", "\"\"1"},
        count);
    EXPECT_EQ(count, 5);
    expectSlots(slots, {{"inch to mm", 25.4}, {"", 1}, {"psi to MPa", 6.89476e-3}, {"ksi", 2500}, {"", 1}});
}

TEST(ConversionFactors, InvalidFactorsKeepTheDefaultsAndAreNotCounted) {
    int count = -1;
    auto slots = parseConversionFactors({"\"a\" 2", "\"zero\" 0", "\"text\" abc", "\"at threshold\" 1e-50",
                                         "\"negative\" -3", "\"above threshold\" 2e-50", "\"overflow\" 1e999",
                                         "\"not a number\" nan", "\"b\" 4"},
                                        count);
    EXPECT_EQ(count, 3);
    expectSlots(slots, {{"a", 2},
                        {"unknown", 1},
                        {"unknown", 1},
                        {"unknown", 1},
                        {"unknown", 1},
                        {"above threshold", 2e-50},
                        {"unknown", 1},
                        {"unknown", 1},
                        {"b", 4}});
}

TEST(ConversionFactors, TheFirstLineShorterThanThreeCharactersEndsTheList) {
    int count = -1;
    auto slots = parseConversionFactors({"\"a\" 2", "\"b\" 3", "", "\"c\" 4"}, count);
    EXPECT_EQ(count, 2);
    expectSlots(slots, {{"a", 2}, {"b", 3}, {"unknown", 1}, {"unknown", 1}});

    slots = parseConversionFactors({"\"a\" 2", "ab", "\"c\" 4"}, count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(slots[2].name, "unknown");
}

TEST(ConversionFactors, NoValidLineGivesAnEmptyTable) {
    int count = -1;
    EXPECT_TRUE(parseConversionFactors({}, count).empty());
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(parseConversionFactors({"\"a\" 0", "\"b\" x"}, count).empty());
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(parseConversionFactors({"", "\"a\" 2"}, count).empty());
}

TEST(ConversionFactors, OnlyTheFirstHundredLinesCount) {
    std::vector<std::string> lines;
    for (int i = 0; i < 150; i++)
        lines.push_back("\"f" + std::to_string(i) + "\" " + std::to_string(i + 1));
    int count = -1;
    auto slots = parseConversionFactors(lines, count);
    EXPECT_EQ(count, 100);
    ASSERT_EQ(slots.size(), 100u);
    EXPECT_EQ(slots[99].name, "f99");
    EXPECT_DOUBLE_EQ(slots[99].factor, 100);
}

TEST(ConversionFactors, GarbageNeverBreaksTheParser) {
    const std::string longName(1 << 20, 'n');
    int count = -1;
    auto slots = parseConversionFactors({"\"unterminated 5", "no quotes 5", "\"a\"b\" 3",
                                         std::string("\"\0x\" 7", 6), "\xFF\xFE\x80\x01 \"\"\"",
                                         "\"" + longName + "\" 9", std::string(100000, '"')},
                                        count);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(slots.size(), 7u);
    EXPECT_EQ(slots[0].name, "unknown");
    EXPECT_EQ(slots[2].name, "unknown") << "the value after the second quote is b\" 3, not a number";
    EXPECT_EQ(slots[3].name, std::string("\0x", 2));
    EXPECT_EQ(slots[5].name, longName);
    EXPECT_DOUBLE_EQ(slots[5].factor, 9);
}

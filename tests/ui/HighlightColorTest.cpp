// The hover colour: light colours darken, darker ones brighten, very dark ones get a bonus.
#include "ui/HighlightColor.h"

#include <gtest/gtest.h>

TEST(HighlightColor, FollowsTheLightAndDarkRules) {
    struct Case { uint32_t in, out; } cases[] = {
        {0xFFD4D0C8, 0xFFF3EFE6}, // 212,208,200 -> 243,239,230: brightened by 15 %
        {0xFFF0F0F0, 0xFFCCCCCC}, // 240,240,240 -> 204,204,204: darkened by 15 %
        {0x00F0F0F0, 0xFFCCCCCC}, // the result is always opaque
        {0xFF000000, 0xFF4D4D4D}, // black: all become 0 + 50, then 57 + 2 * (10 - 0)
        {0xFF102030, 0xFF686868}, // all below 50: m = g = 32, all become 82, then 94 + 2 * (10 - 5)
        {0xFF3C1E5A, 0xFF472469}, // 60,30,90: m = 90 < 100 gives the bonus 2 without the lift
    };
    for (auto c : cases) EXPECT_EQ(highlightColor(c.in), c.out) << std::hex << c.in;
}

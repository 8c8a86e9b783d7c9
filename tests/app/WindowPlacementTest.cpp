// Start-up placement: clamps to the left edge and top, and corrections against the desktop size.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, ClampsAndCorrects) {
    struct Case {
        int x, y, w, h, rootW, rootH, monitors, left;
        bool minimized;
        WindowRect first, final;
        bool corrected;
    } cases[] = {
        {150, 100, 1100, 850, 1600, 1200, 1, 0, false, {150, 100, 1100, 850}, {150, 100, 1100, 850}, false},
        {150, 100, 1100, 850, 1600, 1200, 1, 0, true, {50, 50, 1100, 850}, {50, 50, 1100, 850}, false},
        {10, -5, 800, 600, 1600, 1200, 1, 0, false, {50, 50, 800, 600}, {50, 50, 800, 600}, false},
        {5000, 100, 800, 600, 1600, 1200, 2, 0, false, {5000, 100, 800, 600}, {50, 100, 800, 600}, true},
        {3000, 100, 800, 600, 1600, 1200, 2, 0, false, {3000, 100, 800, 600}, {3000, 100, 800, 600}, false},
        {100, 100, 4000, 1300, 1600, 1200, 2, 0, false, {100, 100, 4000, 1300}, {100, 100, 1500, 1100}, true},
        {100, 1300, 800, 600, 1600, 1200, 1, 0, false, {100, 1300, 800, 600}, {100, 50, 800, 600}, true},
        {-2000, 100, 800, 600, 1600, 1200, 2, -1600, false, {-1550, 100, 800, 600}, {-1550, 100, 800, 600}, false},
        {100, 100, 5000, 5000, 0, 0, 0, 0, false, {100, 100, 5000, 5000}, {100, 100, 5000, 5000}, false},
    };
    for (const Case& c : cases) {
        WindowPlacement p = placeWindow(c.x, c.y, c.w, c.h, c.rootW, c.rootH, c.monitors, c.left, c.minimized);
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y << " w " << c.w << " h " << c.h);
        EXPECT_EQ(p.first.x, c.first.x);
        EXPECT_EQ(p.first.y, c.first.y);
        EXPECT_EQ(p.final.x, c.final.x);
        EXPECT_EQ(p.final.y, c.final.y);
        EXPECT_EQ(p.final.width, c.final.width);
        EXPECT_EQ(p.final.height, c.final.height);
        EXPECT_EQ(p.corrected, c.corrected);
    }
}

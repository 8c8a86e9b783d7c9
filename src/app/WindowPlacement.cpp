// The start-up window placement rule.
#include "app/WindowPlacement.h"

WindowPlacement placeWindow(int x, int y, int width, int height, int rootWidth, int rootHeight, int monitors,
                            int virtualLeft, bool wasMinimized) {
    if (monitors < 1) monitors = 1;
    const int left = virtualLeft + 50;
    if (wasMinimized) {
        x = left;
        y = 50;
    }
    if (x < left) x = left;
    if (y < 0) y = 50;
    WindowPlacement p{{x, y, width, height}, {x, y, width, height}, false};
    WindowRect& f = p.final;
    const long long desktopWidth = static_cast<long long>(rootWidth) * monitors;
    if (rootWidth > 1) {
        if (f.x > desktopWidth + left) f.x = left;
        if (f.width > desktopWidth) f.width = rootWidth - 100;
    }
    if (rootHeight > 1) {
        if (f.y > rootHeight) f.y = 50;
        if (f.height > rootHeight) f.height = rootHeight - 100;
    }
    p.corrected = f.x != x || f.y != y || f.width != width || f.height != height;
    return p;
}

// How many monitors the desktop has and where its left edge is.
#pragma once

struct ScreenMetrics {
    int monitorCount = 1;
    int virtualLeft = 0;
};

// display is the toolkit's X display handle; without one, or when the server says nothing, 1 monitor at 0.
ScreenMetrics readScreenMetrics(void* display);

// Where the window goes at start-up: the saved geometry corrected to stay on the desktop.
#pragma once

struct WindowRect {
    int x, y, width, height;
};

struct WindowPlacement {
    WindowRect first;  // the saved geometry after the left/top clamps
    WindowRect final;  // the same, corrected to the screen size
    bool corrected;    // final differs from first
};

// rootWidth/rootHeight of 1 or less mean the screen size is unknown and nothing is corrected against it.
WindowPlacement placeWindow(int x, int y, int width, int height, int rootWidth, int rootHeight, int monitors,
                            int virtualLeft, bool wasMinimized);

// Window-test helpers: a loaded, calibrated picture, points added as a click would, and the pixels on screen.
#pragma once

#include <string>
#include <vector>

#include "GuiFixture.h"
#include "image/Markers.h"
#include "image/ToolkitColor.h"

// A 200 x 150 picture whose pixels all differ from their neighbours, saved as a BMP and loaded.
inline void loadTestPicture(Ordinax *win, const std::string &dir) {
    const int w = 200, h = 150;
    std::vector<FXColor> pixels(w * h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            pixels[y * w + x] = FXRGB((x * 5) % 256, (y * 7) % 256, (x + 3 * y) % 256);
    const std::string path = dir + "/picture.bmp";
    {
        FXFileStream out;
        ASSERT_TRUE(out.open(path.c_str(), FXStreamSave));
        ASSERT_TRUE(fxsaveBMP(out, pixels.data(), w, h));
    }
    ASSERT_TRUE(win->loadImageFile(path.c_str()));
}

// Window coordinates of image pixel (ix, iy).
inline int windowX(Ordinax *win, int ix) {
    return win->viewOffsetX + ix;
}
inline int windowY(Ordinax *win, int iy) {
    return win->viewOffsetY + iy;
}

// Origin at image pixel (20, 130) with values 0, x-axis end (180, 130) = 10, y-axis end (20, 10) = 100.
inline void calibrate(Ordinax *win) {
    auto set = [&](Table_qvx1 *table, int row, const char *value, int ix, int iy) {
        table->setCellText(row, 0, value);
        table->setCellText(row, 1, FXStringFormat("%d", windowX(win, ix)));
        table->setCellText(row, 2, FXStringFormat("%d", windowY(win, iy)));
    };
    set(win->xAxisTable, 0, "0", 20, 130);
    set(win->yAxisTable, 0, "0", 20, 130);
    set(win->xAxisTable, 1, "10", 180, 130);
    set(win->yAxisTable, 1, "100", 20, 10);
}

// Adds a data point at image pixel (ix, iy) the way a click records one.
inline void addPoint(Ordinax *win, int ix, int iy) {
    win->writePointRow(win->nextPointRow(), windowX(win, ix), windowY(win, iy));
}

// What the screen side of the working image shows, as ARGB.
inline std::vector<uint32_t> screenPixels(Ordinax *win) {
    win->workImage->restore();
    const FXColor *data = win->workImage->getData();
    std::vector<uint32_t> pixels(win->cleanPixels.size());
    for (size_t i = 0; i < pixels.size(); i++)
        pixels[i] = fromToolkitColor(data[i]);
    return pixels;
}

inline uint32_t pixelAt(const std::vector<uint32_t> &pixels, Ordinax *win, int ix, int iy) {
    return pixels[static_cast<size_t>(iy) * win->imageWidth + ix];
}

// The clean picture with the reference markers over it, as the kernels paint them.
inline std::vector<uint32_t> cleanWithReferenceMarkers(Ordinax *win) {
    std::vector<PixelPaint> paints;
    for (const CanvasPoint &p : win->referencePointPositions())
        appendMarker(paints, win->pictureGeometry(), p.x, p.y, win->referencePointColor, referenceMarkerSize,
                     false);
    std::vector<uint32_t> pixels = win->cleanPixels;
    applyPaints(pixels.data(), win->imageWidth, win->imageHeight, paints);
    return pixels;
}

// The fit plot in the window: the pictures after a fit, dragging a zone limit, and data without an x or y
// span.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "tables/NumberText.h"

using namespace CommandId;

namespace {
const FXColor kPointRed = FXRGB(255, 0, 0), kCurveGreen = FXRGB(0, 255, 0);

// Shows the Curve Fitting page of a large window and fits the points from the xy values table.
class FitPlotTest : public GuiTest {
  protected:
    Ordinax *fittedWindow(const std::vector<double> &xs, const std::function<double(double)> &f,
                          int equations, int background = 0) {
        Ordinax *win = window();
        win->resize(1200, 1000);
        win->mainTabs->setCurrent(3, TRUE);
        settle();
        Table_qvx1 *table = win->xyValuesTable;
        for (size_t r = 0; r < xs.size(); r++) {
            table->setCellText(static_cast<int>(r), 0, formatFixed(xs[r], 6).c_str());
            table->setCellText(static_cast<int>(r), 1, formatFixed(f(xs[r]), 6).c_str());
        }
        win->dataSource = 1;
        win->showDataSource();
        win->numOfEquations_LB->setCurrentItem(equations - 1);
        win->applyEquationCount();
        for (int k = 0; k < equations; k++)
            win->setOrder(k, 2);
        win->plotBackground = background;
        win->showLimits(true);
        EXPECT_TRUE(win->refit());
        settle();
        return win;
    }

    // Number of pixels of the plot's picture with the given colour.
    static int pixelsOf(DataPlot *plot, FXColor colour) {
        FXImage *picture = plot->picture();
        if (!picture)
            return 0;
        int count = 0;
        for (int y = 0; y < picture->getHeight(); y++)
            for (int x = 0; x < picture->getWidth(); x++)
                count += (picture->getPixel(x, y) | FXRGBA(0, 0, 0, 255)) == colour;
        return count;
    }

    void mouse(Ordinax *win, FXSelector type, int x, int y) {
        FXEvent event;
        event.type = type;
        event.win_x = x;
        event.win_y = y;
        event.code = LEFTBUTTON;
        win->handle(win->fitCanvas, FXSEL(type, ID_FIT_PLOT), &event);
    }
};

std::vector<double> evenly(double from, double to, int n) {
    std::vector<double> xs;
    for (int i = 0; i < n; i++)
        xs.push_back(from + (to - from) * i / (n - 1));
    return xs;
}

double bowl(double x) {
    return 50 + (x - 50) * (x - 50) / 100;
}
} // namespace

TEST_F(FitPlotTest, FitDrawsPointsCurveAndZoomViewsOnEachBackground) {
    struct Case {
        int background;
        FXColor back, axis;
    };
    for (const Case &c :
         {Case{0, FXRGB(255, 255, 255), FXRGB(0, 0, 0)}, Case{2, FXRGB(0, 0, 0), FXRGB(255, 255, 255)}}) {
        Ordinax *win = fittedWindow(evenly(1, 100, 40), bowl, 1, c.background);
        DataPlot *plot = win->fitPlot.get();
        ASSERT_NE(plot->picture(), nullptr);
        EXPECT_EQ(plot->picture()->getWidth(), win->fitCanvas->getWidth());
        EXPECT_GT(pixelsOf(plot, kPointRed), 40 * 10) << "the 40 point discs";
        EXPECT_GT(pixelsOf(plot, kCurveGreen), 100) << "the fitted curve";
        EXPECT_EQ(plot->picture()->getPixel(1, 1) | FXRGBA(0, 0, 0, 255), c.back);
        const PlotLayout &layout = plot->layout();
        EXPECT_EQ(plot->picture()->getPixel(layout.plotLeft, (layout.plotTop + layout.plotBottom) / 2) |
                      FXRGBA(0, 0, 0, 255),
                  c.axis)
            << "the frame";
        EXPECT_DOUBLE_EQ(win->xResolution, layout.xResolution());
        EXPECT_GT(win->xResolution, 0);

        // One equation: zoom views #0 and #1, each with points of its end of the data.
        for (int k = 0; k < 7; k++)
            EXPECT_EQ(win->zoomCanvases[k]->shown() != 0, k <= 1) << k;
        for (int k = 0; k <= 1; k++)
            EXPECT_GT(pixelsOf(win->zoomPlots[k].get(), kPointRed), 20) << k;
        FXImage *half = win->halfSizePlot->picture();
        ASSERT_NE(half, nullptr);
        EXPECT_EQ(half->getWidth(), win->fitCanvas->getWidth() / 2);
        EXPECT_GT(pixelsOf(win->halfSizePlot.get(), kPointRed), 40);
        EXPECT_TRUE(modals->seen.empty());
    }
}

TEST_F(FitPlotTest, DraggedLimitKeepsFifteenPixelsFromItsNeighbourAndTheEdge) {
    Ordinax *win = fittedWindow(evenly(1, 100, 60), bowl, 3);
    const PlotLayout layout = win->fitPlot->layout();
    const int bottom = win->fitCanvas->getHeight() - 3;
    auto pixelOf = [&](int i) { return layout.xToPixel(win->upperLimits[i]); };
    const int second = pixelOf(1);

    // A press above the marker strip starts no drag; letting go refits all the same.
    mouse(win, SEL_LEFTBUTTONPRESS, pixelOf(0), win->fitCanvas->getHeight() - 20);
    EXPECT_EQ(win->draggedLimit, -1);
    win->rSquaredFields[0]->setText("");
    mouse(win, SEL_LEFTBUTTONRELEASE, pixelOf(0), win->fitCanvas->getHeight() - 20);
    EXPECT_NE(std::string(win->rSquaredFields[0]->getText().text()), "");
    EXPECT_EQ(pixelOf(1), second);

    mouse(win, SEL_LEFTBUTTONPRESS, pixelOf(0) + 5, bottom);
    ASSERT_EQ(win->draggedLimit, 0);
    int rightmost = 0;
    for (int x = pixelOf(0); x < layout.plotRight + 60; x += 7) {
        mouse(win, SEL_MOTION, x, bottom);
        ASSERT_GE(pixelOf(1) - pixelOf(0), 15) << "pointer at " << x;
        rightmost = std::max(rightmost, pixelOf(0));
    }
    EXPECT_EQ(pixelOf(1), second) << "the neighbour stays";
    EXPECT_GE(rightmost, second - 15 - 7) << "the limit followed the pointer up to its neighbour";
    for (int x = layout.plotRight; x > layout.plotLeft - 60; x -= 5) {
        mouse(win, SEL_MOTION, x, bottom);
        ASSERT_GE(pixelOf(0), layout.plotLeft + 15) << "pointer at " << x;
    }
    EXPECT_LE(pixelOf(0), layout.plotLeft + 15 + 5);

    // Letting go fits with the moved limit.
    mouse(win, SEL_LEFTBUTTONRELEASE, layout.plotLeft, bottom);
    EXPECT_EQ(win->draggedLimit, -1);
    ASSERT_EQ(win->fitResult.limits.size(), 4u);
    EXPECT_NEAR(win->fitResult.limits[1], win->upperLimits[0], win->xResolution);
    EXPECT_TRUE(modals->seen.empty());
}

TEST_F(FitPlotTest, DataWithoutSpanDraws) {
    struct Case {
        const char *name;
        std::vector<double> xs;
        std::function<double(double)> f;
    };
    const std::vector<Case> cases = {
        {"all x equal", std::vector<double>(12, 5.0), [n = 0](double) mutable { return 3.0 + n++; }},
        {"all y equal", evenly(1, 12, 12), [](double) { return 7.0; }},
        {"all zero", std::vector<double>(12, 0.0), [](double) { return 0.0; }},
    };
    for (const Case &c : cases) {
        Ordinax *win = fittedWindow(c.xs, c.f, 1);
        EXPECT_GT(pixelsOf(win->fitPlot.get(), kPointRed), 10) << c.name;
        EXPECT_TRUE(std::isfinite(win->xResolution)) << c.name;
        EXPECT_GE(win->wheelStepPixels, 1) << c.name;
    }
}

TEST_F(FitPlotTest, ResizeAndFontSizeRedrawThePlots) {
    Ordinax *win = fittedWindow(evenly(1, 100, 40), bowl, 2);
    const int left = win->fitPlot->layout().plotLeft, width = win->fitCanvas->getWidth();
    const double resolution = win->xResolution;

    // The canvas hears of its new size from the display, which may take a while on a busy machine.
    win->resize(1400, 1000);
    auto resized = [&] {
        return win->fitCanvas->getWidth() > width &&
               win->fitPlot->layout().canvasWidth == win->fitCanvas->getWidth();
    };
    for (int wait = 0; wait < 250 && !resized(); wait++)
        settle(20);
    ASSERT_GT(win->fitCanvas->getWidth(), width);
    EXPECT_EQ(win->fitPlot->picture()->getWidth(), win->fitCanvas->getWidth());
    EXPECT_EQ(win->fitPlot->layout().canvasWidth, win->fitCanvas->getWidth());
    EXPECT_EQ(win->halfSizePlot->picture()->getWidth(), win->fitCanvas->getWidth() / 2);
    EXPECT_LT(win->xResolution, resolution) << "more pixels for the same x range";

    win->setFitPlotFontSize(20);
    settle();
    EXPECT_GT(win->fitPlot->layout().plotLeft, left) << "larger tick labels";
    EXPECT_GT(pixelsOf(win->fitPlot.get(), kPointRed), 40 * 10);
    EXPECT_DOUBLE_EQ(win->xResolution, win->fitPlot->layout().xResolution());
}

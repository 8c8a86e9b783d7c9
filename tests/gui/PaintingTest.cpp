// Painting over the picture through the window: markers, highlight and erase, colours, the extended cursor,
// the magnified views and the cursor controls.
#include "CalibratedPicture.h"

#include <climits>

#include "image/CursorShapes.h"

using namespace CommandId;

namespace {
constexpr uint32_t green = 0xFF00FF00, blue = 0xFF0000FF, red = 0xFFFF0000, black = 0xFF000000;

// Releases the left button on "Curve points" with the given row selected, as a user's click does.
void clickRow(Ordinax *win, int row) {
    win->curvePointsTable->killSelection();
    win->curvePointsTable->selectRow(row);
    FXEvent event;
    event.type = SEL_LEFTBUTTONRELEASE;
    win->handle(win->curvePointsTable, FXSEL(SEL_LEFTBUTTONRELEASE, ID_CURVE_POINTS), &event);
}

void press(Ordinax *win, FXObject *sender, FXSelector id) {
    win->handle(sender, FXSEL(SEL_COMMAND, id), nullptr);
}

} // namespace

TEST_F(GuiTest, EraseRestoresThePictureAfterMarkersAndAHighlight) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    ASSERT_EQ(screenPixels(win), win->cleanPixels);
    calibrate(win);
    win->drawReferencePoints(win->workImage);
    addPoint(win, 60, 100);
    addPoint(win, 100, 80);
    addPoint(win, 140, 40);
    EXPECT_EQ(pixelAt(screenPixels(win), win, 20, 130), green);
    EXPECT_EQ(pixelAt(screenPixels(win), win, 100, 80), green);

    clickRow(win, 1);
    EXPECT_TRUE(win->highlightShown);
    std::vector<uint32_t> shown = screenPixels(win);
    EXPECT_EQ(pixelAt(shown, win, 119, 80), black) << "outline reaches offset 19";
    EXPECT_EQ(pixelAt(shown, win, 110, 80), green) << "inner pass in the data colour";
    EXPECT_EQ(pixelAt(shown, win, 100, 80), green) << "the solid marker stays in the free centre";

    command(ID_UNHIGHLIGHT);
    shown = screenPixels(win);
    EXPECT_FALSE(win->highlightShown);
    EXPECT_EQ(pixelAt(shown, win, 119, 80), pixelAt(win->cleanPixels, win, 119, 80));
    EXPECT_EQ(pixelAt(shown, win, 100, 80), green);

    win->eraseOverlays(win->workImage);
    EXPECT_EQ(screenPixels(win), win->cleanPixels);
    EXPECT_EQ(win->overlayLog.count(), 0u);
}

TEST_F(GuiTest, ColourRadiosRepaintTheMarkersAndTheCornerColourOption) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    addPoint(win, 100, 80);
    ASSERT_TRUE(win->cornerPointsSameColorAsDataPoints->getCheck());

    press(win, win->dataPointColorRadios[2], ID_DATA_POINT_COLOR);
    EXPECT_EQ(win->dataPointColorIndex, 2);
    EXPECT_EQ(win->referencePointColorIndex, 2) << "the corners follow while the option is on";
    EXPECT_TRUE(win->referencePointColorRadios[2]->getCheck());
    EXPECT_FALSE(win->referencePointColorRadios[1]->getCheck());
    std::vector<uint32_t> shown = screenPixels(win);
    EXPECT_EQ(pixelAt(shown, win, 100, 80), blue);
    EXPECT_EQ(pixelAt(shown, win, 180, 130), blue);
    clickRow(win, 0);
    shown = screenPixels(win);
    EXPECT_EQ(pixelAt(shown, win, 119, 80), red) << "blue points get a red outline";
    EXPECT_EQ(pixelAt(shown, win, 110, 80), blue) << "the inner pass covers the outline";

    win->cornerPointsSameColorAsDataPoints->setCheck(FALSE);
    press(win, win->cornerPointsSameColorAsDataPoints, ID_SAME_POINT_COLORS);
    press(win, win->referencePointColorRadios[0], ID_REFERENCE_POINT_COLOR);
    EXPECT_EQ(win->dataPointColorIndex, 2);
    EXPECT_EQ(pixelAt(screenPixels(win), win, 180, 130), red);

    win->cornerPointsSameColorAsDataPoints->setCheck(TRUE);
    press(win, win->cornerPointsSameColorAsDataPoints, ID_SAME_POINT_COLORS);
    EXPECT_EQ(win->dataPointColorIndex, 0) << "the data points take the corner colour, not the reverse";
    EXPECT_EQ(win->referencePointColorIndex, 0);
    EXPECT_TRUE(win->dataPointColorRadios[0]->getCheck());
}

TEST_F(GuiTest, ExtendedCursorLinesFollowAndLeaveTheCleanPicture) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    win->drawReferencePoints(win->workImage);
    win->drawExtendedCursor(50, 60);
    std::vector<uint32_t> shown = screenPixels(win);
    EXPECT_EQ(pixelAt(shown, win, 199, 60), green);
    EXPECT_EQ(pixelAt(shown, win, 50, 0), green);
    win->drawExtendedCursor(70, 90);
    shown = screenPixels(win);
    EXPECT_EQ(pixelAt(shown, win, 199, 60), pixelAt(win->cleanPixels, win, 199, 60)) << "the old row is gone";
    EXPECT_EQ(pixelAt(shown, win, 70, 149), green);
    win->drawExtendedCursor(-1, -1);
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win));
}

TEST_F(GuiTest, MagnifiedViewsMoveBetweenTheRightColumnAndTheBottomRow) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    win->clearAxisDefinitionsWithNewImage->setCheck(TRUE);
    for (FXHorizontalFrame *frame : win->magnifyFrames)
        EXPECT_EQ(frame->getParent(), win->magnifyColumn);
    EXPECT_TRUE(win->magnifyColumn->shown());
    EXPECT_FALSE(win->magnifyRow->shown());

    win->magnifiedViewsOnBottom_MRB->setCheck(TRUE);
    command(ID_MAGNIFIER_BOTTOM);
    EXPECT_FALSE(win->magnifiedViewsOnRightSide_MRB->getCheck());
    EXPECT_TRUE(win->magnifyRow->shown());
    EXPECT_FALSE(win->magnifyColumn->shown());
    std::vector<FXWindow *> order;
    for (FXWindow *child = win->magnifyRow->getFirst(); child; child = child->getNext())
        order.push_back(child);
    const std::vector<FXWindow *> expected = {win->magnifyFrames[0], win->magnifySpacers[1][0],
                                              win->magnifyFrames[1], win->magnifySpacers[1][1],
                                              win->magnifyFrames[2]};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(std::string(win->xAxisTable->getItemText(1, 0).text()), "10")
        << "moving the views keeps the axes";

    command(ID_MAGNIFIER_RIGHT);
    EXPECT_TRUE(win->magnifiedViewsOnRightSide_MRB->getCheck());
    EXPECT_EQ(win->magnifyFrames[1]->getParent(), win->magnifyColumn);
    EXPECT_TRUE(win->magnifyColumn->shown());

    win->showMagnifiedImageCheck->setCheck(FALSE);
    command(ID_MAGNIFIER_OPTIONS);
    EXPECT_FALSE(win->magnifyColumn->shown());
    EXPECT_FALSE(win->magnifyRow->shown());
    EXPECT_FALSE(win->magnifyFrames[0]->shown());
}

TEST_F(GuiTest, MagnifiedViewsShowTheNeighbourhoodAndIgnoreFarPositions) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    calibrate(win);
    addPoint(win, 100, 80);
    win->updateMagnifiedViews(windowX(win, 100), windowY(win, 80));
    FXImage *plain = win->magnifyViews[0]->getImage();
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->getWidth(), 180);
    EXPECT_EQ(plain->getHeight(), 180);
    EXPECT_EQ(win->magnifyViews[1]->getImage()->getWidth(), 180);
    win->updateMagnifiedViews(windowX(win, 231), windowY(win, 80));
    EXPECT_EQ(win->magnifyViews[0]->getImage(), plain) << "more than 30 pixels outside changes nothing";
}

TEST_F(GuiTest, ScanDirectionPictureNeedsThePointSearchAndItsOption) {
    Ordinax *win = window();
    if (win->autoFindPoint_Chk) {
        win->autoFindPoint_Chk->setCheck(TRUE);
        win->drawScanDirectionImage();
        EXPECT_TRUE(win->magnifyFrames[2]->shown());
        ASSERT_NE(win->magnifyViews[2]->getImage(), nullptr);
        EXPECT_EQ(win->magnifyViews[2]->getImage()->getWidth(), 180);
        win->autoFindPoint_Chk->setCheck(FALSE);
        win->drawScanDirectionImage();
        EXPECT_FALSE(win->magnifyFrames[2]->shown()) << "hidden without the point search";
        win->autoFindPoint_Chk->setCheck(TRUE);
    }
    win->showScanDirectionMagnifiedImageCheck->setCheck(FALSE);
    command(ID_MAGNIFIER_OPTIONS);
    EXPECT_FALSE(win->magnifyFrames[2]->shown()) << "hidden by its option";
    EXPECT_TRUE(win->magnifyFrames[0]->shown());
}

TEST_F(GuiTest, CursorStyleControlsGreyOutWideAndPickTheShownCursor) {
    Ordinax *win = window();
    for (const auto &cursor : win->canvasCursors)
        EXPECT_NE(cursor->id(), 0u) << "ready to be switched in";
    EXPECT_NE(win->colourPickCursor->id(), 0u);
    EXPECT_EQ(win->cursorType, cursorOutline);
    EXPECT_TRUE(win->cursorSpacing_Chk->isEnabled());
    win->cursorSpacing_Chk->setCheck(TRUE);
    press(win, win->cursorSpacing_Chk, ID_CURSOR_STYLE);
    press(win, win->cursorTypeRadios[1], ID_CURSOR_STYLE);
    EXPECT_EQ(win->cursorType, cursorSolidHollow);
    EXPECT_TRUE(win->cursorTypeRadios[1]->getCheck());
    EXPECT_FALSE(win->cursorTypeRadios[2]->getCheck());
    EXPECT_FALSE(win->cursorSpacing_Chk->isEnabled());
    EXPECT_TRUE(win->cursorSpacing_Chk->getCheck()) << "the box keeps its state while disabled";
    EXPECT_EQ(win->cursorPixelStore[0], [] {
        std::vector<FXColor> c;
        for (uint32_t p : canvasCursorPixels(cursorSolidHollow, cursorBlack, true))
            c.push_back(toToolkitColor(p));
        return c;
    }()) << "the wide hollow centre still applies";
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->canvasCursors[0].get());

    win->cursorColorList->setCurrentItem(cursorBlackWhite);
    press(win, win->cursorColorList, ID_CURSOR_STYLE);
    EXPECT_EQ(win->cursorColorIndex, cursorBlackWhite);
    EXPECT_EQ(win->cursorType, cursorSolidHollow) << "the list box leaves the type alone";
    EXPECT_EQ(win->imageView->getDefaultCursor(), app()->getDefaultCursor(DEF_CROSSHAIR_CURSOR));

    press(win, win->cursorTypeRadios[0], ID_CURSOR_STYLE);
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->canvasCursors[cursorBlackWhite].get());
    EXPECT_FALSE(win->cursorSpacing_Chk->isEnabled());
}

TEST_F(GuiTest, PointCellsFarOutsideThePictureDrawNothing) {
    Ordinax *win = window();
    loadTestPicture(win, workDir);
    const char *const cells[][2] = {{"99999999999", "5"},    {"-99999999999", "-99999999999"},
                                    {"2147483647", "1e300"}, {"-2147483648", "80"},
                                    {"12abc", "-7"},         {"0", "0"}};
    int row = 0;
    for (const auto &cell : cells) {
        win->curvePointsTable->setCellText(row, 0, "1");
        win->curvePointsTable->setCellText(row, 1, "1");
        win->curvePointsTable->setCellText(row, 3, cell[0]);
        win->curvePointsTable->setCellText(row, 4, cell[1]);
        row++;
    }
    win->xAxisTable->setCellText(1, 1, "-2147483648");
    win->xAxisTable->setCellText(1, 2, "2147483647");
    win->redrawOverlays();
    for (int r = 0; r < row; r++)
        win->highlightRow(r, false);
    win->updateMagnifiedViews(INT_MIN, INT_MAX);
    win->updateMagnifiedViews(INT_MAX, INT_MIN);
    win->drawExtendedCursor(INT_MAX, INT_MAX);
    modals->expect("OK"); // the axes are not calibrated, so the values cannot be computed
    win->writePointRow(row, INT_MIN, -1e300);
    EXPECT_EQ(screenPixels(win), win->cleanPixels);
}

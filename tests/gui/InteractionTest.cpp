// The mouse and keys on the picture through the window: the point types, clicks, stepping, arrow keys,
// the constraint, the line, the resets, undo and the popup menus.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "CalibratedPicture.h"
#include "image/CursorShapes.h"
#include "image/PointTypeLogic.h"

using namespace CommandId;

namespace {
std::string text(Table_qvx1 *table, int row, int column) {
    return table->getItemText(row, column).text();
}

FXEvent eventWith(FXuint type, FXint state = 0, FXint code = 0) {
    FXEvent event{};
    event.type = type;
    event.state = state;
    event.code = code;
    return event;
}

void pointAt(Ordinax *win, int ix, int iy) {
    win->setCursorPosition(windowX(win, ix), windowY(win, iy));
}

FXPoint pointer(Ordinax *win) {
    FXint x, y;
    FXuint buttons;
    win->getCursorPosition(x, y, buttons);
    return FXPoint(static_cast<FXshort>(x), static_cast<FXshort>(y));
}

// A press of the left button on the picture at image pixel (ix, iy), as the view hands it on.
void clickAt(Ordinax *win, int ix, int iy, FXint state = 0) {
    pointAt(win, ix, iy);
    FXEvent event = eventWith(SEL_LEFTBUTTONPRESS, state);
    event.code = LEFTBUTTON;
    win->handle(win->imageView, FXSEL(SEL_LEFTBUTTONPRESS, ID_IMAGE_VIEW), &event);
}

void moveTo(Ordinax *win, int ix, int iy, FXint state = 0) {
    pointAt(win, ix, iy);
    FXEvent event = eventWith(SEL_MOTION, state);
    win->handle(win->imageView, FXSEL(SEL_MOTION, ID_IMAGE_VIEW), &event);
}

void key(Ordinax *win, FXint code, FXint state = 0) {
    FXEvent press = eventWith(SEL_KEYPRESS, state, code);
    win->handle(win->imageView, FXSEL(SEL_KEYPRESS, ID_IMAGE_VIEW), &press);
}

void keyUp(Ordinax *win, FXint code) {
    FXEvent release = eventWith(SEL_KEYRELEASE, 0, code);
    win->handle(win->imageView, FXSEL(SEL_KEYRELEASE, ID_IMAGE_VIEW), &release);
}

void rightRelease(Ordinax *win, FXObject *sender, FXSelector id) {
    FXEvent event = eventWith(SEL_RIGHTBUTTONRELEASE);
    event.root_x = win->getX() + 400;
    event.root_y = win->getY() + 300;
    win->handle(sender, FXSEL(SEL_RIGHTBUTTONRELEASE, id), &event);
}

void press(Ordinax *win, FXObject *sender, FXSelector id) {
    win->handle(sender, FXSEL(SEL_COMMAND, id), nullptr);
}

// Which radios are checked and which enabled, origin first.
std::string radios(Ordinax *win) {
    std::string shown;
    for (FXRadioButton *radio : win->pointTypeRadios)
        shown += std::string(radio->getCheck() ? "c" : "-") + (radio->isEnabled() ? "e " : "- ");
    return shown;
}

// A press where the pointer already is, as after a motion that the constraint held.
void pressHere(Ordinax *win) {
    FXEvent event = eventWith(SEL_LEFTBUTTONPRESS);
    win->handle(win->imageView, FXSEL(SEL_LEFTBUTTONPRESS, ID_IMAGE_VIEW), &event);
}

void typeAxisValues(Ordinax *win) {
    win->xAxisTable->setCellText(0, 0, "0");
    win->xAxisTable->setCellText(1, 0, "10");
    win->yAxisTable->setCellText(0, 0, "0");
    win->yAxisTable->setCellText(1, 0, "100");
}

// The axes defined by three clicks, as calibrate() places them, and their real values typed.
void defineAxesByClicks(Ordinax *win, bool typeValues = true) {
    clickAt(win, 20, 130);
    clickAt(win, 180, 130);
    clickAt(win, 20, 10);
    if (typeValues)
        typeAxisValues(win);
}

// The screen side of an image, read through a copy so that the image's own pixels stay as they are.
std::vector<FXColor> screenOf(FXImage *image) {
    FXImage copy(image->getApp(), nullptr, IMAGE_KEEP, image->getWidth(), image->getHeight());
    copy.create();
    {
        FXDCWindow dc(&copy);
        dc.drawImage(image, 0, 0);
    }
    copy.restore();
    return std::vector<FXColor>(copy.getData(), copy.getData() + image->getWidth() * image->getHeight());
}

int pointRows(Ordinax *win) {
    return win->nextPointRow();
}

// The test picture, with the point search off so that data points land at the pointer.
void loadPicture(Ordinax *win, const std::string &dir) {
    loadTestPicture(win, dir);
    if (win->autoFindPoint_Chk)
        win->autoFindPoint_Chk->setCheck(FALSE);
}

// A white 200 x 150 picture with a black line three pixels thick over image rows 80 to 82.
void loadLinePicture(Ordinax *win, const std::string &dir) {
    const int w = 200, h = 150;
    std::vector<FXColor> pixels(w * h, FXRGB(255, 255, 255));
    for (int y = 80; y <= 82; y++)
        for (int x = 0; x < w; x++)
            pixels[y * w + x] = FXRGB(0, 0, 0);
    const std::string path = dir + "/line.bmp";
    {
        FXFileStream out;
        ASSERT_TRUE(out.open(path.c_str(), FXStreamSave));
        ASSERT_TRUE(fxsaveBMP(out, pixels.data(), w, h));
    }
    ASSERT_TRUE(win->loadImageFile(path.c_str()));
}
} // namespace

TEST_F(GuiTest, ClicksDefineOriginMaxXMaxYThenDataWithTheRadioDisplay) {
    Ordinax *win = window();
    EXPECT_FALSE(win->pointTypeRadios[pointMinY]->shown());
    EXPECT_EQ(std::string(win->pointTypeRadios[0]->getText().text()), "Min X & Y");
    loadPicture(win, workDir);
    EXPECT_EQ(radios(win), "ce -- -- -- -- ");
    EXPECT_EQ(win->curvePointsTable->getItemStipple(0, 0), STIPPLE_CROSSDIAG);

    clickAt(win, 20, 130);
    EXPECT_EQ(text(win->xAxisTable, 0, 1), std::to_string(windowX(win, 20)));
    EXPECT_EQ(text(win->yAxisTable, 0, 2), std::to_string(windowY(win, 130)));
    EXPECT_EQ(win->rotationCentre.x, 20);
    EXPECT_EQ(win->rotationCentre.y, 130);
    EXPECT_EQ(radios(win), "-- ce -- -- -- ");
    clickAt(win, 180, 130);
    EXPECT_EQ(text(win->xAxisTable, 1, 1), std::to_string(windowX(win, 180)));
    EXPECT_EQ(radios(win), "-- -- -- ce -- ");
    clickAt(win, 20, 10);
    EXPECT_EQ(text(win->yAxisTable, 1, 2), std::to_string(windowY(win, 10)));
    EXPECT_TRUE(win->yAxisTable->isCellEmpty(0, 0)) << "real values are typed, not clicked";
    EXPECT_EQ(radios(win), "-- -- -- -- ce ");
    EXPECT_EQ(win->curvePointsTable->getItemStipple(0, 0), STIPPLE_NONE);
    EXPECT_TRUE(win->drawLineButton->isEnabled());
    std::vector<uint32_t> shown = screenPixels(win);
    EXPECT_EQ(pixelAt(shown, win, 180, 130), win->referencePointColor);
    EXPECT_EQ(pixelAt(shown, win, 20, 10), win->referencePointColor);

    typeAxisValues(win);
    for (int k = 0; k < 8; k++)
        clickAt(win, 36 + 16 * k, 118 - 12 * k);
    EXPECT_EQ(radios(win), "-- -- -- -- ce ") << "further clicks only add data points";
    EXPECT_EQ(pointRows(win), 8);
    EXPECT_EQ(win->nextPointType, maxNextPointType);
    EXPECT_EQ(text(win->curvePointsTable, 0, 0), "1.00000");
    EXPECT_EQ(text(win->curvePointsTable, 0, 1), "10.0000");
    EXPECT_TRUE(win->undoButton->isEnabled());
    EXPECT_TRUE(win->orderPointsButton->isEnabled());

    // The one enabled radio sets the counter to its own type.
    press(win, win->pointTypeRadios[pointData], ID_POINT_TYPE);
    EXPECT_EQ(win->nextPointType, pointData);
    EXPECT_EQ(radios(win), "-- -- -- -- ce ");
}

TEST_F(GuiTest, ControlClickPlacesThePointExactlyAtThePointer) {
    Ordinax *win = window();
    loadLinePicture(win, workDir);
    if (!win->autoFindPoint_Chk)
        win->autoFindPoint_Chk = new FXCheckButton(win->pointTypeGroup, "Auto-find");
    win->autoFindPoint_Chk->setCheck(TRUE);
    defineAxesByClicks(win);
    ASSERT_EQ(win->searchDirection, 0);

    clickAt(win, 100, 95);
    EXPECT_EQ(text(win->curvePointsTable, 0, 3), std::to_string(windowX(win, 100)));
    EXPECT_EQ(text(win->curvePointsTable, 0, 4), FXStringFormat("%.4lf", windowY(win, 81) + 0.0).text())
        << "the search moves the point up onto the middle of the line";
    clickAt(win, 120, 95, CONTROLMASK);
    EXPECT_EQ(text(win->curvePointsTable, 1, 3), std::to_string(windowX(win, 120)));
    EXPECT_EQ(text(win->curvePointsTable, 1, 4), FXStringFormat("%.4lf", windowY(win, 95) + 0.0).text());
    clickAt(win, 140, 30);
    EXPECT_EQ(pointRows(win), 2) << "a search that finds no curve adds nothing";
}

TEST_F(GuiTest, FirstMotionAfterShiftAddsAPointAtOnceThenEverySpacing) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    clickAt(win, 100, 100);
    ASSERT_EQ(pointRows(win), 1);

    pointAt(win, 102, 101);
    key(win, KEY_Shift_L, SHIFTMASK);
    EXPECT_TRUE(win->stepMode);
    EXPECT_EQ(win->stepSpacing, 10);
    moveTo(win, 102, 101, SHIFTMASK);
    ASSERT_EQ(pointRows(win), 2) << "next to the last point, but the first motion of the press";
    EXPECT_EQ(text(win->curvePointsTable, 1, 3), std::to_string(windowX(win, 102)));
    moveTo(win, 110, 105, SHIFTMASK);
    EXPECT_EQ(pointRows(win), 2) << "8 pixels are within the spacing";
    moveTo(win, 113, 101, SHIFTMASK);
    EXPECT_EQ(pointRows(win), 3);
    EXPECT_EQ(win->stepRow, 2);

    keyUp(win, KEY_Shift_L);
    EXPECT_FALSE(win->stepMode);
    EXPECT_EQ(win->stepRow, -1);
    moveTo(win, 150, 60);
    EXPECT_EQ(pointRows(win), 3);

    key(win, KEY_Shift_R, SHIFTMASK | CONTROLMASK);
    EXPECT_EQ(win->stepSpacing, 5);
    moveTo(win, 150, 60, SHIFTMASK | CONTROLMASK);
    moveTo(win, 156, 60, SHIFTMASK | CONTROLMASK);
    EXPECT_EQ(pointRows(win), 5);
    keyUp(win, KEY_Shift_R);
}

TEST_F(GuiTest, ShiftBeforeTheDataPointsStartsNoStepping) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    clickAt(win, 20, 130);
    key(win, KEY_Shift_L, SHIFTMASK);
    EXPECT_FALSE(win->stepMode);
    moveTo(win, 60, 60, SHIFTMASK);
    EXPECT_TRUE(win->xAxisTable->isCellEmpty(1, 1));
}

TEST_F(GuiTest, ArrowKeysStepThePointerAndNeverLeaveThePicture) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    pointAt(win, 50, 50);
    key(win, KEY_Left);
    EXPECT_EQ(pointer(win).x, windowX(win, 49));
    key(win, KEY_Right, SHIFTMASK);
    EXPECT_EQ(pointer(win).x, windowX(win, 52));
    key(win, KEY_Down, SHIFTMASK | CONTROLMASK);
    EXPECT_EQ(pointer(win).y, windowY(win, 59));
    key(win, KEY_Up, CONTROLMASK);
    EXPECT_EQ(pointer(win).y, windowY(win, 56));

    pointAt(win, 4, 1);
    for (int i = 0; i < 5; i++) {
        key(win, KEY_Left, SHIFTMASK | CONTROLMASK);
        key(win, KEY_Up);
    }
    EXPECT_EQ(pointer(win).x, windowX(win, 1));
    EXPECT_EQ(pointer(win).y, windowY(win, 1));
    EXPECT_GE(pointer(win).x, 6) << "never left of x = 6";
    pointAt(win, 197, 148);
    for (int i = 0; i < 5; i++) {
        key(win, KEY_Right, SHIFTMASK);
        key(win, KEY_Down, SHIFTMASK);
    }
    EXPECT_EQ(pointer(win).x, windowX(win, 200));
    EXPECT_EQ(pointer(win).y, windowY(win, 150));
    EXPECT_EQ(win->handle(win->imageView, FXSEL(SEL_KEYPRESS, ID_IMAGE_VIEW), nullptr), 0);
    FXEvent other = eventWith(SEL_KEYPRESS, 0, KEY_a);
    EXPECT_EQ(win->handle(win->imageView, FXSEL(SEL_KEYPRESS, ID_IMAGE_VIEW), &other), 0)
        << "other keys are left to the window";
}

TEST_F(GuiTest, ReturnActsAsAClickAtThePointer) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    pointAt(win, 20, 130);
    key(win, KEY_Return);
    EXPECT_EQ(text(win->xAxisTable, 0, 1), std::to_string(windowX(win, 20)));
    clickAt(win, 180, 130);
    clickAt(win, 20, 10);
    calibrate(win);
    pointAt(win, 60, 70);
    key(win, KEY_KP_Enter);
    ASSERT_EQ(pointRows(win), 1);
    EXPECT_EQ(text(win->curvePointsTable, 0, 3), std::to_string(windowX(win, 60)));
    EXPECT_EQ(text(win->curvePointsTable, 0, 4), FXStringFormat("%.4lf", windowY(win, 70) + 0.0).text());
}

TEST_F(GuiTest, ConstrainHoldsThePointerOnTheOriginsRowWhileMaxXIsShown) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    win->constrainCursor_Chk->setCheck(TRUE);
    press(win, win->constrainCursor_Chk, ID_CONSTRAIN);
    clickAt(win, 20, 130);
    ASSERT_TRUE(win->pointTypeRadios[pointMaxX]->getCheck());
    for (const FXPoint &to : {FXPoint(120, 60), FXPoint(150, 10), FXPoint(90, 149)}) {
        moveTo(win, to.x, to.y);
        EXPECT_EQ(pointer(win).x, windowX(win, to.x));
        EXPECT_EQ(pointer(win).y, windowY(win, 130)) << "held on the origin's row";
        EXPECT_EQ(text(win->currentPositionTable, 0, 1), std::to_string(windowX(win, to.x)));
    }
    EXPECT_TRUE(win->currentPositionTable->isCellEmpty(1, 1)) << "y is not written while held";

    moveTo(win, 180, 100);
    pressHere(win);
    EXPECT_EQ(text(win->xAxisTable, 1, 2), std::to_string(windowY(win, 130))) << "Max X lands on the row";
    moveTo(win, 60, 40);
    EXPECT_EQ(pointer(win).x, windowX(win, 20)) << "Max Y holds the pointer on the origin's column";
    EXPECT_EQ(pointer(win).y, windowY(win, 40));

    win->constrainCursor_Chk->setCheck(FALSE);
    press(win, win->constrainCursor_Chk, ID_CONSTRAIN);
    EXPECT_FALSE(win->constrainActive);
    moveTo(win, 60, 40);
    EXPECT_EQ(pointer(win).x, windowX(win, 60));
    key(win, KEY_Right, ALTMASK);
    EXPECT_TRUE(win->constrainActive) << "without the box Alt holds the pointer";
    keyUp(win, KEY_Right);
    EXPECT_FALSE(win->constrainActive);
}

TEST_F(GuiTest, ResetAllReturnsToTheOriginAndEmptiesThePixelCells) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    clickAt(win, 60, 60);
    moveTo(win, 100, 60);
    press(win, win->drawLineButton, ID_DRAW_LINE);
    ASSERT_TRUE(win->lineMode);

    press(win, win->resetAllButton, ID_RESET_ALL);
    EXPECT_EQ(radios(win), "ce -- -- -- -- ");
    EXPECT_EQ(win->nextPointType, 0);
    EXPECT_FALSE(win->lineMode);
    EXPECT_EQ(std::string(win->drawLineButton->getText().text()), "Draw line");
    EXPECT_FALSE(win->drawLineButton->isEnabled());
    for (Table_qvx1 *table : {win->xAxisTable, win->yAxisTable})
        for (int row = 0; row < 2; row++) {
            EXPECT_TRUE(table->isCellEmpty(row, 1));
            EXPECT_TRUE(table->isCellEmpty(row, 2));
        }
    EXPECT_EQ(text(win->yAxisTable, 1, 0), "100") << "the typed real values stay";
    EXPECT_TRUE(win->axisAngleFields[0]->getText().empty());
    EXPECT_EQ(pointRows(win), 0);
    EXPECT_FALSE(win->restoreDataButton->isEnabled());
    EXPECT_EQ(win->curvePointsTable->getItemStipple(0, 0), STIPPLE_CROSSDIAG);
    EXPECT_EQ(screenPixels(win), win->cleanPixels) << "the button also takes the markers away";
    clickAt(win, 30, 120);
    EXPECT_EQ(text(win->xAxisTable, 0, 1), std::to_string(windowX(win, 30)))
        << "the next click is the origin";
}

TEST_F(GuiTest, RestoreDataBringsBackThePointsAfterClearData) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    for (int k = 1; k <= 3; k++)
        clickAt(win, 20 + 16 * k, 130 - 12 * k);
    command(ID_CLEAR_DATA);
    EXPECT_EQ(pointRows(win), 0);
    EXPECT_TRUE(win->restoreDataButton->isEnabled());
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win));

    command(ID_RESTORE_DATA);
    ASSERT_EQ(pointRows(win), 3);
    EXPECT_EQ(text(win->curvePointsTable, 2, 0), "3.0000");
    EXPECT_EQ(text(win->curvePointsTable, 2, 1), "30.000");
    EXPECT_FALSE(win->restoreDataButton->isEnabled());
    EXPECT_TRUE(win->undoButton->isEnabled());
    EXPECT_EQ(radios(win), "-- -- -- -- ce ") << "the replay records no point and moves no reference point";
    EXPECT_EQ(text(win->xAxisTable, 0, 1), std::to_string(windowX(win, 20)));
    EXPECT_EQ(pixelAt(screenPixels(win), win, 68, 94), win->dataPointColor) << "the markers are back";
    clickAt(win, 120, 60);
    EXPECT_EQ(pointRows(win), 4) << "the next click goes after the restored points";
}

TEST_F(GuiTest, UndoLastPointByToolBarPopupAndDeleteKeyAsksNothing) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    for (int k = 1; k <= 4; k++)
        clickAt(win, 20 + 16 * k, 130 - 12 * k);
    win->curvePointsTable->killSelection();

    press(win, win->undoButton, ID_UNDO_LAST_POINT);
    EXPECT_EQ(pointRows(win), 3);
    EXPECT_TRUE(win->undoButton->isEnabled());

    modals->expect("Delete last point");
    rightRelease(win, win->imageView, ID_IMAGE_VIEW);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].kind, "popup");
    const std::vector<std::string> entries = {"Auto-find curve",   "Copy table", "Copy X", "Copy Y",
                                              "Delete last point", "Clear data", "Dismiss"};
    EXPECT_EQ(modals->seen[0].entries, entries);
    EXPECT_EQ(pointRows(win), 2);

    win->curvePointsTable->killSelection();
    key(win, KEY_Delete);
    EXPECT_EQ(pointRows(win), 1);
    EXPECT_FALSE(win->highlightShown);
    key(win, KEY_Delete);
    key(win, KEY_Delete);
    EXPECT_EQ(pointRows(win), 0);
    press(win, win->undoButton, ID_UNDO_LAST_POINT);
    EXPECT_EQ(modals->seen.size(), 1u) << "no message box on the way";
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win));
}

TEST_F(GuiTest, PictureMenuNeedsAPointAndFollowsTheCopyButtons) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    rightRelease(win, win->imageView, ID_IMAGE_VIEW);
    EXPECT_TRUE(modals->seen.empty()) << "no menu without a data point";
    defineAxesByClicks(win);
    rightRelease(win, win->imageView, ID_IMAGE_VIEW);
    EXPECT_TRUE(modals->seen.empty());

    clickAt(win, 60, 60);
    win->autoOrderIncreasingWhenCopying_Chk->setCheck(TRUE);
    modals->expect("Clear data");
    rightRelease(win, win->imageView, ID_IMAGE_VIEW);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].entries[1], "Copy table (AO)");
    EXPECT_EQ(pointRows(win), 0) << "the menu's entry cleared the data";
}

TEST_F(GuiTest, TablePopupsOfferTheirEntries) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    clickAt(win, 60, 60);
    clickAt(win, 80, 40);
    win->curvePointsTable->selectRow(1);
    modals->expect("Delete row(s)");
    rightRelease(win, win->curvePointsTable, ID_CURVE_POINTS);
    ASSERT_EQ(modals->seen.size(), 1u);
    const std::vector<std::string> entries = {"un-Highlight points", "Delete row(s)", "Order by % diff",
                                              "Cancel"};
    EXPECT_EQ(modals->seen[0].entries, entries);
    EXPECT_EQ(pointRows(win), 1);

    win->xyValuesTable->setCellText(0, 0, "1");
    win->xyValuesTable->setCellText(0, 1, "2");
    win->xyValuesTable->selectRow(0);
    modals->expect("Delete row(s)");
    rightRelease(win, win->xyValuesTable, ID_XY_VALUES);
    ASSERT_EQ(modals->seen.size(), 2u);
    EXPECT_EQ(modals->seen[1].entries, (std::vector<std::string>{"Delete row(s)", "Cancel"}));
    EXPECT_TRUE(win->xyValuesTable->isCellEmpty(0, 0));
}

TEST_F(GuiTest, DrawLineFollowsTheMouseAndStaysAfterTheSecondClick) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    win->cornerPointsSameColorAsDataPoints->setCheck(FALSE);
    press(win, win->referencePointColorRadios[0], ID_REFERENCE_POINT_COLOR);
    const FXColor lineColor = toToolkitColor(win->referencePointColor);
    ASSERT_NE(win->referencePointColor, win->dataPointColor);
    defineAxesByClicks(win);
    clickAt(win, 60, 60);
    press(win, win->drawLineButton, ID_DRAW_LINE);
    EXPECT_EQ(std::string(win->drawLineButton->getText().text()), "Cancel line");
    clickAt(win, 40, 100);
    EXPECT_EQ(pointRows(win), 1) << "a line click adds no point";
    moveTo(win, 140, 100);
    ASSERT_NE(win->lineImage, nullptr);
    EXPECT_EQ(win->imageView->getImage(), win->lineImage.get());
    std::vector<FXColor> band = screenOf(win->lineImage.get());
    EXPECT_EQ(band[100 * win->imageWidth + 90], lineColor);
    EXPECT_EQ(band[60 * win->imageWidth + 60], toToolkitColor(win->dataPointColor)) << "over the markers";
    // The magnified view with the markers shows the band from the first point to the pointer.
    const std::vector<FXColor> magnified = screenOf(win->magnifyImages[1].get());
    EXPECT_EQ(magnified[(30 * 3 + 1) * 180 + 10 * 3], lineColor);

    moveTo(win, 140, 120);
    band = screenOf(win->lineImage.get());
    EXPECT_EQ(fromToolkitColor(band[100 * win->imageWidth + 130]), pixelAt(win->cleanPixels, win, 130, 100))
        << "the old band is gone";
    clickAt(win, 140, 120);
    EXPECT_EQ(win->lineImage, nullptr);
    EXPECT_TRUE(win->lineShown);
    EXPECT_FALSE(win->lineMode);
    EXPECT_EQ(std::string(win->drawLineButton->getText().text()), "Draw line");
    EXPECT_FALSE(win->drawLineButton->isEnabled()) << "one line at a time";
    EXPECT_EQ(win->imageView->getImage(), win->workImage);
    auto lineInColumn90 = [win] {
        const std::vector<uint32_t> shown = screenPixels(win);
        for (int y = 108; y <= 112; y++)
            if (pixelAt(shown, win, 90, y) == win->referencePointColor)
                return true;
        return false;
    };
    EXPECT_TRUE(lineInColumn90());
    clickAt(win, 120, 30);
    EXPECT_EQ(pointRows(win), 2);
    EXPECT_TRUE(lineInColumn90()) << "drawn again with a point";
}

TEST_F(GuiTest, CancelLineLeavesThePictureAsItWas) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    clickAt(win, 60, 60);
    const std::vector<uint32_t> before = screenPixels(win);
    press(win, win->drawLineButton, ID_DRAW_LINE);
    clickAt(win, 40, 100);
    moveTo(win, 140, 100);
    press(win, win->drawLineButton, ID_DRAW_LINE);
    EXPECT_FALSE(win->lineMode);
    EXPECT_EQ(win->lineImage, nullptr);
    EXPECT_EQ(win->imageView->getImage(), win->workImage);
    EXPECT_EQ(screenPixels(win), before);
    clickAt(win, 80, 50);
    EXPECT_EQ(pointRows(win), 2) << "clicks add points again";
}

TEST_F(GuiTest, MotionFillsTheReadOutsAndTheAdaptiveCursor) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    moveTo(win, 100, 70);
    EXPECT_EQ(text(win->currentPositionTable, 0, 1), std::to_string(windowX(win, 100)));
    EXPECT_EQ(text(win->currentPositionTable, 1, 1), std::to_string(windowY(win, 70)));
    EXPECT_EQ(text(win->currentPositionTable, 0, 0), "5.0000");
    EXPECT_EQ(text(win->currentPositionTable, 1, 0), "50.000");
    EXPECT_EQ(win->magnifyCentre.x, windowX(win, 100));

    win->cursorColorList->setCurrentItem(cursorAdaptive);
    press(win, win->cursorColorList, ID_CURSOR_STYLE);
    moveTo(win, 1, 1); // a dark pixel: (5, 7, 4)
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->canvasCursors[cursorWhite].get());
    moveTo(win, 40, 30); // (200, 210, 130)
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->canvasCursors[cursorBlack].get());

    win->startColorPick();
    moveTo(win, 1, 1);
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->colourPickCursor.get()) << "the pick keeps its cursor";
    const uint32_t before = win->curveColor();
    win->setCursorPosition(windowX(win, -40), windowY(win, 20));
    key(win, KEY_Return);
    EXPECT_FALSE(win->colorPickMode) << "a pick off the picture ends without a colour";
    EXPECT_EQ(win->curveColor(), before);
    moveTo(win, 1, 1);
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->canvasCursors[cursorWhite].get());
}

// The toolkit's image view keeps its motions to itself; the picture's view hands each one to the window.
TEST_F(GuiTest, PictureViewHandsItsMotionToTheWindow) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    pointAt(win, 77, 33);
    FXEvent event = eventWith(SEL_MOTION);
    event.win_x = 77;
    event.win_y = 33;
    EXPECT_EQ(win->imageView->handle(win->imageView, FXSEL(SEL_MOTION, 0), &event), 1);
    EXPECT_EQ(text(win->currentPositionTable, 0, 1), std::to_string(windowX(win, 77)));
    EXPECT_EQ(text(win->currentPositionTable, 1, 1), std::to_string(windowY(win, 33)));
}

TEST_F(GuiTest, ExtendedCursorFollowsTheMouseUntilMaxYIsClicked) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    win->extendCursorAll_Chk->setCheck(TRUE);
    moveTo(win, 50, 60);
    EXPECT_EQ(pixelAt(screenPixels(win), win, 199, 60), win->dataPointColor);
    clickAt(win, 20, 130);
    clickAt(win, 180, 130);
    FXThread::sleep(2000000);
    moveTo(win, 20, 10);
    EXPECT_EQ(pixelAt(screenPixels(win), win, 150, 10), win->dataPointColor);
    clickAt(win, 20, 10);
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win)) << "the Max Y click takes the lines away";
    moveTo(win, 70, 70);
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win)) << "no lines while data points are picked";
}

TEST_F(GuiTest, IncompleteAxisTablesShowAxisErrorOnceAndAddNoRow) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win, false);
    modals->expect("OK");
    clickAt(win, 60, 60);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Axis error");
    EXPECT_EQ(modals->seen[0].text, "Enter the real values for the axis min and max");
    for (int c = 0; c < 5; c++)
        EXPECT_TRUE(win->curvePointsTable->isCellEmpty(0, c));

    // Stepping meets the same error once: the box ends the stepping.
    modals->expect("OK");
    key(win, KEY_Shift_L, SHIFTMASK);
    moveTo(win, 80, 60, SHIFTMASK);
    moveTo(win, 120, 60, SHIFTMASK);
    EXPECT_EQ(modals->seen.size(), 2u);
    EXPECT_FALSE(win->stepMode);
    EXPECT_EQ(pointRows(win), 0);
    EXPECT_EQ(screenPixels(win), cleanWithReferenceMarkers(win));
}

TEST_F(GuiTest, PointerOffThePictureOrStaleOffsetsWriteNothing) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    defineAxesByClicks(win);
    win->setCursorPosition(windowX(win, -40), windowY(win, 20));
    key(win, KEY_Return);
    win->setCursorPosition(windowX(win, 260), windowY(win, 170));
    key(win, KEY_Return);
    EXPECT_EQ(pointRows(win), 0);

    // Offsets that no longer match the layout put every pointer far from the picture.
    const int offsetX = win->viewOffsetX, offsetY = win->viewOffsetY;
    for (const FXPoint &offset : {FXPoint(-30000, 0), FXPoint(30000, -30000), FXPoint(0, 30000)}) {
        win->viewOffsetX = offset.x;
        win->viewOffsetY = offset.y;
        win->extendCursorAll_Chk->setCheck(TRUE);
        press(win, win->drawLineButton, ID_DRAW_LINE);
        win->setCursorPosition(offsetX + 50, offsetY + 50);
        FXEvent event = eventWith(SEL_LEFTBUTTONPRESS);
        win->handle(win->imageView, FXSEL(SEL_LEFTBUTTONPRESS, ID_IMAGE_VIEW), &event);
        win->handle(win->imageView, FXSEL(SEL_MOTION, ID_IMAGE_VIEW), &event);
        key(win, KEY_Return);
        key(win, KEY_Left);
        key(win, KEY_Shift_L, SHIFTMASK);
        win->handle(win->imageView, FXSEL(SEL_MOTION, ID_IMAGE_VIEW), &event);
        keyUp(win, KEY_Shift_L);
        press(win, win->undoButton, ID_UNDO_LAST_POINT);
        press(win, win->drawLineButton, ID_DRAW_LINE);
    }
    win->viewOffsetX = offsetX;
    win->viewOffsetY = offsetY;
    EXPECT_EQ(pointRows(win), 0);
}

TEST_F(GuiTest, ScanDirectionViewSetsTheDirectionByItsRegions) {
    Ordinax *win = window();
    loadPicture(win, workDir);
    auto clickView = [win](int view, int x, int y) {
        FXEvent event = eventWith(SEL_LEFTBUTTONPRESS);
        event.win_x = x;
        event.win_y = y;
        win->handle(win->magnifyViews[view], FXSEL(SEL_LEFTBUTTONPRESS, ID_MAGNIFIED_VIEWS), &event);
    };
    clickView(2, 90, 170);
    EXPECT_EQ(win->searchDirection, 1);
    clickView(2, 10, 90);
    EXPECT_EQ(win->searchDirection, 2);
    clickView(2, 90, 90);
    EXPECT_EQ(win->searchDirection, 2) << "the centre changes nothing";
    clickView(0, 170, 90);
    EXPECT_EQ(win->searchDirection, 2) << "the other views take no clicks";
    clickView(2, 170, 90);
    EXPECT_EQ(win->searchDirection, 3);
    clickView(2, 90, 5);
    EXPECT_EQ(win->searchDirection, 0);
}

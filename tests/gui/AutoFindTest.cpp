// Curve tracing through the window: "Auto-find curve" and its error boxes, "Full auto", the point search
// options, the colour tolerance and search length fields, and picking the curve colour.
#include <cmath>
#include <string>
#include <vector>

#include <fxkeys.h>

#include "CalibratedPicture.h"
#include "tracing/CurveFollowing.h"

using namespace CommandId;

namespace {
constexpr uint32_t white = 0xFFFFFFFF, black = 0xFF000000;
const FXColor presetGreen = FXRGB(0, 200, 0);

// The curve of the test pictures, in image pixels.
double curveY(double x) {
    return 100 + 20 * std::sin(x / 25);
}

// A white picture with a black curve about 3 pixels thick across columns 5 .. width - 6, in rows 80..120,
// more than the search length away from the top and bottom edges.
std::vector<uint32_t> curvePicture(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, white);
    for (int x = 5; x < width - 5; x++) {
        const int a = static_cast<int>(std::lround(curveY(x))),
                  b = static_cast<int>(std::lround(curveY(x + 1)));
        for (int y = std::min(a, b) - 1; y <= std::max(a, b) + 1; y++)
            pixels[static_cast<size_t>(y) * width + x] = black;
    }
    return pixels;
}

// Shows the picture as a paste does, calibrates it and moves the point type on to "Data".
void showCalibratedCurve(Ordinax *win, int width = 200, int height = 200) {
    win->showNewImage(curvePicture(width, height), width, height);
    win->resetForNewImage();
    win->setImageControlsEnabled(true);
    calibrate(win);
    win->nextPointType = 5;
    win->showPointType(5);
}

std::string text(Table_qvx1 *table, int row, int column) {
    return table->getItemText(row, column).text();
}

std::vector<std::string> rowTexts(Table_qvx1 *table, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < table->getNumColumns(); c++)
        cells.push_back(text(table, row, c));
    return cells;
}

void press(Ordinax *win, FXObject *sender, FXSelector id) {
    win->handle(sender, FXSEL(SEL_COMMAND, id), nullptr);
}

void releaseOnCurveSwatch(Ordinax *win) {
    FXEvent event{};
    event.type = SEL_LEFTBUTTONRELEASE;
    win->handle(win->curveColorSwatch, FXSEL(SEL_LEFTBUTTONRELEASE, ID_CURVE_COLOR), &event);
}

// A press of the left button at image pixel (ix, iy), as the picture view hands it on.
void clickAt(Ordinax *win, int ix, int iy, FXuint state = 0) {
    win->setCursorPosition(windowX(win, ix), windowY(win, iy));
    FXEvent event{};
    event.type = SEL_LEFTBUTTONPRESS;
    event.state = state;
    event.code = LEFTBUTTON;
    win->handle(win->imageView, FXSEL(SEL_LEFTBUTTONPRESS, ID_IMAGE_VIEW), &event);
}

void moveTo(Ordinax *win, int ix, int iy) {
    win->setCursorPosition(windowX(win, ix), windowY(win, iy));
    FXEvent event{};
    event.type = SEL_MOTION;
    win->handle(win->imageView, FXSEL(SEL_MOTION, ID_IMAGE_VIEW), &event);
}

void key(Ordinax *win, FXuint type, FXint code) {
    FXEvent event{};
    event.type = type;
    event.code = code;
    win->handle(win->imageView, FXSEL(type, ID_IMAGE_VIEW), &event);
}

uint32_t selectionColor(Ordinax *win) {
    return fromToolkitColor(win->selectionColorSwatch->getBackColor());
}

// The distance in pixels of a table row's point from the drawn curve.
double distanceFromCurve(Ordinax *win, int row) {
    const int ix = static_cast<int>(win->curvePointsTable->getCellInt(row, 3)) - win->viewOffsetX;
    const double iy = win->curvePointsTable->getCellDouble(row, 4) - win->viewOffsetY;
    return std::fabs(iy - curveY(ix + 0.5));
}
} // namespace

TEST_F(GuiTest, AutoFindCurveErrorBoxes) {
    Ordinax *win = window();
    modals->expect("OK");
    command(ID_AUTO_FIND_CURVE);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Auto-find error");
    EXPECT_EQ(modals->seen[0].text, "You need an image.");

    showCalibratedCurve(win);
    addPoint(win, 60, static_cast<int>(curveY(60)));
    modals->expect("OK");
    command(ID_AUTO_FIND_CURVE);
    ASSERT_EQ(modals->seen.size(), 2u);
    EXPECT_EQ(modals->seen[1].text, "Unknown curve definition error. Check your point definitions.");

    // Picked right to left: the second point has the lower x.
    addPoint(win, 40, static_cast<int>(curveY(40)));
    modals->expect("OK");
    command(ID_AUTO_FIND_CURVE);
    ASSERT_EQ(modals->seen.size(), 3u);
    EXPECT_EQ(modals->seen[2].caption, "Curve min/max values are incorrect");
    EXPECT_EQ(modals->seen[2].text, traceErrorMessage(TraceError::reversedLimits).text);
    EXPECT_EQ(win->curvePointsTable->getCellInt(1, 3), windowX(win, 40)) << "the table is left as it was";
    EXPECT_TRUE(win->curvePointsTable->isCellEmpty(2, 3));
}

TEST_F(GuiTest, AutoFindCurveFollowsTheCurveAndRefusesTheSamePointsTwice) {
    Ordinax *win = window();
    showCalibratedCurve(win);
    win->numAutoFindPoints_LB->setCurrentItem(0); // " 10 "
    addPoint(win, 30, static_cast<int>(std::lround(curveY(30))));
    addPoint(win, 170, static_cast<int>(std::lround(curveY(170))));
    command(ID_AUTO_FIND_CURVE);
    EXPECT_TRUE(modals->seen.empty());

    const int last = win->lastPointRow();
    EXPECT_GE(last + 1, 10);
    EXPECT_LE(last + 1, 13) << "about 10 points, every 14 pixels";
    for (int row = 0; row <= last; row++) {
        EXPECT_LE(distanceFromCurve(win, row), 1.5) << "row " << row;
        EXPECT_FALSE(win->curvePointsTable->isCellEmpty(row, 0)) << "values computed, row " << row;
        if (row > 0) {
            EXPECT_GT(win->curvePointsTable->getCellInt(row, 3),
                      win->curvePointsTable->getCellInt(row - 1, 3));
        }
    }
    EXPECT_EQ(win->curvePointsTable->getCellInt(0, 3), windowX(win, 30))
        << "the trace starts at the first point";
    EXPECT_GE(win->curvePointsTable->getCellInt(last, 3), windowX(win, 160));
    EXPECT_EQ(win->lastTracePair.second, traceRowText(rowTexts(win->curvePointsTable, last)));
    EXPECT_TRUE(win->copyTableButtons[0]->isEnabled());
    EXPECT_EQ(win->dataPointPositions().size(), static_cast<size_t>(last + 1)) << "a marker per row";

    modals->expect("OK");
    command(ID_AUTO_FIND_CURVE);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Auto-find error");
    EXPECT_EQ(modals->seen[0].text, "Pick 2 new points.");
    EXPECT_EQ(win->lastPointRow(), last);

    command(ID_CLEAR_DATA);
    EXPECT_TRUE(win->lastTracePair.first.empty() && win->lastTracePair.second.empty());
}

TEST_F(GuiTest, FailedTraceLeavesTheTwoDefiningRowsAsTheyWere) {
    Ordinax *win = window();
    showCalibratedCurve(win);
    // Far above the curve (rows 80..120): no column finds it within the search length.
    addPoint(win, 30, 30);
    addPoint(win, 170, 35);
    const std::vector<std::string> first = rowTexts(win->curvePointsTable, 0),
                                   second = rowTexts(win->curvePointsTable, 1);
    command(ID_AUTO_FIND_CURVE);
    EXPECT_TRUE(modals->seen.empty());
    EXPECT_EQ(rowTexts(win->curvePointsTable, 0), first);
    EXPECT_EQ(rowTexts(win->curvePointsTable, 1), second);
    EXPECT_TRUE(win->curvePointsTable->isCellEmpty(2, 3));
    EXPECT_EQ(win->lastPointRow(), 1);
}

TEST_F(GuiTest, ProModeForcesAndDisablesAutoFind) {
    Ordinax *win = window();
    EXPECT_TRUE(win->autoFindPoint_Chk->getCheck()) << "on at the first start";
    win->autoFindPoint_Chk->setCheck(FALSE);
    press(win, win->autoFindPoint_Chk, ID_POINT_SEARCH);
    auto searchControlsEnabled = [win](bool on) {
        for (FXRadioButton *radio : win->searchDirectionRadios)
            EXPECT_EQ(radio->isEnabled(), on);
        for (FXButton *button : win->searchLengthButtons)
            EXPECT_EQ(button->isEnabled(), on);
        for (FXButton *button : win->toleranceButtons)
            EXPECT_EQ(button->isEnabled(), on);
        EXPECT_EQ(win->numAutoFindPoints_LB->isEnabled(), on);
    };
    searchControlsEnabled(false);

    win->proMode_Chk->setCheck(TRUE);
    press(win, win->proMode_Chk, ID_PRO_MODE);
    EXPECT_TRUE(win->autoFindPoint_Chk->getCheck());
    EXPECT_FALSE(win->autoFindPoint_Chk->isEnabled());
    EXPECT_TRUE(win->clearWhenDefiningNewCurveColor_Chk->getCheck());
    EXPECT_FALSE(win->clearWhenDefiningNewCurveColor_Chk->isEnabled());
    searchControlsEnabled(true);

    win->proMode_Chk->setCheck(FALSE);
    press(win, win->proMode_Chk, ID_PRO_MODE);
    EXPECT_TRUE(win->autoFindPoint_Chk->isEnabled());
    EXPECT_TRUE(win->autoFindPoint_Chk->getCheck()) << "the forced state stays";
    EXPECT_TRUE(win->clearWhenDefiningNewCurveColor_Chk->isEnabled());
    EXPECT_TRUE(win->clearWhenDefiningNewCurveColor_Chk->getCheck());
}

TEST_F(GuiTest, FullAutoWritesAtMostOnePointPerColumnAndGrowsTheTables) {
    Ordinax *win = window();
    const int width = 1100;
    showCalibratedCurve(win, width, 200);
    addPoint(win, 50, 50);
    win->proMode_Chk->setCheck(TRUE);
    press(win, win->proMode_Chk, ID_PRO_MODE);
    win->fullAuto_Chk->setCheck(TRUE);
    command(ID_AUTO_FIND_CURVE);
    EXPECT_TRUE(modals->seen.empty());

    EXPECT_GE(win->curvePointsTable->getNumRows(), width - 2);
    EXPECT_EQ(win->curvePointsBackup->getNumRows(), win->curvePointsTable->getNumRows());
    EXPECT_EQ(win->curvePointsBackup->getCellInt(0, 3), windowX(win, 50))
        << "the old point went to the backup";
    const int last = win->lastPointRow();
    EXPECT_EQ(last + 1, width - 10) << "one point for every column the curve crosses";
    for (int row = 0; row <= last; row++) {
        ASSERT_LE(distanceFromCurve(win, row), 1.5) << "row " << row;
        if (row > 0) {
            ASSERT_GT(win->curvePointsTable->getCellInt(row, 3),
                      win->curvePointsTable->getCellInt(row - 1, 3));
        }
    }
    EXPECT_TRUE(win->orderPointsButton->isEnabled());
    EXPECT_TRUE(win->imageReady);
    EXPECT_TRUE(win->autoFindCurveButton->isEnabled());
}

TEST_F(GuiTest, ToleranceAndSearchLengthFieldsResetOutOfRangeValues) {
    Ordinax *win = window();
    EXPECT_EQ(std::string(win->colorTol_TF->getText().text()), "50");
    EXPECT_EQ(std::string(win->lineThickness_TF->getText().text()), "30");
    EXPECT_EQ(win->searchLengthButtons[2]->getBackColor(), presetGreen);

    win->restoreColorTolerance("70");
    EXPECT_EQ(win->toleranceButtons[1]->getBackColor(), presetGreen) << "no preset is 70: M shows";
    EXPECT_EQ(win->readColorTolerance(), 70);
    // A value out of range in the field: the next reading falls back to 50 and shows "M" again.
    press(win, win->toleranceButtons[2], ID_COLOR_TOLERANCE);
    win->colorTol_TF->setText("150");
    EXPECT_EQ(win->readColorTolerance(), 50);
    EXPECT_EQ(std::string(win->colorTol_TF->getText().text()), "50");
    EXPECT_EQ(win->toleranceButtons[1]->getBackColor(), presetGreen);
    EXPECT_EQ(win->toleranceButtons[2]->getBackColor(), win->buttonNormalColor);

    press(win, win->toleranceButtons[0], ID_COLOR_TOLERANCE);
    EXPECT_EQ(std::string(win->colorTol_TF->getText().text()), "25");
    EXPECT_EQ(win->toleranceButtons[0]->getBackColor(), presetGreen);

    press(win, win->searchLengthButtons[4], ID_SEARCH_LENGTH);
    EXPECT_EQ(win->readSearchLength(), 100);
    win->lineThickness_TF->setText("abc");
    EXPECT_EQ(win->readSearchLength(), 30);
    EXPECT_EQ(win->searchLengthButtons[2]->getBackColor(), presetGreen);
    EXPECT_EQ(win->searchLengthButtons[4]->getBackColor(), win->buttonNormalColor);
}

TEST_F(GuiTest, DirectionAndLocationRadios) {
    Ordinax *win = window();
    showCalibratedCurve(win);
    press(win, win->searchDirectionRadios[2], ID_SEARCH_DIRECTION);
    EXPECT_EQ(win->searchDirection, 2);
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(win->searchDirectionRadios[i]->getCheck(), i == 2);
    EXPECT_EQ(win->searchSettings().direction, 2);

    press(win, win->pickLocationRadios[1], ID_PICK_LOCATION);
    EXPECT_EQ(win->pickLocation, 1);
    EXPECT_EQ(win->pickLocationRadios[1]->getBackColor(), FXRGB(255, 255, 0));
    EXPECT_TRUE(win->pickLocationRadios[1]->getCheck());
    EXPECT_FALSE(win->pickLocationRadios[0]->getCheck());
    win->resetForNewImage();
    EXPECT_EQ(win->pickLocation, 0) << "a new picture picks the middle again";
    EXPECT_EQ(win->pickLocationRadios[1]->getBackColor(), win->buttonNormalColor);
}

TEST_F(GuiTest, PickingTheCurveColour) {
    Ordinax *win = window();
    modals->expect("OK");
    releaseOnCurveSwatch(win);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Color definition");
    EXPECT_EQ(modals->seen[0].text, "You must first have an image and define the axis.");

    win->showNewImage(curvePicture(200, 200), 200, 200);
    win->resetForNewImage();
    win->setImageControlsEnabled(true);
    modals->expect("OK");
    releaseOnCurveSwatch(win);
    ASSERT_EQ(modals->seen.size(), 2u);
    EXPECT_EQ(modals->seen[1].text, "You must first define the axis.");

    calibrate(win);
    win->nextPointType = 5;
    win->showPointType(5);
    addPoint(win, 60, 60);
    const std::vector<std::string> row = rowTexts(win->curvePointsTable, 0);

    // Started by the swatch itself; cancelled with the data it cleared brought back.
    win->clearWhenDefiningNewCurveColor_Chk->setCheck(TRUE);
    FXEvent event{};
    event.type = SEL_LEFTBUTTONRELEASE;
    win->curveColorSwatch->handle(win->curveColorSwatch, FXSEL(SEL_LEFTBUTTONRELEASE, 0), &event);
    EXPECT_TRUE(win->colorPickMode);
    EXPECT_EQ(win->imageView->getDefaultCursor(), win->colourPickCursor.get());
    EXPECT_TRUE(win->curvePointsTable->isCellEmpty(0, 3));
    win->showCurveColor(0xFF102030);
    releaseOnCurveSwatch(win);
    EXPECT_FALSE(win->colorPickMode);
    EXPECT_EQ(rowTexts(win->curvePointsTable, 0), row);
    EXPECT_EQ(win->curveColor(), black);
    EXPECT_EQ(win->searchRed + win->searchGreen + win->searchBlue, 0);
    EXPECT_NE(win->imageView->getDefaultCursor(), win->colourPickCursor.get());

    // Completed by a click on the picture; unchecked, the data stays.
    win->clearWhenDefiningNewCurveColor_Chk->setCheck(FALSE);
    releaseOnCurveSwatch(win);
    EXPECT_EQ(rowTexts(win->curvePointsTable, 0), row);
    win->completeColorPick(0xFFC81E1E);
    EXPECT_FALSE(win->colorPickMode);
    EXPECT_EQ(win->curveColor(), 0xFFC81E1Eu);
    EXPECT_EQ(std::string(win->curveColorSwatch->getText().text()), "200   30   30");
    EXPECT_EQ(win->curveColorSwatch->getTextColor(), FXRGB(255, 255, 255));
    EXPECT_EQ(win->searchRed, 200);
    EXPECT_EQ(win->searchGreen, 30);
    EXPECT_TRUE(win->colorMatches(0xFFF03C00));
    EXPECT_FALSE(win->colorMatches(0xFFFA1E1E));
    EXPECT_NE(win->imageView->getDefaultCursor(), win->colourPickCursor.get());
}

TEST_F(GuiTest, ClickSnapsToTheCurveAlongTheScanDirection) {
    Ordinax *win = window();
    showCalibratedCurve(win);
    const int curve = static_cast<int>(std::lround(curveY(80.5)));
    clickAt(win, 80, curve + 12); // below the curve, searching upwards
    ASSERT_EQ(win->lastPointRow(), 0);
    EXPECT_LE(distanceFromCurve(win, 0), 1.0);
    EXPECT_EQ(win->curvePointsTable->getCellInt(0, 3), windowX(win, 80));
    EXPECT_EQ(selectionColor(win), 0xFF00FF00u);

    clickAt(win, 120, 20); // nothing within the search length
    EXPECT_EQ(win->lastPointRow(), 0) << "a click the search cannot place adds nothing";
    EXPECT_EQ(selectionColor(win), 0xFFFFFF00u);

    win->lineThickness_TF->setText("7"); // out of range: the click reads 30
    press(win, win->searchDirectionRadios[1], ID_SEARCH_DIRECTION);
    clickAt(win, 140, static_cast<int>(std::lround(curveY(140.5))) - 25);
    EXPECT_EQ(win->lastPointRow(), 1) << "found downwards within 30 pixels";
    EXPECT_EQ(std::string(win->lineThickness_TF->getText().text()), "30");

    clickAt(win, 160, 20, CONTROLMASK);
    ASSERT_EQ(win->lastPointRow(), 2) << "Control places the point at the pointer";
    EXPECT_EQ(win->curvePointsTable->getCellInt(2, 4), windowY(win, 20));
    EXPECT_EQ(selectionColor(win), 0xFFFFFF00u) << "white is not the curve colour";

    moveTo(win, 10, 10);
    EXPECT_EQ(selectionColor(win), white) << "the motion shows the pixel under the pointer";
}

TEST_F(GuiTest, ColourPickTakesTheClickedPixelAndAddsNoPoint) {
    Ordinax *win = window();
    std::vector<uint32_t> pixels = curvePicture(200, 200);
    for (int x = 0; x < 40; x++)
        pixels[static_cast<size_t>(170) * 200 + x] = 0xFF2040C0;
    win->showNewImage(std::move(pixels), 200, 200);
    win->resetForNewImage();
    win->setImageControlsEnabled(true);
    calibrate(win);
    win->nextPointType = 5;
    win->showPointType(5);

    releaseOnCurveSwatch(win);
    moveTo(win, 20, 170);
    EXPECT_EQ(win->curveColor(), 0xFF2040C0u) << "the swatch follows the pointer while picking";
    EXPECT_EQ(win->searchBlue, 0) << "the search colour waits for the click";
    clickAt(win, 20, 170);
    EXPECT_FALSE(win->colorPickMode);
    EXPECT_EQ(win->searchBlue, 0xC0);
    EXPECT_EQ(win->lastPointRow(), -1);

    clickAt(win, 10, 180); // the search finds the new colour upwards
    ASSERT_EQ(win->lastPointRow(), 0);
    EXPECT_EQ(win->curvePointsTable->getCellInt(0, 4), windowY(win, 170));
}

TEST_F(GuiTest, ProModeTracesAfterTheSecondPointAndShiftEndsIt) {
    Ordinax *win = window();
    showCalibratedCurve(win);
    win->proMode_Chk->setCheck(TRUE);
    press(win, win->proMode_Chk, ID_PRO_MODE);
    win->numAutoFindPoints_LB->setCurrentItem(0);
    clickAt(win, 30, static_cast<int>(std::lround(curveY(30.5))) + 5);
    EXPECT_EQ(win->lastPointRow(), 0);
    clickAt(win, 170, static_cast<int>(std::lround(curveY(170.5))) + 5);
    EXPECT_GE(win->lastPointRow(), 9) << "the second point ran Auto-find curve";
    EXPECT_FALSE(win->lastTracePair.second.empty());

    key(win, SEL_KEYPRESS, KEY_Shift_L);
    EXPECT_TRUE(win->stepMode);
    EXPECT_FALSE(win->proMode_Chk->getCheck());
    EXPECT_TRUE(win->autoFindPoint_Chk->isEnabled());
    EXPECT_EQ(win->pointSearchGroup->getBackColor(), FXRGB(200, 200, 255));
    EXPECT_EQ(win->searchDirectionRadios[0]->getBackColor(), FXRGB(200, 200, 255));
    key(win, SEL_KEYRELEASE, KEY_Shift_L);
    EXPECT_EQ(win->pointSearchGroup->getBackColor(), win->buttonNormalColor);
    EXPECT_EQ(win->searchLengthButtons[2]->getBackColor(), presetGreen) << "the preset keeps its colour";
}

TEST_F(GuiTest, PictureMenuRunsAutoFindCurve) {
    Ordinax *win = window();
    showCalibratedCurve(win);
    addPoint(win, 30, static_cast<int>(std::lround(curveY(30))));
    addPoint(win, 170, static_cast<int>(std::lround(curveY(170))));
    modals->expect("Auto-find curve");
    FXEvent event{};
    event.type = SEL_RIGHTBUTTONRELEASE;
    event.root_x = win->getX() + 400;
    event.root_y = win->getY() + 300;
    win->handle(win->imageView, FXSEL(SEL_RIGHTBUTTONRELEASE, ID_IMAGE_VIEW), &event);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_GT(win->lastPointRow(), 10) << "the enabled entry traced the curve";
}

TEST_F(GuiTest, DegeneratePicturesTraceNothing) {
    Ordinax *win = window();
    struct Case {
        int width, height;
        uint32_t color;
    };
    for (const Case &c : {Case{1, 200, black}, Case{200, 1, black}, Case{200, 200, black}}) {
        win->showNewImage(std::vector<uint32_t>(static_cast<size_t>(c.width) * c.height, c.color), c.width,
                          c.height);
        win->resetForNewImage();
        win->setImageControlsEnabled(true);
        calibrate(win);
        win->nextPointType = 5;
        win->showPointType(5);
        addPoint(win, 0, 0);
        addPoint(win, 150, 100);
        const std::vector<std::string> second = rowTexts(win->curvePointsTable, 1);
        command(ID_AUTO_FIND_CURVE);
        EXPECT_EQ(rowTexts(win->curvePointsTable, 1), second) << c.width << " x " << c.height;
        EXPECT_EQ(win->lastPointRow(), 1);

        // Every pixel of the last picture matches: each column's run is too long to be the curve.
        win->proMode_Chk->setCheck(TRUE);
        win->fullAuto_Chk->setCheck(TRUE);
        command(ID_AUTO_FIND_CURVE);
        EXPECT_EQ(win->lastPointRow(), -1) << c.width << " x " << c.height;
        win->proMode_Chk->setCheck(FALSE);
        win->fullAuto_Chk->setCheck(FALSE);
    }
    EXPECT_TRUE(modals->seen.empty());
}

// The axis definitions of the Image page: exp() entries, point values, bad axis input, switching axes, the
// sanity warnings, the keyboard walk through the axis tables and clearing with a new picture.
#include <fxkeys.h>

#include "GuiFixture.h"

using namespace CommandId;

namespace {
// Writes one axis: real values and pixel positions of Min and Max in the axis's own pixel column.
void defineAxis(Table_qvx1 *table, int pixelColumn, const char *minValue, int minPixel, const char *maxValue,
                int maxPixel) {
    table->setCellText(0, 0, minValue);
    table->setCellText(1, 0, maxValue);
    for (int c = 1; c < 3; c++) {
        table->setCellText(0, c, FXStringFormat("%d", c == pixelColumn ? minPixel : 0));
        table->setCellText(1, c, FXStringFormat("%d", c == pixelColumn ? maxPixel : 0));
    }
}

// X: 0 at x 100, 10 at x 300. Y: 0 at y 400, 100 at y 200 (pixel y grows downwards).
void defineLinearAxes(Ordinax *win) {
    defineAxis(win->xAxisTable, 1, "0", 100, "10", 300);
    defineAxis(win->yAxisTable, 2, "0", 400, "100", 200);
}

void addPoint(Ordinax *win, int row, const char *x, const char *y) {
    win->curvePointsTable->setCellText(row, 3, x);
    win->curvePointsTable->setCellText(row, 4, y);
}

std::string cell(Table_qvx1 *table, int row, int column) {
    return table->cellString(row, column);
}

void clickScale(Ordinax *win, FXRadioButton *radio) {
    win->handle(radio, FXSEL(SEL_COMMAND, ID_AXIS_SCALE_TYPE), (void *)1);
}

void pressKey(Table_qvx1 *table, FXuint code, FXuint state = 0) {
    FXEvent event;
    event.type = SEL_KEYPRESS;
    event.code = code;
    event.state = state;
    table->handle(table, FXSEL(SEL_KEYPRESS, 0), &event);
}
} // namespace

TEST_F(GuiTest, ExpEntryBecomesItsValueWithTheEntryAsTip) {
    Ordinax *win = window();
    defineLinearAxes(win);
    EXPECT_EQ(std::string(win->xAxisTable->getCellTip(1, 0).text()),
              "You can enter the value as \"exp(2.1)\" for e^2.1");
    win->xAxisTable->setItemText(1, 0, "  EXP(2.1) ", TRUE);
    win->currentPositionTable->setCellText(0, 1, "300");
    win->currentPositionTable->setCellText(1, 1, "300");
    win->showCursorPosition();
    EXPECT_EQ(cell(win->xAxisTable, 1, 0), "8.166170e+00");
    EXPECT_EQ(std::string(win->xAxisTable->getCellTip(1, 0).text()), "exp(2.1)");
    EXPECT_EQ(cell(win->currentPositionTable, 0, 0), "8.1662");
    EXPECT_EQ(cell(win->currentPositionTable, 1, 0), "50.000");

    // The tip shows when the pointer rests on the cell.
    win->xAxisTable->setCursorPosition(win->xAxisTable->getRowHeaderWidth() + 20,
                                       win->xAxisTable->getColumnHeaderHeight() + 30);
    FXEvent enter;
    enter.code = CROSSINGNORMAL;
    enter.state = 0;
    win->xAxisTable->handle(win->xAxisTable, FXSEL(SEL_ENTER, 0), &enter);
    FXToolTip *tip = new FXToolTip(app(), TOOLTIP_PERMANENT);
    tip->create();
    EXPECT_TRUE(win->xAxisTable->handle(tip, FXSEL(SEL_QUERY_TIP, 0), nullptr));
    EXPECT_EQ(std::string(tip->getText().text()), "exp(2.1)");
    delete tip;
}

TEST_F(GuiTest, CurvePointsGetTheirValuesFromTheAxes) {
    struct Case {
        const char *name;
        bool xLog, arrhenius, round;
        const char *xMin, *xMax; // X real values at x 100 and at xMaxPixel
        int xMaxPixel;
        const char *x; // "x px" of the point; its y px is 300, halfway on the Y axis from 1 to 100
        const char *xValue, *yValue;
    } cases[] = {
        {"linear", false, false, false, "0", "10", 300, "200", "5.0000", "50.500"},
        {"log halfway", true, false, false, "1", "1000", 300, "200", "31.623", "50.500"},
        {"arrhenius", false, true, false, "0", "10", 300, "150", "400.00", "1.000000e+01"},
        {"arrhenius at 0", false, true, false, "0", "10", 300, "100", "0.000000e+00", "1.000000e+01"},
        {"round 10.4", false, false, true, "0", "20", 300, "204", "10.0000", "50.500"},
        {"round 9.6", false, false, true, "0", "20", 300, "196", "9.6000", "50.500"},
        {"round -12.5", false, false, true, "0", "-20", 300, "225", "-13.000", "50.500"},
        {"equal pixels", false, false, false, "0", "10", 100, "100", "nan", "50.500"},
    };
    Ordinax *win = window();
    win->setNumericFormatDependingOnAxisScaling->setCheck(FALSE);
    for (const Case &c : cases) {
        defineAxis(win->xAxisTable, 1, c.xMin, 100, c.xMax, c.xMaxPixel);
        defineAxis(win->yAxisTable, 2, "1", 400, "100", 200);
        win->axisScaleType[0] = c.xLog ? 1 : 0;
        win->axisScaleType[1] = 0;
        win->numberFormatType[0] = win->numberFormatType[1] = 0;
        win->arrheniusCheck->setCheck(c.arrhenius);
        win->handle(win->arrheniusCheck, FXSEL(SEL_COMMAND, ID_ARRHENIUS), nullptr);
        win->roundXvalueToNearestInteger_Chk->setCheck(c.round);
        addPoint(win, 0, c.x, "300.0000");
        EXPECT_TRUE(win->transformRow(0, true)) << c.name;
        EXPECT_EQ(cell(win->curvePointsTable, 0, 0), c.xValue) << c.name;
        EXPECT_EQ(cell(win->curvePointsTable, 0, 1), c.yValue) << c.name;
        EXPECT_EQ(win->linearRadios[0]->isEnabled(), !c.arrhenius) << c.name;
        EXPECT_EQ(win->switchAxesButton->isEnabled(), !c.arrhenius) << c.name;
    }
}

TEST_F(GuiTest, BadAxisValuesGiveTheAxisErrorAndNoValues) {
    Ordinax *win = window();
    const std::string enter = "Enter the real values for the axis min and max";
    const std::string positive = "For a log type axis the value must be greater than 0.";
    const std::string longNumber(500, '7');
    struct Case {
        std::string typed; // the X max real value
        bool log;
        std::string message, cellAfter;
    } cases[] = {
        {"", false, enter, ""},
        {"exp(", false, enter, "exp("},
        {" EXP() ", false, enter, "exp()"},
        {"exp(abc)", false, enter, "exp(abc)"},
        {"-exp(1)", false, enter, "-exp(1)"},
        {"exp(1000)", false, enter, "exp(1000)"},
        {"1e999", false, enter, "1e999"},
        {longNumber, false, enter, longNumber},
        {"nan", false, enter, "nan"},
        {"1.2.3", false, enter, "1.2.3"},
        {"-5", true, positive, "-5"},
        {"0", true, positive, "0"},
    };
    for (const Case &c : cases) {
        defineAxis(win->xAxisTable, 1, "1", 100, c.typed.c_str(), 300);
        defineAxis(win->yAxisTable, 2, "0", 400, "100", 200);
        win->axisScaleType[0] = c.log ? 1 : 0;
        addPoint(win, 0, "200", "300");
        addPoint(win, 1, "250", "300");
        modals->seen.clear();
        modals->expect("OK");
        win->handle(win->recalDataButton, FXSEL(SEL_COMMAND, ID_RECAL_DATA), nullptr);
        ASSERT_EQ(modals->seen.size(), 1u) << c.typed;
        EXPECT_EQ(modals->seen[0].caption, "Axis error");
        EXPECT_EQ(modals->seen[0].text, c.message) << c.typed;
        EXPECT_EQ(cell(win->xAxisTable, 1, 0), c.cellAfter);
        for (int row = 0; row < 2; row++)
            for (int column = 0; column < 2; column++)
                EXPECT_EQ(cell(win->curvePointsTable, row, column), "") << c.typed;
        EXPECT_EQ(win->xAxisTable->getBackColor() == FXRGB(255, 0, 0), c.log) << c.typed;
    }
}

TEST_F(GuiTest, SwitchingAxesTwiceRestoresEverything) {
    Ordinax *win = window();
    defineAxis(win->xAxisTable, 1, "1", 100, "1000", 300);
    defineAxis(win->yAxisTable, 2, "5", 400, "0.5", 200);
    clickScale(win, win->logRadios[0]);
    win->setNumericFormatDependingOnAxisScaling->setCheck(FALSE);
    win->handle(win->decimalRadios[0], FXSEL(SEL_COMMAND, ID_NUMBER_FORMAT), (void *)1);
    win->handle(win->scientificRadios[1], FXSEL(SEL_COMMAND, ID_NUMBER_FORMAT), (void *)1);
    win->xAxisTable->setCellText(0, 0, "exp(0)");
    ASSERT_TRUE(win->validateAxisTables());

    auto snapshot = [win]() {
        std::vector<std::string> s;
        for (Table_qvx1 *t : {win->xAxisTable, win->yAxisTable})
            for (int r = 0; r < 2; r++)
                for (int c = 0; c < 3; c++)
                    s.push_back(cell(t, r, c) + "|" + t->getCellTip(r, c).text());
        for (int a = 0; a < 2; a++) {
            s.push_back(std::to_string(win->axisScaleType[a]) + std::to_string(win->numberFormatType[a]));
            s.push_back(std::to_string(win->logRadios[a]->getCheck()) +
                        std::to_string(win->linearRadios[a]->getCheck()) +
                        std::to_string(win->scientificRadios[a]->getCheck()) +
                        std::to_string(win->decimalRadios[a]->getCheck()));
        }
        return s;
    };
    const std::vector<std::string> before = snapshot();
    win->handle(win->switchAxesButton, FXSEL(SEL_COMMAND, ID_SWITCH_AXES), nullptr);
    EXPECT_EQ(cell(win->xAxisTable, 0, 0), "5");
    EXPECT_EQ(cell(win->yAxisTable, 0, 0), "1.000000e+00");
    EXPECT_EQ(std::string(win->yAxisTable->getCellTip(0, 0).text()), "exp(0)");
    EXPECT_EQ(cell(win->yAxisTable, 1, 0), "1000");
    EXPECT_EQ(cell(win->xAxisTable, 0, 1), "100"); // pixel cells stay
    EXPECT_EQ(win->axisScaleType[1], 1);
    EXPECT_EQ(win->numberFormatType[0], 1);
    EXPECT_TRUE(win->logRadios[1]->getCheck());
    EXPECT_TRUE(win->scientificRadios[0]->getCheck());
    win->handle(win->switchAxesButton, FXSEL(SEL_COMMAND, ID_SWITCH_AXES), nullptr);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(GuiTest, SanityWarningsShowOnceEachAndUseUpTheClick) {
    Ordinax *win = window();
    defineAxis(win->xAxisTable, 1, "1", 100, "1000", 300); // looks logarithmic on a linear axis
    defineAxis(win->yAxisTable, 2, "10", 400, "5", 200);   // reversed
    modals->expect("OK");
    EXPECT_TRUE(win->checkAxisSanity());
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Axis scaling options");
    EXPECT_EQ(modals->seen[0].text,
              "Check your X-axis linear/log scaling.\n\n\nThese settings are allowed but might not be "
              "what you intended.\n\nYou can disable this warning in the \"Options\" menu.");
    modals->expect("OK");
    EXPECT_TRUE(win->checkAxisSanity());
    ASSERT_EQ(modals->seen.size(), 2u);
    EXPECT_EQ(modals->seen[1].caption, "Y-axis definition warning");
    EXPECT_FALSE(win->checkAxisSanity());
    EXPECT_EQ(modals->seen.size(), 2u);

    // A change of scale type arms both warnings again; the log X axis now passes the scaling check.
    clickScale(win, win->logRadios[0]);
    modals->expect("OK");
    EXPECT_TRUE(win->checkAxisSanity());
    ASSERT_EQ(modals->seen.size(), 3u);
    EXPECT_EQ(modals->seen[2].caption, "Y-axis definition warning");
    EXPECT_FALSE(win->checkAxisSanity());
}

TEST_F(GuiTest, TabAndReturnWalkThroughBothAxisTables) {
    Ordinax *win = window();
    Table_qvx1 *x = win->xAxisTable;
    Table_qvx1 *y = win->yAxisTable;
    x->setFocus();
    x->setCurrentItem(0, 0);
    struct Step {
        Table_qvx1 *from;
        FXuint code, state;
        Table_qvx1 *to;
        int row;
    } steps[] = {
        {x, KEY_Tab, 0, x, 1},
        {x, KEY_Return, 0, y, 0},
        {y, KEY_KP_Enter, 0, y, 1},
        {y, KEY_Tab, 0, x, 0},
        {x, KEY_ISO_Left_Tab, SHIFTMASK, y, 1},
        {y, KEY_ISO_Left_Tab, SHIFTMASK, y, 0},
    };
    for (const Step &s : steps) {
        pressKey(s.from, s.code, s.state);
        EXPECT_EQ(s.to->getCurrentRow(), s.row);
        EXPECT_EQ(s.to->getCurrentColumn(), 0);
        EXPECT_TRUE(s.to->isItemSelected(s.row, 0));
        EXPECT_EQ(s.to->getParent()->getFocus(), s.to);
    }
    // The hidden pixel columns are never editable, and keys there are the table's.
    x->setCurrentItem(0, 1);
    pressKey(x, KEY_Tab);
    EXPECT_FALSE(x->isEditable());
    x->setCurrentItem(0, 0);
    pressKey(x, KEY_Left);
    EXPECT_TRUE(x->isEditable());
}

TEST_F(GuiTest, NewPictureClearsTheAxisDefinitionsWhenAsked) {
    Ordinax *win = window();
    const FXColor pixels[4] = {FXRGB(255, 255, 255), FXRGB(0, 0, 0), FXRGB(0, 0, 0), FXRGB(255, 255, 255)};
    {
        FXFileStream out;
        ASSERT_TRUE(out.open((workDir + "/plot.gif").c_str(), FXStreamSave));
        ASSERT_TRUE(fxsaveGIF(out, pixels, 2, 2));
    }
    EXPECT_FALSE(win->recalDataButton->isEnabled());
    defineLinearAxes(win);
    clickScale(win, win->logRadios[1]);
    win->logWarningShown = win->reversedWarningShown = true;
    ASSERT_TRUE(win->loadImageFile((workDir + "/plot.gif").c_str()));
    EXPECT_TRUE(win->recalDataButton->isEnabled());
    EXPECT_EQ(cell(win->xAxisTable, 1, 0), "10");
    EXPECT_FALSE(win->logWarningShown || win->reversedWarningShown);

    win->clearAxisDefinitionsWithNewImage->setCheck(TRUE);
    ASSERT_TRUE(win->loadImageFile((workDir + "/plot.gif").c_str()));
    for (Table_qvx1 *t : {win->xAxisTable, win->yAxisTable})
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 3; c++)
                EXPECT_EQ(cell(t, r, c), "");
    EXPECT_EQ(win->axisScaleType[1], 0);
    EXPECT_TRUE(win->linearRadios[1]->getCheck());
}

TEST_F(GuiTest, NumberFormattingFollowsTheFitStateAndDeveloperMode) {
    writeFile("qvx1_tavrin.txt", "");
    Ordinax *win = window();
    ASSERT_TRUE(win->developerMode);
    EXPECT_EQ(std::string(win->formatAxisValue(0, 12345.678).text()), "12345.7");
    EXPECT_EQ(std::string(win->formatFitValue(5.5).text()), "5.5000");
    win->xResolution = 0.001; // one plot pixel is 0.001 wide: four decimals resolve it
    EXPECT_EQ(std::string(win->formatFitValue(55.5).text()), "55.5000");
    win->fitType = 5;
    EXPECT_EQ(std::string(win->formatAxisValue(1, 0.05).text()), "0.050");
    EXPECT_EQ(std::string(win->formatFitValue(12345.678).text()), "12345.678");
}

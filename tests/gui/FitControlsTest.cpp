// The fitting controls and equation outputs through the window: order arrows and "Max fit order", controls
// that must not refit, fit type and data source, "Copy eqns." and "Copy equation" on the clipboard, equation
// texts and coefficient tables, the equation count, the limit wheel and typed or pasted input of any content.
#include <fxkeys.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "tables/NumberText.h"

using namespace CommandId;

namespace {
const FXColor kYellow = FXRGB(255, 255, 0);
const char *const kUntouched = "untouched"; // put into an output field: a refit clears it

struct Row {
    std::string x, y;
};

void fill(Table_qvx1 *table, const std::vector<Row> &rows) {
    for (size_t r = 0; r < rows.size() + 20 && r < static_cast<size_t>(table->getNumRows()); r++) {
        table->setCellText(static_cast<int>(r), 0, r < rows.size() ? rows[r].x.c_str() : "");
        table->setCellText(static_cast<int>(r), 1, r < rows.size() ? rows[r].y.c_str() : "");
    }
}

std::vector<Row> rowsOf(int first, int last, double (*f)(double)) {
    std::vector<Row> rows;
    for (int x = first; x <= last; x++)
        rows.push_back({std::to_string(x), formatFixed(f(x), 9)});
    return rows;
}

// The xy values table as the source, filled with the rows, and the given equation count and orders.
void useXyValues(Ordinax *win, const std::vector<Row> &rows, std::vector<int> orders) {
    fill(win->xyValuesTable, rows);
    win->handle(win->dataSourceRadios[1], FXSEL(SEL_COMMAND, ID_DATA_SOURCE + 1), nullptr);
    win->numOfEquations_LB->setCurrentItem(static_cast<int>(orders.size()) - 1);
    win->applyEquationCount();
    for (size_t k = 0; k < orders.size(); k++)
        win->setOrder(static_cast<int>(k), orders[k]);
}

// Sends the widget's message to its target as the widget does when it is used.
long press(FXWindow *widget, void *ptr = nullptr) {
    return widget->getTarget()->handle(widget, FXSEL(SEL_COMMAND, widget->getSelector()), ptr);
}

// Picks list entry `item` as the user does: the list box tells its target.
long choose(FXListBox *list, int item) {
    list->setCurrentItem(item);
    return press(list, reinterpret_cast<void *>(static_cast<FXival>(item)));
}

long toggle(FXCheckButton *box, bool on) {
    box->setCheck(on);
    return press(box, reinterpret_cast<void *>(static_cast<FXival>(on)));
}

std::string text(FXTextField *field) {
    return field->getText().text();
}
std::string text(FXLabel *label) {
    return label->getText().text();
}

std::string clipboardText(Ordinax *win) {
    FXString clip;
    if (!win->getDNDData(FROM_CLIPBOARD, FXWindow::utf8Type, clip))
        return "<nothing>";
    return clip.text();
}
} // namespace

TEST_F(GuiTest, FitOrderArrowsStayBetweenOneAndTheMaximum) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 30, [](double x) { return x * x; }), {1});
    choose(win->maxFitOrder_LB, 3); // 4
    for (int i = 0; i < 5; i++)
        press(win->orderUpButtons[0]);
    EXPECT_EQ(win->fitOrders[0], 4);
    EXPECT_EQ(text(win->orderLabels[0]), "4th order");
    EXPECT_EQ(win->fitResult.zones[0].coefficients.size(), 5u) << "each press refits";
    for (int i = 0; i < 5; i++)
        press(win->orderDownButtons[0]);
    EXPECT_EQ(win->fitOrders[0], 1);
    EXPECT_EQ(text(win->orderLabels[0]), "1st order");
    press(win->orderUpButtons[0]);
    EXPECT_EQ(text(win->orderLabels[0]), "2nd order");
    press(win->orderUpButtons[0]);
    EXPECT_EQ(text(win->orderLabels[0]), "3rd order");
    // A message from anything but an arrow changes no order.
    win->handle(win->fitDataButton, FXSEL(SEL_COMMAND, ID_ORDER_UP), nullptr);
    EXPECT_EQ(win->fitOrders[0], 3);
}

TEST_F(GuiTest, FitLoweringMaxOrderLowersOrdersAndRefitsRaisingDoesNothing) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 30, [](double x) { return std::sqrt(x); }), {4, 2});
    win->setOrder(5, 4);
    ASSERT_TRUE(win->refit());
    win->rSquaredFields[0]->setText(kUntouched);
    choose(win->maxFitOrder_LB, 2); // 3
    EXPECT_EQ(win->fitOrders[0], 3);
    EXPECT_EQ(win->fitOrders[1], 2);
    EXPECT_EQ(win->fitOrders[5], 3) << "rows not in use are lowered too";
    EXPECT_EQ(text(win->orderLabels[0]), "3rd order");
    EXPECT_NE(text(win->rSquaredFields[0]), kUntouched);
    EXPECT_EQ(win->fitResult.zones[0].coefficients.size(), 4u);

    win->rSquaredFields[0]->setText(kUntouched);
    choose(win->maxFitOrder_LB, 14);
    EXPECT_EQ(win->fitOrders[0], 3);
    EXPECT_EQ(text(win->rSquaredFields[0]), kUntouched);
}

TEST_F(GuiTest, FitScalingControlsTakeEffectAtTheNextFitOnly) {
    writeFile("conversionFactors.txt", "\"inch -> mm\" 25.4\n\"\" 1\n\"m -> mm\" 1000\n");
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 10, [](double x) { return 2 * x; }), {1});
    ASSERT_TRUE(win->refit());
    win->rSquaredFields[0]->setText(kUntouched);

    toggle(win->xAxisIsTemperature_Chk, true);
    EXPECT_EQ(win->xAxisIsTemperature_Chk->getBackColor(), kYellow);
    choose(win->temperatureScaleList, 3); // "K -> C"
    EXPECT_EQ(win->temperatureScale, 3);
    // The right click on the y-scaling field opens the conversion-factor popup.
    FXEvent click{};
    click.root_x = win->getX() + 100;
    click.root_y = win->getY() + 100;
    modals->expect("Cancel");
    win->yScaleField->handle(win->yScaleField, FXSEL(SEL_RIGHTBUTTONRELEASE, 0), &click);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].kind, "popup");
    win->handle(win, FXSEL(SEL_COMMAND, ID_Y_SCALE_FACTOR + 0), nullptr);
    EXPECT_EQ(text(win->yScaleField), "2.540000e+01");
    EXPECT_EQ(win->yScaleField->getBackColor(), kYellow);
    win->handle(win, FXSEL(SEL_COMMAND, ID_Y_SCALE_FACTOR + 99), nullptr); // a slot the file did not fill
    EXPECT_EQ(text(win->yScaleField), "2.540000e+01");
    EXPECT_EQ(text(win->rSquaredFields[0]), kUntouched);

    ASSERT_TRUE(win->refit());
    ASSERT_EQ(win->fitResult.rows.size(), 10u);
    EXPECT_DOUBLE_EQ(win->fitResult.rows[1].t, 2 - 273.15);
    EXPECT_DOUBLE_EQ(win->fitResult.rows[1].y, 4 * 25.4);
}

TEST_F(GuiTest, FitLmpForcesItsSourceAndLeavingItFallsBackByTheXyTable) {
    for (bool xyFilled : {false, true}) {
        Ordinax *win = window();
        useXyValues(win, xyFilled ? rowsOf(1, 6, [](double x) { return x + 1; }) : std::vector<Row>{}, {1});
        modals->expect("OK");
        press(win->fitTypeRadios[Lmp]);
        EXPECT_EQ(win->dataSource, 2);
        EXPECT_TRUE(win->dataSourceRadios[2]->getCheck());
        for (FXRadioButton *radio : win->dataSourceRadios)
            EXPECT_FALSE(radio->isEnabled());
        EXPECT_EQ(win->fitTypeRadios[Lmp]->getBackColor(), kYellow);
        EXPECT_FALSE(win->yScaleField->isEnabled());
        EXPECT_FALSE(win->xAxisIsTemperature_Chk->isEnabled());
        ASSERT_EQ(modals->seen.size(), 1u);
        EXPECT_EQ(
            modals->seen[0].text,
            "You have your data source as the LMP data points table but there is no data in this table.");

        if (!xyFilled)
            modals->expect("OK"); // the image points are empty too
        press(win->fitTypeRadios[XvsY]);
        const int expected = xyFilled ? 1 : 0;
        EXPECT_EQ(win->dataSource, expected) << xyFilled;
        for (int s = 0; s < 3; s++) {
            EXPECT_EQ(win->dataSourceRadios[s]->getCheck() != FALSE, s == expected) << s;
            EXPECT_EQ(win->dataSourceRadios[s]->isEnabled() != FALSE, s < 2) << s;
        }
        EXPECT_NE(win->fitTypeRadios[Lmp]->getBackColor(), kYellow);
        EXPECT_TRUE(win->yScaleField->isEnabled());
        modals->seen.clear();
    }
}

TEST_F(GuiTest, FitTypeDecidesWhetherTheInterceptCanBeSet) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 6, [](double x) { return x + 1; }), {1});
    win->equation_Y_intercept_TF->setText("1");
    toggle(win->setEqnYIntercept_Chk, true);
    EXPECT_TRUE(win->equation_Y_intercept_TF->isEnabled());
    struct Case {
        int fitType;
        bool settable;
    };
    for (const Case &c :
         {Case{LnXvsY, false}, Case{XvsLnY, true}, Case{InvXvsLnY, false}, Case{XvsY, true}}) {
        press(win->fitTypeRadios[c.fitType]);
        EXPECT_EQ(win->fitType, c.fitType);
        EXPECT_EQ(win->setEqnYIntercept_Chk->isEnabled() != FALSE, c.settable) << c.fitType;
        EXPECT_EQ(win->equation_Y_intercept_TF->isEnabled() != FALSE, c.settable) << c.fitType;
    }
    toggle(win->setEqnYIntercept_Chk, false);
    EXPECT_FALSE(win->equation_Y_intercept_TF->isEnabled());
}

TEST_F(GuiTest, FitCopyEquationsCopiesBothBlocksForTwoAdjustedEquations) {
    Ordinax *win = window();
    // y = 2x + 1 up to x = 3, then y = 3x - 2: the second equation is 0.5 too high at the limit 3.5.
    useXyValues(win, {{"1", "3"}, {"2", "5"}, {"3", "7"}, {"4", "10"}, {"5", "13"}, {"6", "16"}}, {1, 1});
    win->numOfOverlapPoints_LB->setCurrentItem(0);
    win->numOfDecimalsInCoefficients_LB->setCurrentItem(1); // 3 decimals
    win->upperLimits[0] = 3.5;
    win->upperLimits[1] = 6;
    EXPECT_FALSE(win->copyEquationsButton->isEnabled());
    ASSERT_TRUE(win->refit());
    ASSERT_TRUE(win->copyEquationsButton->isEnabled());
    win->adjustEquationsWhenCopying_Chk->setCheck(TRUE);
    press(win->copyEquationsButton);

    auto limits = [&](const char *title) {
        return std::string(title) + "t[0] = " + win->formatFitValue(0.999999).text() +
               "\nt[1] = " + win->formatFitValue(3.5).text() +
               "\nt[2] = " + win->formatFitValue(6 * 1.0000006).text() + "\n";
    };
    const std::string expected = limits("not adjusted\n") +
                                 "\neqns[0] = 2.000e+00*x + 1.000e+00\neqns[1] = 3.000e+00*x - 2.000e+00\n" +
                                 limits("adjusted\n") +
                                 "\neqns[0] = 2.000e+00*x + 1.000e+00\neqns[1] = 3.000e+00*x - 2.500e+00\n";
    EXPECT_EQ(clipboardText(win), expected);
    EXPECT_EQ(clipboardReadByOtherProgram("UTF8_STRING"), expected);

    // Without the adjustment only the first block is copied.
    win->adjustEquationsWhenCopying_Chk->setCheck(FALSE);
    press(win->copyEquationsButton);
    EXPECT_EQ(clipboardText(win),
              limits("not adjusted\n") +
                  "\neqns[0] = 2.000e+00*x + 1.000e+00\neqns[1] = 3.000e+00*x - 2.000e+00\n");
}

TEST_F(GuiTest, FitEquationTextAndCoefficientTablesOfOneEquation) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 8, [](double x) { return std::exp(1.5 - 0.25 * x); }), {1});
    win->excel_cell_TF->setText(" a1 ");
    win->numOfDecimalsInCoefficients_LB->setCurrentItem(1); // 3 decimals
    win->fillEmptyCellsWithZeros_Chk->setCheck(TRUE);
    press(win->fitTypeRadios[XvsLnY]);
    EXPECT_EQ(text(win->excel_cell_TF), "A1");
    EXPECT_EQ(text(win->equationTextFields[0]), "= exp(-2.500E-01*A1 + 1.500E+00)");
    Table_qvx1 *table = win->coefficientTables[0];
    EXPECT_EQ(table->cellString(0, 0), "1.500e+00");
    EXPECT_EQ(table->cellString(0, 1), "-2.500e-01");
    EXPECT_EQ(table->cellString(0, 2), "0.0");
    EXPECT_EQ(table->cellString(1, 15), "1.500e+00");
    EXPECT_EQ(table->cellString(1, 14), "-2.500e-01");
    EXPECT_EQ(table->cellString(1, 0), "0.0");
    EXPECT_EQ(table->cellString(2, 1), "-2.500e-01") << "one equation is not adjusted";
    EXPECT_EQ(table->cellString(2, 15), "0.0");

    // "Copy equation" from the field's popup copies its whole text.
    FXEvent click{};
    click.root_x = win->getX() + 100;
    click.root_y = win->getY() + 100;
    click.moved = FALSE;
    modals->expect("Copy equation");
    win->equationTextFields[0]->handle(win->equationTextFields[0], FXSEL(SEL_RIGHTBUTTONRELEASE, 0), &click);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].entries, (std::vector<std::string>{"Copy equation", "Cancel"}));
    EXPECT_EQ(clipboardText(win), "= exp(-2.500E-01*A1 + 1.500E+00)");
    EXPECT_EQ(clipboardReadByOtherProgram("UTF8_STRING"),
              "= exp(-2.500E-01*A1 + 1.500E+00)");
    // A click that moved opens nothing.
    click.moved = TRUE;
    win->equationTextFields[0]->handle(win->equationTextFields[0], FXSEL(SEL_RIGHTBUTTONRELEASE, 0), &click);
    EXPECT_EQ(modals->seen.size(), 1u);

    // A refit that stops empties the tables and disables "Copy eqns.".
    fill(win->xyValuesTable, {});
    modals->expect("OK");
    EXPECT_FALSE(win->refit());
    EXPECT_EQ(table->cellString(0, 0), "");
    EXPECT_EQ(table->cellString(1, 0), "");
    EXPECT_FALSE(win->copyEquationsButton->isEnabled());
}

TEST_F(GuiTest, FitReturnInTheExcelCellRefitsOtherKeysAreTheFields) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 6, [](double x) { return x + 1; }), {1});
    ASSERT_TRUE(win->refit());
    FXEvent key{};
    key.type = SEL_KEYPRESS;
    key.state = 0;
    for (FXuint code : {KEY_a, KEY_Return, KEY_KP_Enter}) {
        win->rSquaredFields[0]->setText(kUntouched);
        key.code = code;
        key.text = code == KEY_a ? "a" : "";
        win->excel_cell_TF->handle(win->excel_cell_TF, FXSEL(SEL_KEYPRESS, 0), &key);
        EXPECT_EQ(text(win->rSquaredFields[0]) == kUntouched, code == KEY_a) << code;
        win->equation_Y_intercept_TF->enable();
        win->rSquaredFields[0]->setText(kUntouched);
        win->equation_Y_intercept_TF->handle(win->equation_Y_intercept_TF, FXSEL(SEL_KEYPRESS, 0), &key);
        EXPECT_EQ(text(win->rSquaredFields[0]) == kUntouched, code == KEY_a) << code;
    }
}

TEST_F(GuiTest, FitTypedOrPastedTextOfAnyContentNeverBreaksAFit) {
    const std::vector<std::string> texts = {"",           "   ",      "\t\n", std::string(5000, 'Z'),
                                            "a1\x01\x7f", "\xC3\x84", "=1/0", "1e999",
                                            "-",          "nan",      "inf",  "1,5",
                                            "$B$2",       "\xFF\xFE"};
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 6, [](double x) { return 2 * x + 1; }), {1});
    win->showEquationOnImage_Chk->setCheck(TRUE);
    for (const std::string &t : texts) {
        win->excel_cell_TF->setText(t.c_str());
        win->yScaleField->setText(t.c_str());
        ASSERT_TRUE(win->refit()) << t;
        const double factor = parseNumber(t);
        EXPECT_EQ(text(win->yScaleField), std::isfinite(factor) && factor > 0 ? t : "1.0");
        const bool noCell = normalizeExcelCell(t).empty();
        EXPECT_EQ(win->excel_cell_TF->getBackColor() == FXRGB(255, 0, 0), noCell) << t;
        if (noCell) {
            EXPECT_EQ(text(win->equationTextFields[0]), "You must enter a value for the Excel cell");
        }
        EXPECT_FALSE(win->plotSummaryText().empty()) << t;
    }
    // The intercept is held at x = 0 of the first zone: a text that is no number stops the fit with a box.
    win->setEqnYIntercept_Chk->setCheck(TRUE);
    for (const std::string &t : texts) {
        win->equation_Y_intercept_TF->setText(t.c_str());
        const std::string intercept = trimWhiteSpace(t);
        const bool usable = isNumericText(intercept) && std::isfinite(parseNumber(intercept));
        if (!usable)
            modals->expect("OK");
        EXPECT_EQ(win->refit(), usable) << t;
        if (!usable) {
            ASSERT_FALSE(modals->seen.empty());
            EXPECT_EQ(modals->seen.back().caption, "Illegal Y-intercept value");
        }
    }
}

TEST_F(GuiTest, FitEquationCountSpreadsTheLimitsAndEnablesTheOverlap) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(0, 90, [](double x) { return std::sqrt(x); }), {1});
    win->upperLimits[0] = 10;
    choose(win->numOfEquations_LB, 2); // 3 equations
    EXPECT_EQ(win->equationCount, 3);
    EXPECT_TRUE(win->numOfOverlapPoints_LB->isEnabled());
    EXPECT_EQ(text(win->upperLimitFields[0]), win->formatFitValue(30).text());
    EXPECT_EQ(text(win->upperLimitFields[1]), win->formatFitValue(60).text());
    EXPECT_EQ(text(win->upperLimitFields[2]), win->formatFitValue(90).text());
    EXPECT_EQ(text(win->upperLimitFields[3]), "");
    EXPECT_EQ(win->fitResult.zones.size(), 3u);
    choose(win->numOfEquations_LB, 0);
    EXPECT_EQ(win->equationCount, 1);
    EXPECT_FALSE(win->numOfOverlapPoints_LB->isEnabled());
    EXPECT_EQ(win->fitResult.zones.size(), 1u);
}

TEST_F(GuiTest, FitWheelMovesAMovableLimitByItsStep) {
    Ordinax *win = window();
    win->resize(1200, 900);
    settle();
    useXyValues(win, rowsOf(0, 100, [](double x) { return x * x; }), {1, 1});
    win->upperLimits[0] = 50;
    ASSERT_TRUE(win->refit());
    ASSERT_TRUE(win->fitPlot);
    const int before = win->fitPlot->xToPixel(win->upperLimits[0]);
    FXEvent wheel{};
    wheel.type = SEL_MOUSEWHEEL;
    wheel.code = 120;
    wheel.state = SHIFTMASK;
    win->upperLimitFields[0]->handle(win->upperLimitFields[0], FXSEL(SEL_MOUSEWHEEL, 0), &wheel);
    EXPECT_GT(win->upperLimits[0], 50);
    EXPECT_EQ(win->fitPlot->xToPixel(win->upperLimits[0]), before + 3 * win->wheelStepPixels);
    EXPECT_EQ(text(win->upperLimitFields[0]), win->formatFitValue(win->upperLimits[0]).text());
    EXPECT_EQ(win->fitResult.limits[1], parseNumber(text(win->upperLimitFields[0]))) << "the move refits";
    // The last limit is the top of the data and does not move; nor does a limit pushed past the edge.
    win->upperLimitFields[1]->handle(win->upperLimitFields[1], FXSEL(SEL_MOUSEWHEEL, 0), &wheel);
    EXPECT_EQ(win->upperLimits[1], 100);
    wheel.state = SHIFTMASK | CONTROLMASK;
    for (int i = 0; i < 100; i++)
        win->upperLimitFields[0]->handle(win->upperLimitFields[0], FXSEL(SEL_MOUSEWHEEL, 0), &wheel);
    const auto [left, right] = win->fitPlot->plotArea();
    EXPECT_LE(win->fitPlot->xToPixel(win->upperLimits[0]), right - 15);
    EXPECT_GT(win->fitPlot->xToPixel(win->upperLimits[0]), left);
}

TEST_F(GuiTest, FitEquationTabsAndTheirHidingLeaveTheFitAlone) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 6, [](double x) { return x + 1; }), {1});
    ASSERT_TRUE(win->refit());
    win->rSquaredFields[0]->setText(kUntouched);
    win->mainTabs->setCurrent(3);
    win->equationTextFields[0]->setSelection(0, 3);
    win->equationTabs->setCurrent(2, TRUE);
    EXPECT_FALSE(win->equationTextFields[0]->isPosSelected(1));
    EXPECT_EQ(text(win->rSquaredFields[0]), kUntouched);
    EXPECT_EQ(win->equationTabs->childAtIndex(4)->getBackColor(), FXRGB(200, 255, 200));
    EXPECT_EQ(win->equationTabs->childAtIndex(0)->getBackColor(), win->defaultTabColor);

    win->hideEqnCoefficientTables_Chk->setCheck(TRUE);
    win->handle(win->hideEqnCoefficientTables_Chk, FXSEL(SEL_COMMAND, ID_HIDE_COEFFICIENT_TABLES), nullptr);
    EXPECT_FALSE(win->equationTabs->shown());
    win->hideEqnCoefficientTables_Chk->setCheck(FALSE);
    win->handle(win->hideEqnCoefficientTables_Chk, FXSEL(SEL_COMMAND, ID_HIDE_COEFFICIENT_TABLES), nullptr);
    EXPECT_TRUE(win->equationTabs->shown());
}

TEST_F(GuiTest, FitPlotChoicesSelectExactlyOneRadio) {
    Ordinax *win = window();
    useXyValues(win, rowsOf(1, 6, [](double x) { return x + 1; }), {1});
    press(win->plotBackgroundRadios[2]);
    EXPECT_EQ(win->plotBackground, 2);
    press(win->pointSizeRadios[3]);
    EXPECT_EQ(win->pointSizeIndex, 3);
    win->handle(win->fitDataButton, FXSEL(SEL_COMMAND, ID_POINT_SIZE), nullptr); // not a size radio
    EXPECT_EQ(win->pointSizeIndex, 1);
    for (int s = 0; s < 4; s++)
        EXPECT_EQ(win->pointSizeRadios[s]->getCheck() != FALSE, s == 1) << s;
    for (int b = 0; b < 3; b++)
        EXPECT_EQ(win->plotBackgroundRadios[b]->getCheck() != FALSE, b == 2) << b;
    choose(win->fontSizeList, 12);
    EXPECT_EQ(win->fitPlotFontSize, 20);
}

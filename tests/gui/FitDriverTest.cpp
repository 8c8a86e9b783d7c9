// The fit driver in the window: zones and limits, illegal values, the Y-intercept, differences per row,
// the outputs of a failed equation and the reset of the fit outputs by a paste.
#include <cmath>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "tables/NumberText.h"

using namespace CommandId;

namespace {
struct Row {
    std::string x, y;
};

// Fills rows 0.. of the table's x and y columns and empties up to 20 rows after them.
void fill(Table_qvx1* table, const std::vector<Row>& rows) {
    for (size_t r = 0; r < rows.size() + 20 && r < static_cast<size_t>(table->getNumRows()); r++) {
        table->setCellText(static_cast<int>(r), 0, r < rows.size() ? rows[r].x.c_str() : "");
        table->setCellText(static_cast<int>(r), 1, r < rows.size() ? rows[r].y.c_str() : "");
    }
}

std::vector<Row> rowsOf(const std::vector<double>& xs, double (*f)(double)) {
    std::vector<Row> rows;
    for (double x : xs) rows.push_back({formatFixed(x, 6), formatFixed(f(x), 6)});
    return rows;
}

// Sets up the xy values table as the source with the given equations, orders, upper limits and overlap entry.
void useXyValues(Ordinax* win, const std::vector<Row>& rows, std::vector<int> orders, std::vector<double> limits,
                 int overlapItem = 0) {
    win->dataSource = 1;
    fill(win->xyValuesTable, rows);
    win->equationCount = static_cast<int>(orders.size());
    for (size_t k = 0; k < orders.size(); k++) {
        win->fitOrders[k] = orders[k];
        win->upperLimits[k] = limits[k];
    }
    win->numOfOverlapPoints_LB->setCurrentItem(overlapItem);
}

template <class Widget> std::string text(Widget* widget) { return widget->getText().text(); }
std::string cell(Table_qvx1* table, int r, int c) { return table->cellString(r, c); }
} // namespace

TEST_F(GuiTest, FitOneEquationTakesNoOverlapAndWritesNoMismatch) {
    Ordinax* win = window();
    useXyValues(win, rowsOf({1, 2, 3, 4, 5, 6, 7, 8}, [](double x) { return x * x - 3; }), {2}, {8},
                /* "      2" */ 1);
    ASSERT_TRUE(win->refit());

    ASSERT_EQ(win->fitResult.zones.size(), 1u);
    EXPECT_EQ(win->fitResult.zones[0].fittedPoints, 8);
    EXPECT_DOUBLE_EQ(win->fitResult.limits[0], 1 * 0.999999);
    EXPECT_DOUBLE_EQ(win->fitResult.limits[1], 8 * 1.0000006);
    EXPECT_EQ(text(win->rSquaredFields[0]), "1.000000");
    EXPECT_EQ(text(win->upperLimitFields[0]), win->formatFitValue(8).text());
    for (int k = 0; k < 6; k++) EXPECT_EQ(text(win->mismatchFields[k]), "") << k;
    for (int k = 1; k < 6; k++) EXPECT_EQ(text(win->upperLimitFields[k]), "") << k;
    // Row 2 is x = 3, y = 6: the fitted y, its difference and the results table row.
    EXPECT_NEAR(win->xyValuesTable->getCellDouble(2, 2), 6, 1e-3);
    EXPECT_NEAR(win->xyValuesTable->getCellDouble(2, 3), 0, 0.05);
    EXPECT_EQ(cell(win->fitResultsTable, 2, 0), win->formatFitValue(3).text());
    EXPECT_EQ(cell(win->fitResultsTable, 2, 1), win->formatAxisValue(1, 6).text());
    EXPECT_EQ(cell(win->fitResultsTable, 2, 2), cell(win->xyValuesTable, 2, 2));
    EXPECT_EQ(win->seriesCount, 2);
    EXPECT_EQ(win->seriesLength[0], 8);
    EXPECT_EQ(text(win->positiveSlopeLabel), "Positive slope: Y");
    EXPECT_EQ(text(win->negativeSlopeLabel), "Negative slope: N");
}

TEST_F(GuiTest, FitTwoEquationsNeedOrderPlusOnePointsInEachZone) {
    const std::vector<Row> rows = rowsOf({1, 2, 3, 4, 5, 6}, [](double x) { return std::sqrt(x) * 10; });
    Ordinax* win = window();
    // Zone 0 below 3.5 holds x = 1, 2, 3: exactly enough for order 2.
    useXyValues(win, rows, {2, 1}, {3.5, 6});
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(win->fitResult.zones[0].ownPoints, 3);
    EXPECT_NE(text(win->rSquaredFields[0]), "");
    EXPECT_NE(text(win->rSquaredFields[1]), "");
    EXPECT_NE(text(win->mismatchFields[0]), "");
    EXPECT_EQ(text(win->mismatchFields[1]), "");

    useXyValues(win, rows, {2, 1}, {2.5, 6});
    modals->expect("OK");
    EXPECT_FALSE(win->refit());
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Bad boundaries");
    EXPECT_EQ(modals->seen[0].text, std::string("There are not enough points between ") +
                                        win->formatAxisValue(0, 0.999999).text() + " and " +
                                        win->formatAxisValue(0, 2.5).text() +
                                        " for a 2-order fit (Eqn. #1) with 0 overlap points.");
    EXPECT_EQ(text(win->rSquaredFields[1]), "");
    EXPECT_EQ(win->seriesCount, 0);
}

TEST_F(GuiTest, FitNegativeXMinCountsTheSmallestPointInZoneZero) {
    Ordinax* win = window();
    // lim[0] = -5 * 0.999999 lies above -5; zone 0 still needs that point for its two.
    useXyValues(win, {{"-4", "2"}, {"-5", "1"}, {"1", "3"}, {"2", "5"}}, {1, 1}, {0, 2});
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(win->fitResult.zones[0].ownPoints, 2);
    EXPECT_EQ(win->fitResult.rows[1].zone, 0);
    EXPECT_NEAR(win->xyValuesTable->getCellDouble(1, 2), 1, 1e-6);
    EXPECT_EQ(text(win->rSquaredFields[0]), "1.000000");
}

TEST_F(GuiTest, FitIllegalValuesNameTheFirstBadVariable) {
    struct Case {
        int fitType;
        std::string x5, y7; // cells of rows 5 and 7; the other rows hold x = y = row + 1
        std::string message;
    };
    const std::vector<Case> cases = {
        {LnXvsY, "0", "-1", "Some of your x values are 0 or negative, pick a different plot type."},
        {LnXvsLnY, "0", "-1", "Some of your x values are 0 or negative, pick a different plot type."},
        {XvsLnY, "-2", "-1", "Some of your y values are 0 or negative, pick a different plot type."},
        {InvXvsLnY, "6", "0", "Some of your y values are 0 or negative, pick a different plot type."},
        {XvsY, "1e999", "8", "Some of your x values are not numbers or too large (row 6)."},
        {XvsY, "6", "abc", "Some of your y values are not numbers or too large (row 8)."},
    };
    for (const Case& c : cases) {
        Ordinax* win = window();
        std::vector<Row> rows;
        for (int r = 0; r < 10; r++) rows.push_back({std::to_string(r + 1), std::to_string(r + 1)});
        rows[5].x = c.x5;
        rows[7].y = c.y7;
        useXyValues(win, rows, {1}, {10});
        win->fitType = c.fitType;
        modals->expect("OK");
        EXPECT_FALSE(win->refit()) << c.message;
        ASSERT_EQ(modals->seen.size(), 1u);
        EXPECT_EQ(modals->seen.back().caption, "Illegal values");
        EXPECT_EQ(modals->seen.back().text, c.message);
        EXPECT_EQ(win->seriesCount, 0);
        EXPECT_EQ(cell(win->xyValuesTable, 0, 2), "");
        modals->seen.clear();
    }
}

TEST_F(GuiTest, FitInterceptIsHeldOnlyForTheTypesThatAllowIt) {
    struct Case {
        int fitType;
        std::string intercept;
        bool fits;
        double constant; // C0 of the fitted equation
    };
    // y = 2 ln(x) + 1 and y = 2x + 1 on x = 1..5: the free constant is 1.
    const std::vector<Case> cases = {
        {XvsY, "5", true, 5}, {XvsY, "", false, 0}, {LnXvsY, "5", true, 1}, {LnXvsY, "", true, 1}};
    for (const Case& c : cases) {
        Ordinax* win = window();
        double (*f)(double) = c.fitType == XvsY ? +[](double x) { return 2 * x + 1; }
                                                : +[](double x) { return 2 * std::log(x) + 1; };
        useXyValues(win, rowsOf({1, 2, 3, 4, 5}, f), {1}, {5});
        win->fitType = c.fitType;
        win->setEqnYIntercept_Chk->setCheck(TRUE);
        win->equation_Y_intercept_TF->setText(c.intercept.c_str());
        if (!c.fits) modals->expect("OK");
        ASSERT_EQ(win->refit(), c.fits) << c.fitType << " '" << c.intercept << "'";
        if (c.fits) {
            EXPECT_NEAR(win->fitResult.zones[0].coefficients[0], c.constant, 1e-5) << c.fitType;
            EXPECT_EQ(win->fitResult.zones[0].interceptFixed, c.fitType == XvsY);
        } else {
            ASSERT_EQ(modals->seen.size(), 1u);
            EXPECT_EQ(modals->seen[0].caption, "Illegal Y-intercept value");
            EXPECT_EQ(modals->seen[0].text, "Check your value for the Y-intercept.");
            EXPECT_EQ(win->equation_Y_intercept_TF->getBackColor(), FXRGB(255, 0, 0));
            modals->seen.clear();
        }
    }
}

TEST_F(GuiTest, FitZeroYGetsNoDifferenceInEitherPointTable) {
    for (int source : {0, 1}) {
        Ordinax* win = window();
        Table_qvx1* table = source == 1 ? win->xyValuesTable : win->curvePointsTable;
        const int diffColumn = source == 1 ? 3 : 2;
        win->dataSource = source;
        win->equationCount = 1;
        win->upperLimits[0] = 5;
        fill(table, {{"1", "2"}, {"2", "5"}, {"3", "6"}, {"4", "8"}, {"5", "10"}});
        ASSERT_TRUE(win->refit());
        ASSERT_NE(cell(table, 2, diffColumn), "");
        // Row 2 becomes y = 0: its old difference goes and it counts towards no maximum.
        table->setCellText(2, 1, "0");
        ASSERT_TRUE(win->refit());
        EXPECT_EQ(cell(table, 2, diffColumn), "") << source;
        EXPECT_EQ(cell(win->fitResultsTable, 2, 3), "");
        EXPECT_EQ(cell(win->fitResultsTable, 2, 1), win->formatAxisValue(1, 0).text());
        double largest = 0;
        for (int r : {0, 1, 3, 4}) {
            ASSERT_TRUE(win->fitResultsTable->isCellNumeric(r, 3)) << r;
            const double d = win->fitResultsTable->getCellDouble(r, 3);
            if (std::fabs(d) > std::fabs(largest)) largest = d;
        }
        EXPECT_NEAR(parseNumber(text(win->maxDiffFields[0])), largest, 0.051);
    }
}

TEST_F(GuiTest, FitUndeterminedEquationsShowNotFittedAndNoNumbers) {
    struct Case {
        const char* name;
        std::vector<Row> rows;
        int order;
    };
    std::vector<Row> equalX, wide, sixteen;
    for (int r = 0; r < 6; r++) equalX.push_back({"2", std::to_string(r)});
    for (int r = 0; r < 6; r++) wide.push_back({"1e" + std::to_string(-300 + 120 * r), std::to_string(r + 1)});
    for (int r = 0; r < 16; r++) sixteen.push_back({std::to_string(r), std::to_string((r * 7) % 5 + 1)});
    const std::vector<Case> cases = {{"all x equal", equalX, 2}, {"1e-300..1e300", wide, 3}, {"16 points", sixteen, 15}};
    for (const Case& c : cases) {
        Ordinax* win = window();
        useXyValues(win, c.rows, {c.order}, {parseNumber(c.rows.back().x)});
        ASSERT_TRUE(win->refit()) << c.name;
        const bool fitted = win->fitResult.zones[0].fitted;
        if (!fitted) {
            EXPECT_EQ(text(win->equationTextFields[0]), "error - not fitted") << c.name;
            EXPECT_EQ(text(win->rSquaredFields[0]), "") << c.name;
        }
        for (size_t r = 0; r < c.rows.size(); r++) {
            for (int col : {2, 3}) {
                const std::string shown = cell(win->xyValuesTable, static_cast<int>(r), col);
                if (!fitted) {
                    EXPECT_EQ(shown, "") << c.name << " row " << r;
                } else if (!shown.empty()) {
                    EXPECT_TRUE(std::isfinite(parseNumber(shown))) << c.name << " " << shown;
                }
            }
        }
    }
}

TEST_F(GuiTest, FitWithoutPointsSaysWhichTableIsEmpty) {
    Ordinax* win = window();
    win->dataSource = 1;
    modals->expect("OK");
    EXPECT_FALSE(win->refit());
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "Missing data");
    EXPECT_EQ(modals->seen[0].text,
              "You have your data source as the xy values data points table but there is no data in this table.");
}

TEST_F(GuiTest, FitPasteIntoXyValuesSwitchesTheSourceAndClearsTheFit) {
    Ordinax* win = window();
    fill(win->curvePointsTable, {{"1", "1"}, {"2", "4"}, {"3", "9"}});
    win->equationCount = 1;
    win->upperLimits[0] = 3;
    ASSERT_TRUE(win->refit());
    ASSERT_NE(text(win->rSquaredFields[0]), "");
    // The clipboard gets two xy rows from the table's own copy; the paste then brings them back.
    fill(win->xyValuesTable, {{"1", "2"}, {"2", "3"}});
    win->xyValuesTable->selectRange(0, 1, 0, 1);
    win->xyValuesTable->handle(win, FXSEL(SEL_COMMAND, FXTable::ID_COPY_SEL), nullptr);
    win->fitType = XvsLnY;
    win->mainTabs->setCurrent(1);
    command(ID_PASTE);
    settle();
    EXPECT_EQ(win->dataSource, 1);
    EXPECT_EQ(win->fitType, XvsY);
    EXPECT_EQ(cell(win->xyValuesTable, 1, 1), "3");
    EXPECT_EQ(text(win->rSquaredFields[0]), "");
    EXPECT_EQ(cell(win->fitResultsTable, 0, 0), "");
    EXPECT_EQ(cell(win->curvePointsTable, 0, 2), "");
    EXPECT_EQ(win->seriesCount, 0);
}

TEST_F(GuiTest, FitDataButtonRefits) {
    Ordinax* win = window();
    useXyValues(win, rowsOf({1, 2, 3}, [](double x) { return 3 * x; }), {1}, {3});
    FXButton* button = win->fitDataButton;
    ASSERT_EQ(button->getSelector(), static_cast<FXSelector>(ID_FIT_DATA));
    button->getTarget()->handle(button, FXSEL(SEL_COMMAND, button->getSelector()), nullptr);
    EXPECT_EQ(text(win->rSquaredFields[0]), "1.000000");
}

TEST_F(GuiTest, FitConvertedDataGetNoFitYInTheXyTable) {
    Ordinax* win = window();
    useXyValues(win, rowsOf({1, 2, 3, 4}, [](double x) { return 3 * x; }), {1}, {4});
    win->yScaleField->setText("2");
    win->xAxisIsTemperature_Chk->setCheck(TRUE);
    win->temperatureScaleList->setCurrentItem(0); // "C -> K"
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(win->yScaleField->getBackColor(), FXRGB(255, 255, 0));
    EXPECT_EQ(cell(win->xyValuesTable, 1, 2), "");
    EXPECT_NEAR(win->xyValuesTable->getCellDouble(1, 3), 0, 0.05);
    EXPECT_EQ(cell(win->fitResultsTable, 1, 0), win->formatFitValue(2 + 273.15).text());
    EXPECT_EQ(cell(win->fitResultsTable, 1, 1), win->formatAxisValue(1, 12).text());

    // A factor too small to use is put back to 1.0.
    win->yScaleField->setText("0");
    win->xAxisIsTemperature_Chk->setCheck(FALSE);
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(text(win->yScaleField), "1.0");
    EXPECT_NE(win->yScaleField->getBackColor(), FXRGB(255, 255, 0));
    EXPECT_NEAR(win->xyValuesTable->getCellDouble(1, 2), 6, 1e-3);
}

TEST_F(GuiTest, FitKeepsShownLimitsInsideTheDataAndFollowsItsTop) {
    Ordinax* win = window();
    std::vector<Row> rows = rowsOf({1, 2, 3, 4, 5, 6}, [](double x) { return x * x; });
    useXyValues(win, rows, {1, 1}, {3.5, 6});
    ASSERT_TRUE(win->refit());
    rows.push_back({"8", "64"});
    fill(win->xyValuesTable, rows);
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(text(win->upperLimitFields[0]), win->formatFitValue(3.5).text());
    EXPECT_EQ(text(win->upperLimitFields[1]), win->formatFitValue(8).text());
    EXPECT_EQ(win->upperLimitFields[0]->getBackColor(), win->fitFieldNormalColor);
    EXPECT_EQ(win->upperLimitFields[1]->getBackColor(), FXRGB(200, 200, 200));
    // A limit the data no longer reach is dropped for an even split.
    win->upperLimits[0] = 20;
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(text(win->upperLimitFields[0]), win->formatFitValue(4.5).text());
    EXPECT_EQ(win->fitResult.zones[0].ownPoints, 4);
}

TEST_F(GuiTest, FitResultsTableGrowsToEveryImagePoint) {
    Ordinax* win = window();
    const int rows = win->curvePointsTable->getNumRows();
    ASSERT_GT(rows, win->fitResultsTable->getNumRows());
    std::vector<Row> points;
    for (int r = 0; r < rows; r++) points.push_back({std::to_string(r + 1), std::to_string(2 * r + 1)});
    fill(win->curvePointsTable, points);
    win->equationCount = 1;
    ASSERT_TRUE(win->refit());
    EXPECT_EQ(win->fitResultsTable->getNumRows(), rows);
    EXPECT_EQ(cell(win->fitResultsTable, rows - 1, 1), win->formatAxisValue(1, 2 * rows - 1).text());
}

// A refit writes over the last fit's columns instead of emptying them first, so whatever that fit wrote and
// this one does not must still go: rows below fewer points, the table no longer fitted, a failed fit.
TEST_F(GuiTest, FitLeavesNoStaleCellsOfTheLastFit) {
    Ordinax* win = window();
    auto line = [](double x) { return 2 * x + 1; };
    auto emptyFrom = [&](Table_qvx1* table, std::initializer_list<int> columns, int first) {
        for (int r = first; r < 12; r++)
            for (int c : columns)
                if (!cell(table, r, c).empty()) return r * 10 + c;
        return -1;
    };
    useXyValues(win, rowsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, line), {1}, {10});
    win->xyValuesTable->setCellText(4, 1, "12"); // one point off the line, so it has a difference
    ASSERT_TRUE(win->refit());
    ASSERT_FALSE(cell(win->xyValuesTable, 9, 3).empty());

    fill(win->xyValuesTable, rowsOf({1, 2, 3, 4, 5, 6}, line));
    ASSERT_TRUE(win->refit());
    EXPECT_NEAR(win->xyValuesTable->getCellDouble(4, 3), 0, 0.05) << "the point is on the line now";
    EXPECT_EQ(cell(win->fitResultsTable, 5, 0), win->formatFitValue(6).text());
    EXPECT_EQ(emptyFrom(win->fitResultsTable, {0, 1, 2, 3}, 6), -1);
    EXPECT_EQ(emptyFrom(win->xyValuesTable, {2, 3}, 6), -1);

    win->dataSource = 0;
    fill(win->curvePointsTable, rowsOf({1, 2, 3}, line));
    win->curvePointsTable->setCellText(1, 1, "6");
    ASSERT_TRUE(win->refit());
    EXPECT_FALSE(cell(win->curvePointsTable, 1, 2).empty());
    EXPECT_EQ(emptyFrom(win->xyValuesTable, {2, 3}, 0), -1) << "the xy table is not the one fitted";

    win->curvePointsTable->setCellText(2, 1, "abc");
    modals->expect("OK");
    EXPECT_FALSE(win->refit());
    EXPECT_EQ(emptyFrom(win->curvePointsTable, {2}, 0), -1);
    EXPECT_EQ(emptyFrom(win->fitResultsTable, {0, 1, 2, 3}, 0), -1);
}

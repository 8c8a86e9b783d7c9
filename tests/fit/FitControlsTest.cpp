// Orders, equation count, data source, control states, slope labels and the conversion-factor menu.
#include "fit/FitControls.h"

#include "fit/FitData.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(FitOrders, StayBetweenOneAndTheMaximum) {
    EXPECT_EQ(clampOrder(16, 15), 15);
    EXPECT_EQ(clampOrder(5, 4), 4);
    EXPECT_EQ(clampOrder(0, 15), 1);
    EXPECT_EQ(clampOrder(-3, 4), 1);
    EXPECT_EQ(clampOrder(3, 0), 1);
    EXPECT_EQ(orderFromLabel("12th order") + 1, 13);
    EXPECT_EQ(orderFromLabel("order"), 0);
    EXPECT_GT(orderFromLabel(std::string(40, '9')), 15); // no overflow, still above every maximum
    std::vector<int> orders = {1, 5, 8, 2, 3, 15};
    EXPECT_TRUE(lowerOrdersToMax(orders, 4));
    EXPECT_EQ(orders, (std::vector<int>{1, 4, 4, 2, 3, 4}));
    EXPECT_FALSE(lowerOrdersToMax(orders, 10)); // raising the maximum changes nothing
}

TEST(FitOrders, LabelsUseTheOrdinalSuffix) {
    EXPECT_EQ(orderLabelText(1), "1st order");
    EXPECT_EQ(orderLabelText(2), "2nd order");
    EXPECT_EQ(orderLabelText(3), "3rd order");
    EXPECT_EQ(orderLabelText(4), "4th order");
    EXPECT_EQ(orderLabelText(11), "11th order");
    EXPECT_EQ(orderLabelText(15), "15th order");
}

TEST(FitControls, EquationCountAndDataSource) {
    EXPECT_EQ(equationCountFromIndex(0), 1);
    EXPECT_EQ(equationCountFromIndex(5), 6);
    EXPECT_EQ(equationCountFromIndex(6), 1);
    EXPECT_EQ(equationCountFromIndex(-1), 1);
    EXPECT_EQ(dataSourceForFitType(Lmp, 0, false), 2);
    EXPECT_EQ(dataSourceForFitType(XvsY, 2, true), 1);
    EXPECT_EQ(dataSourceForFitType(XvsY, 2, false), 0);
    EXPECT_EQ(dataSourceForFitType(LnXvsY, 1, false), 1);
    EXPECT_EQ(dataSourceForFitType(XvsLnY, 0, true), 0);
    EXPECT_EQ(dataSourceForFitType(XvsY, 7, true), 0);
}

TEST(FitControls, StatesFollowTheFitType) {
    const FitControlStates lmp = fitControlStates(Lmp, true, true);
    EXPECT_TRUE(lmp.larsonMillerControls);
    EXPECT_FALSE(lmp.scalingControls || lmp.interceptCheck || lmp.interceptField || lmp.excelCell);
    EXPECT_FALSE(lmp.dataSourceRadios[0] || lmp.dataSourceRadios[1] || lmp.dataSourceRadios[2]);
    EXPECT_TRUE(fitControlStates(Lmp, false, false).excelCell);
    for (int type : {XvsY, XvsLnY}) {
        const FitControlStates s = fitControlStates(type, true, true);
        EXPECT_TRUE(s.interceptCheck && s.interceptField && s.excelCell && s.scalingControls);
        EXPECT_TRUE(s.dataSourceRadios[0] && s.dataSourceRadios[1] && !s.dataSourceRadios[2]);
        EXPECT_FALSE(fitControlStates(type, false, false).interceptField);
    }
    for (int type : {LnXvsY, LnXvsLnY, InvXvsLnY}) {
        const FitControlStates s = fitControlStates(type, false, true);
        EXPECT_FALSE(s.interceptCheck || s.interceptField || s.larsonMillerControls);
    }
}

TEST(FitControls, SlopeLabelsHighlightOnlyForLarsonMiller) {
    SlopeLabels labels = slopeLabels(true, false, XvsY);
    EXPECT_EQ(labels.positive, "Positive slope: Y");
    EXPECT_EQ(labels.negative, "Negative slope: N");
    EXPECT_FALSE(labels.positiveHighlighted || labels.negativeHighlighted);
    labels = slopeLabels(true, false, Lmp);
    EXPECT_TRUE(labels.positiveHighlighted && labels.negativeHighlighted);
    labels = slopeLabels(false, true, Lmp);
    EXPECT_EQ(labels.positive, "Positive slope: N");
    EXPECT_EQ(labels.negative, "Negative slope: Y");
    EXPECT_FALSE(labels.positiveHighlighted || labels.negativeHighlighted);
}

TEST(ConversionMenu, RunsOfNamedEntriesFillPaddedColumns) {
    const std::vector<ConversionFactor> entries = {{"a", 1}, {"b", 2}, {"", 1},  {"c", 3}, {"", 1},
                                                   {"", 1},  {"d", 4}, {"e", 5}, {"f", 6}};
    EXPECT_EQ(conversionMenuColumns(entries),
              (std::vector<std::vector<int>>{{0, 1, -1}, {3, -1, -1}, {6, 7, 8}}));
    EXPECT_TRUE(conversionMenuColumns({{"", 1}, {"", 2}}).empty());
    std::vector<ConversionFactor> many(150, ConversionFactor{"m", 1});
    EXPECT_EQ(conversionMenuColumns(many)[0].size(), 101u); // ids 143..243 only
}

TEST(ConversionMenu, EntryAndFieldTextsOfAnyContent) {
    EXPECT_EQ(conversionMenuText({"psi -> MPa", 0.00689476}), "psi -> MPa (6.894760e-03)");
    EXPECT_EQ(conversionMenuText({"A&B\tc\n", 2.54}), "A&&B c  (2.540000e+00)");
    EXPECT_EQ(conversionMenuText({"x", std::nan("")}), "x (nan)");
    EXPECT_EQ(yScaleText(1e300), "1.000000e+300");
    EXPECT_EQ(yScaleText(-INFINITY), "-inf");
    EXPECT_FALSE(yScaleHighlighted(1.0));
    EXPECT_TRUE(yScaleHighlighted(1.5));
    EXPECT_FALSE(yScaleHighlighted(std::nan("")));
}

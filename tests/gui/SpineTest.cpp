// The main window as it starts: title, pages, menus, tool bar, page changes, About box, start-up files.
#include <ctime>

#include "GuiFixture.h"
#include "app/AppInfo.h"

using namespace CommandId;

namespace {
std::vector<std::string> menuEntries(FXMenuPane* pane) {
    std::vector<std::string> entries;
    for (FXWindow* w = pane->getFirst(); w; w = w->getNext()) {
        if (w->isMemberOf(FXMETACLASS(FXMenuSeparator)))
            entries.push_back("-");
        else if (w->isMemberOf(FXMETACLASS(FXMenuCaption)) && w->shown())
            entries.push_back(static_cast<FXMenuCaption*>(w)->getText().text());
    }
    return entries;
}

void showPage(Ordinax* win, int page) {
    win->mainTabs->setCurrent(page, TRUE);
}
} // namespace

TEST_F(GuiTest, StartsWithTitleSizeAndTintedPages) {
    Ordinax* win = window();
    settle(50);
    EXPECT_EQ(std::string(win->getTitle().text()), "Ordinax v2.81 - untitled");
    EXPECT_EQ(win->getWidth(), 900);
    EXPECT_EQ(win->getHeight(), 800);
    EXPECT_EQ(win->xyValuesTable->getNumRows(), 500) << "first-run row count";
    EXPECT_EQ(win->fitResultsTable->getNumRows(), 500);
    EXPECT_TRUE(win->showEquationOnImage_Chk->getCheck());
    FXTabItem* items[] = {win->imageTabItem, win->xyValuesTabItem, win->lmpTabItem, win->curveFittingTabItem};
    const char* texts[] = {"  Image  ", "  Xy Values  ", "  Larson-Miller Data  ", "  Curve Fitting  "};
    FXColor tints[] = {FXRGB(200, 200, 255), FXRGB(35, 170, 255), FXRGB(255, 200, 200), FXRGB(200, 255, 200)};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(std::string(items[i]->getText().text()), texts[i]);
        EXPECT_EQ(items[i]->getBackColor(), tints[i]);
    }
    EXPECT_FALSE(win->developerMode);
    EXPECT_GT(win->imageAreaTop, 0);
}

TEST_F(GuiTest, MenusListTheirEntriesInOrder) {
    Ordinax* win = window();
    std::vector<std::string> options = menuEntries(win->optionsMenu);
    ASSERT_FALSE(options.empty());
    EXPECT_EQ(options.front(), "Resize window with new image");
    EXPECT_EQ(options[2], "Turn on \"Auto-find axis\" after loading new image");
    EXPECT_EQ(options[5], "Show a warning if the axis scaling should/shouldn't be log (max/min > 100)");
    EXPECT_EQ(options[6], "Set the numeric format in the \"Curve points\" table depending on the axis scale type");
    EXPECT_EQ(options[8], "Show the \"Larson-Miller Data\" tab");
    EXPECT_EQ(options[9], "Hide equation coefficient tables on the \"Curve Fitting\" tab");
    EXPECT_EQ(options.back(), "Magnified views on the bottom");
    EXPECT_TRUE(win->resizeWindowWithNewImage->getCheck());
    EXPECT_FALSE(win->clearAxisDefinitionsWithNewImage->getCheck());
    EXPECT_TRUE(win->setNumericFormatDependingOnAxisScaling->getCheck());
    EXPECT_TRUE(win->magnifiedViewsOnRightSide_MRB->getCheck());

    std::vector<std::string> file = menuEntries(win->fileMenu);
    std::vector<std::string> expectedFile = {"Open image file", "Open data file", "-", "Sava data file", "-", "-",
                                             "-", "Clear recent image files list", "Clear recent data files list",
                                             "-", "Quit"};
    EXPECT_EQ(file, expectedFile);
    std::vector<std::string> help = menuEntries(win->helpMenu);
    std::vector<std::string> expectedHelp = {"About", "Tavrin Software web site (opens a browser)", "-",
                                             "Check the web site for updates"};
    EXPECT_EQ(help, expectedHelp);
    std::vector<std::string> plot = menuEntries(win->savePlotMenu);
    std::vector<std::string> expectedPlot = {"Copy image to clipboard", "Copy half size image to clipboard",
                                             "Save image to file",
                                             "Write the rotation (if not 0), min/max x/y to the image when saving"};
    EXPECT_EQ(plot, expectedPlot);
}

TEST_F(GuiTest, MarkerFileAddsTheDeveloperEntry) {
    writeFile(AppInfo::developerMarkerFile, "");
    Ordinax* win = window();
    EXPECT_TRUE(win->developerMode);
    std::vector<std::string> options = menuEntries(win->optionsMenu);
    ASSERT_GE(options.size(), 2u);
    EXPECT_EQ(options[options.size() - 2], "-");
    EXPECT_EQ(options.back(), "Reset directory to default");
}

TEST_F(GuiTest, ToolBarStartsWithImageButtonsDisabled) {
    Ordinax* win = window();
    EXPECT_FALSE(win->undoButton->isEnabled());
    EXPECT_TRUE(win->pasteButton->isEnabled());
    for (FXButton* b : win->rotationButtons) EXPECT_FALSE(b->isEnabled());
    EXPECT_FALSE(win->rotationButtons[1]->shown());
    EXPECT_FALSE(win->rotationButtons[3]->shown());
    EXPECT_EQ(std::string(win->rotationButtons[0]->getTipText().text()),
              "Rotate image counter-clockwise at 0.100 degree/click");
    EXPECT_EQ(std::string(win->rotationButtons[3]->getTipText().text()),
              "Rotate image clockwise at 0.025 degree/click");
    EXPECT_EQ(std::string(win->rotationLabel->getText().text()), "rotation = 0");
}

TEST_F(GuiTest, PageChangesSetSavePlotAndPasteTip) {
    Ordinax* win = window();
    EXPECT_FALSE(win->savePlotTitle->isEnabled());
    struct Step {
        int page;
        bool savePlot;
        const char* tip;
    } steps[] = {
        {3, true, "Paste"},  // keeps the tip it had
        {1, false, "Paste values into the xy values table"},
        {2, false, "Paste values into the LMP table"},
        {3, true, "Paste values into the LMP table"},
        {0, false, "Paste image from clipboard"}, // no image loaded
    };
    for (const Step& s : steps) {
        showPage(win, s.page);
        EXPECT_EQ(win->savePlotTitle->isEnabled(), s.savePlot) << "page " << s.page;
        EXPECT_EQ(std::string(win->pasteButton->getTipText().text()), s.tip) << "page " << s.page;
    }
}

TEST_F(GuiTest, AboutBoxShowsNameVersionAndThisYear) {
    window();
    modals->expect("OK");
    command(ID_ABOUT);
    ASSERT_EQ(modals->seen.size(), 1u);
    EXPECT_EQ(modals->seen[0].caption, "About Ordinax");
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    EXPECT_NE(modals->seen[0].text.find("Ordinax, version 2.81"), std::string::npos) << modals->seen[0].text;
    EXPECT_NE(modals->seen[0].text.find(std::to_string(local.tm_year + 1900)), std::string::npos);
}

TEST_F(GuiTest, ConversionFactorsComeFromTheWorkingDirectory) {
    writeFile(AppInfo::conversionFactorFile, "\"ksi to MPa\" 6.894757\n\"bad\" 0\n\"in to mm\" 25.4\n\nignored 3\n");
    Ordinax* win = window();
    ASSERT_EQ(win->conversionFactors.size(), 5u);
    EXPECT_EQ(win->conversionFactorCount, 2);
    EXPECT_EQ(win->conversionFactors[0].name, "ksi to MPa");
    EXPECT_EQ(win->conversionFactors[1].name, "unknown");
    EXPECT_DOUBLE_EQ(win->conversionFactors[2].factor, 25.4);
}

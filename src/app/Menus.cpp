// The menus, the tool bar, the page-change handler, the About box and the web-site command.
#include "app/AppInfo.h"
#include "app/Ordinax.h"
#include "platform/Browser.h"
#include "ui/AboutWindow.h"
#include "ui/FlatStyle.h"

using namespace CommandId;

void Ordinax::buildMenus() {
    fileMenu = new FXMenuPane(this);
    new MenuTitleWin10Style(menuBar, "File", nullptr, fileMenu);

    savePlotMenu = new FXMenuPane(this);
    savePlotTitle = new MenuTitleWin10Style(menuBar, "Save Plot", nullptr, savePlotMenu);
    new FXMenuCommand(savePlotMenu, "&Copy image to clipboard", nullptr, this, ID_COPY_IMAGE);
    new FXMenuCommand(savePlotMenu, "&Copy half size image to clipboard", nullptr, this, ID_COPY_HALF_IMAGE);
    new FXMenuCommand(savePlotMenu, "&Save image to file\tCtl-S", nullptr, this, ID_SAVE_IMAGE);
    pasteNewImageEntry = new FXMenuCommand(savePlotMenu, "Paste new image\tCtl-V", nullptr, this, ID_PASTE);
    pasteNewImageEntry->hide();
    includeRotationOnImage_Chk =
        new FXMenuCheck(savePlotMenu, "Write the rotation (if not 0), min/max x/y to the image when saving");

    optionsMenu = new FXMenuPane(this);
    new MenuTitleWin10Style(menuBar, "Options", nullptr, optionsMenu);
    resizeWindowWithNewImage = new FXMenuCheck(optionsMenu, "Resize window with new image");
    resizeWindowWithNewImage->setCheck(TRUE);
    clearAxisDefinitionsWithNewImage = new FXMenuCheck(optionsMenu, "Clear axis definitions with new image");
    turnOnAutoFindAxisWithNewImage_Chk =
        new FXMenuCheck(optionsMenu, FXString("Turn on \"") + "Auto-find" + " axis\" after loading new image");
    cornerPointsSameColorAsDataPoints = new FXMenuCheck(
        optionsMenu, "Make the corner points and data points the same color", this, ID_SAME_POINT_COLORS);
    cornerPointsSameColorAsDataPoints->setCheck(TRUE);
    warnForAxisMinMaxReversed = new FXMenuCheck(optionsMenu, "Show a warning if the axis min/max values are reversed");
    warnForAxisMinMaxReversed->setCheck(TRUE);
    warnForAxisLogScaling_Chk = new FXMenuCheck(
        optionsMenu, FXStringFormat("Show a warning if the axis scaling should/shouldn't be log (max/min > %.0lf)",
                                    99.9));
    warnForAxisLogScaling_Chk->setCheck(TRUE);
    setNumericFormatDependingOnAxisScaling =
        new FXMenuCheck(optionsMenu,
                        FXString("Set the numeric format in the \"") + "Curve points" +
                            "\" table depending on the axis scale type",
                        this, ID_NUMERIC_FORMAT_BY_SCALE);
    new FXMenuSeparator(optionsMenu);
    FXString lmpTab = lmpTabItem->getText();
    FXString fittingTab = curveFittingTabItem->getText();
    showLMPStuff_Chk =
        new FXMenuCheck(optionsMenu, FXStringFormat("Show the \"%s\" tab", lmpTab.trim().text()), this, ID_SHOW_LMP_TAB);
    hideEqnCoefficientTables_Chk =
        new FXMenuCheck(optionsMenu,
                        FXStringFormat("Hide equation coefficient tables on the \"%s\" tab", fittingTab.trim().text()),
                        this, ID_HIDE_COEFFICIENT_TABLES);
    new FXMenuSeparator(optionsMenu);
    showMagnifiedImageCheck = new FXMenuCheck(optionsMenu, "Show magnified images", this, ID_MAGNIFIER_OPTIONS);
    showLineOnMagnifiedImageCheck =
        new FXMenuCheck(optionsMenu, "Show line on the magnified image", this, ID_MAGNIFIER_OPTIONS);
    showScanDirectionMagnifiedImageCheck = new FXMenuCheck(
        optionsMenu, FXStringFormat("Show the scan direction image when \"%s\" is checked", "Auto-find"), this,
        ID_MAGNIFIER_OPTIONS);
    new FXMenuSeparator(optionsMenu);
    magnifiedViewsOnRightSide_MRB =
        new FXMenuRadio(optionsMenu, "Magnified views on the right-side", this, ID_MAGNIFIER_RIGHT);
    magnifiedViewsOnBottom_MRB = new FXMenuRadio(optionsMenu, "Magnified views on the bottom", this, ID_MAGNIFIER_BOTTOM);
    if (developerMode) {
        new FXMenuSeparator(optionsMenu);
        resetDirectoryEntry = new FXMenuCommand(optionsMenu, "Reset directory to default", nullptr, this,
                                                ID_RESET_DIRECTORY);
    }

    helpMenu = new FXMenuPane(this);
    new MenuTitleWin10Style(menuBar, "Help", nullptr, helpMenu);
    new FXMenuCommand(helpMenu, "About", aboutIcon, this, ID_ABOUT);
    new FXMenuCommand(helpMenu, "Tavrin Software web site (opens a browser)", nullptr, this, ID_WEB_SITE);
    new FXMenuSeparator(helpMenu);
    new FXMenuCommand(helpMenu, "Check the web site for updates", nullptr, this, ID_CHECK_UPDATE);

    new FXMenuCommand(fileMenu, "Open image file", openIcon, this, ID_OPEN_IMAGE_FILE);
    new FXMenuCommand(fileMenu, "Open data file", openIcon, this, ID_OPEN_DATA_FILE);
    new FXMenuSeparator(fileMenu);
    new FXMenuCommand(fileMenu, "Sava data file", saveIcon, this, ID_SAVE_DATA_FILE);
    new FXMenuSeparator(fileMenu);
    for (FXMenuCommand*& entry : recentImageEntries) {
        entry = new FXMenuCommand(fileMenu, "", nullptr, this, ID_RECENT_FILE);
        entry->hide();
    }
    new FXMenuSeparator(fileMenu);
    for (FXMenuCommand*& entry : recentDataEntries) {
        entry = new FXMenuCommand(fileMenu, "", nullptr, this, ID_RECENT_FILE);
        entry->hide();
    }
    new FXMenuSeparator(fileMenu);
    clearRecentImagesEntry =
        new FXMenuCommand(fileMenu, "Clear recent image files list", nullptr, this, ID_CLEAR_RECENT_LIST);
    clearRecentDataEntry = new FXMenuCommand(fileMenu, "Clear recent data files list", nullptr, this, ID_CLEAR_RECENT_LIST);
    clearRecentImagesEntry->disable();
    clearRecentDataEntry->disable();
    new FXMenuSeparator(fileMenu);
    new FXMenuCommand(fileMenu, "Quit", nullptr, this, ID_QUIT);
}

void Ordinax::buildToolBar() {
    toolBar = new FXToolBar(dockSite, toolBarShell, LAYOUT_DOCK_NEXT | LAYOUT_SIDE_TOP | LAYOUT_FILL_X);
    auto button = [this](const FXString& text, FXIcon* icon, FXSelector id) {
        return new MenuButtonWin10Style(toolBar, text, icon, this, id, BUTTON_TOOLBAR | FRAME_RAISED, 0, 0, 0, 0, 6,
                                        6, 6, 6);
    };
    auto separator = [this]() { new FXVerticalSeparator(toolBar, SEPARATOR_GROOVE | LAYOUT_FILL_Y); };
    button("I\tOpen image file", openIcon, ID_OPEN_IMAGE_FILE);
    separator();
    button("D\tOpen data file", openIcon, ID_OPEN_DATA_FILE);
    pasteButton = button("\tPaste\tCtl-V", pasteIcon, ID_PASTE);
    undoButton = button("\tUndo last point", undoIcon, ID_UNDO_LAST_POINT);
    undoButton->disable();
    separator();
    separator();
    const FXString ccw = "\tRotate image counter-clockwise at %.*lf degree/click";
    const FXString cw = "\tRotate image clockwise at %.*lf degree/click";
    rotationButtons[0] = button(FXStringFormat(ccw.text(), 3, 0.1), rotateCcwIcon, ID_ROTATE_CCW_FINE);
    rotationButtons[1] = button(FXStringFormat(ccw.text(), 3, 0.025), rotateCcwFineIcon, ID_ROTATE_CCW_FINER);
    rotationButtons[2] = button(FXStringFormat(cw.text(), 3, 0.1), rotateCwIcon, ID_ROTATE_CW_FINE);
    rotationButtons[3] = button(FXStringFormat(cw.text(), 3, 0.025), rotateCwFineIcon, ID_ROTATE_CW_FINER);
    rotationButtons[4] = button("\tRotate image 90 counter-clockwise", rotateCcw90Icon, ID_ROTATE_90_CCW);
    rotationButtons[5] = button("\tRotate image 90 clockwise", rotateCw90Icon, ID_ROTATE_90_CW);
    rotationButtons[6] = button("180\tRotate image 180", nullptr, ID_ROTATE_180);
    for (FXButton* b : rotationButtons) b->disable();
    rotationButtons[1]->hide();
    rotationButtons[3]->hide();
    rotationLabel = new FXLabel(toolBar, "rotation = 0", nullptr, LAYOUT_CENTER_Y, 0, 0, 0, 0, 2, 2, 2, 2);
    rotationLabel->disable();
}

long Ordinax::onPageChange(FXObject* sender, FXSelector, void*) {
    switch (mainTabs->getCurrent()) {
    case 3:
        savePlotTitle->enable();
        includeRotationOnImage_Chk->disable();
        // A change of equation tab stays within the page: it needs no refit.
        if (sender == equationTabs)
            for (FXTextField* field : equationTextFields) field->killSelection();
        else
            showFittingPage();
        break;
    case 0:
        pasteButton->setTarget(this);
        pasteButton->setSelector(ID_PASTE);
        pasteButton->setTipText("Paste image from clipboard");
        includeRotationOnImage_Chk->enable();
        if (workImage)
            savePlotTitle->enable();
        else
            savePlotTitle->disable();
        break;
    case 2:
        pasteButton->setTarget(this);
        pasteButton->setSelector(ID_PASTE);
        pasteButton->setTipText("Paste values into the LMP table");
        savePlotTitle->disable();
        break;
    case 1:
        pasteButton->setTarget(this);
        pasteButton->setSelector(ID_PASTE);
        pasteButton->setTipText("Paste values into the xy values table");
        savePlotTitle->disable();
        break;
    }
    colorEquationTabs();
    return 1;
}

long Ordinax::openWebSite(FXObject*, FXSelector, void*) {
    openInBrowser(AppInfo::webSiteAddress);
    return 1;
}

long Ordinax::onAbout(FXObject*, FXSelector, void*) {
    AboutWindow about(this, AppInfo::applicationName, AppInfo::version);
    about.execute(PLACEMENT_OWNER);
    return 1;
}

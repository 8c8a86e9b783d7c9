// Main window construction, start-up settings, the start-up timers, conversion factors and shutdown.
#include "app/Ordinax.h"

#include <ctime>

#include "app/AppInfo.h"
#include "app/WindowPlacement.h"
#include "io/TextFile.h"
#include "platform/ScreenMetrics.h"

namespace {
struct PageSpec {
    const char* text;
    FXColor tint;
};
const PageSpec pageSpecs[4] = {
    {"  Image  ", FXRGB(200, 200, 255)},
    {"  Xy Values  ", FXRGB(35, 170, 255)},
    {"  Larson-Miller Data  ", FXRGB(255, 200, 200)},
    {"  Curve Fitting  ", FXRGB(200, 255, 200)},
};
} // namespace

Ordinax::Ordinax(FXApp* app)
    : FXMainWindow(app, "untitled", nullptr, nullptr, DECOR_ALL, 0, 0, 900, 800) {
    startClock = static_cast<long>(clock());
    for (double& limit : upperLimits) limit = -1e100;
    developerMode = FXStat::exists(AppInfo::developerMarkerFile);
    setWindowTitleFor("untitled");
    directoryForUserFiles = FXSystem::getCurrentDirectory();

    createIcons();
    applicationIcon->create();
    setIcon(applicationIcon);

    menuBar = new FXMenuBar(this, LAYOUT_SIDE_TOP | LAYOUT_FILL_X);
    toolBarShell = new FXToolBarShell(this, FRAME_RAISED);
    dockSite = new FXDockSite(this, LAYOUT_SIDE_TOP | LAYOUT_FILL_X);
    FXVerticalFrame* pageFrame = new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    mainTabs = new FXTabBook(pageFrame, this, CommandId::ID_MAIN_TABS, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0,
                             0, 4, 4, 4, 4);

    FXTabItem** items[4] = {&imageTabItem, &xyValuesTabItem, &lmpTabItem, &curveFittingTabItem};
    for (int i = 0; i < 4; i++) {
        FXTabItem* item = new FXTabItem(mainTabs, pageSpecs[i].text, nullptr, TAB_TOP_NORMAL, 0, 0, 0, 0, 2, 2, 2, 2);
        *items[i] = item;
        if (i == 0) defaultTabColor = item->getBackColor();
        item->setBackColor(pageSpecs[i].tint);
        if (i == 0) {
            imagePage = new FXHorizontalFrame(mainTabs, FRAME_NONE | LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0,
                                              0, 0);
            buildImagePage(imagePage);
        } else {
            FXVerticalFrame* page = new FXVerticalFrame(mainTabs, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0,
                                                        DEFAULT_SPACING, DEFAULT_SPACING, DEFAULT_SPACING,
                                                        DEFAULT_SPACING, DEFAULT_SPACING, 4);
            (i == 1 ? xyValuesPage : i == 2 ? lmpPage : curveFittingPage) = page;
            if (i == 1) buildXyValuesTables(page);
            if (i == 3) buildCurveFittingPage(page);
        }
    }

    buildMenus();
    buildToolBar();

    toolTip = new FXToolTip(app, TOOLTIP_VARIABLE);
    app->setTooltipTime(5000);

    imageFileName = "untitled";
    applyStartupSettings();
    loadConversionFactors();
    setUpFitPlots(true);
    constructing = false;

    // Both fire on the first passes of the event loop, after the window is shown.
    app->addTimeout(this, CommandId::ID_RESTORE_GEOMETRY, 1);
    app->addTimeout(this, CommandId::ID_MEASURE_LAYOUT, 0);
}

Ordinax::~Ordinax() {
    getApp()->removeTimeout(this, CommandId::ID_RESTORE_GEOMETRY);
    getApp()->removeTimeout(this, CommandId::ID_MEASURE_LAYOUT);
    getApp()->removeChore(this, CommandId::ID_FIT_PLOT);
    delete workImage;
    delete toolBar;
    delete toolBarShell;
    delete fileMenu;
    delete savePlotMenu;
    delete optionsMenu;
    delete helpMenu;
    deleteIcons();
}

void Ordinax::create() {
    FXMainWindow::create();
    show(PLACEMENT_SCREEN);
}

void Ordinax::setWindowTitleFor(const FXString& fileName) {
    setTitle(FXStringFormat("%s v%s - %s", AppInfo::applicationName, AppInfo::version,
                            fileName.empty() ? "untitled" : fileName.text()));
}

void Ordinax::applyStartupSettings() {
    imageFilePatterns = "Supported Images    (*.bmp,*.gif,*.lbm,*.pcx,*.pgm,*.ppm,*.ras,*.tga)\n"
                        "BMP Image    (*.bmp)\n"
                        "GIF Image    (*.gif)\n"
                        "LBM Image    (*.lbm)\n"
                        "PCX Image    (*.pcx)\n"
                        "PGM Image    (*.pgm)\n"
                        "PPM Image    (*.ppm)\n"
                        "RAS Image    (*.ras)\n"
                        "TARGA Image  (*.tga)\n";
    setImageControlsEnabled(false);
    savePlotTitle->disable();
    showEquationOnImage_Chk->setCheck(TRUE);
    setNumericFormatDependingOnAxisScaling->setCheck(TRUE);
    showMagnifiedImageCheck->setCheck(TRUE);
    showLineOnMagnifiedImageCheck->setCheck(TRUE);
    showScanDirectionMagnifiedImageCheck->setCheck(TRUE);
    magnifiedViewsOnRightSide_MRB->setCheck(TRUE);
    magnifiedViewsOnBottom_MRB->setCheck(FALSE);
    applyTracingDefaults();
    restoreGeometry = {150, 100, 1100, 850};
    // No settings file is read yet, so the first-run defaults always apply.
    resize(900, 800);
    restoreGeometry.width = 900;
    restoreGeometry.height = 800;
    numRowsInXYTable_LB->setCurrentItem(1);
    resizeXyTables();
}

bool Ordinax::loadConversionFactors() {
    conversionFactors.clear();
    conversionFactorCount = 0;
    std::vector<std::string> lines;
    if (!readTextLines(AppInfo::conversionFactorFile, lines) || lines.empty()) return false;
    conversionFactors = parseConversionFactors(lines, conversionFactorCount);
    return true;
}

long Ordinax::onRestoreGeometry(FXObject*, FXSelector, void*) {
    ScreenMetrics screen = readScreenMetrics(getApp()->getDisplay());
    WindowPlacement placement =
        placeWindow(restoreGeometry.x, restoreGeometry.y, restoreGeometry.width, restoreGeometry.height,
                    getRoot()->getWidth(), getRoot()->getHeight(), screen.monitorCount, screen.virtualLeft,
                    wasMinimized);
    position(placement.first.x, placement.first.y, placement.first.width, placement.first.height);
    if (placement.corrected)
        position(placement.final.x, placement.final.y, placement.final.width, placement.final.height);
    return 1;
}

long Ordinax::onMeasureLayout(FXObject*, FXSelector, void*) {
    imageAreaTop = imageTabItem->getHeight() + menuBar->getHeight() + toolBar->getHeight();
    return 1;
}

long Ordinax::onQuit(FXObject*, FXSelector, void*) {
    getApp()->exit(0);
    return 1;
}

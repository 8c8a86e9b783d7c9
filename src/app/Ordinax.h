// The main window: every piece of program state and every command handler, grouped by subsystem.
#pragma once

#include <fx.h>

#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/ConversionFactors.h"
#include "tables/Table_qvx1.h"
#include "tables/TextField_qvx1.h"

class Ordinax : public FXMainWindow {
    FXDECLARE(Ordinax)

protected:
    Ordinax() {}

public:
    explicit Ordinax(FXApp* app);
    ~Ordinax() override;
    void create() override;

    // ---- Program lifecycle (src/app/Ordinax.cpp) ----
    long onRestoreGeometry(FXObject*, FXSelector, void*);
    long onMeasureLayout(FXObject*, FXSelector, void*);
    long onQuit(FXObject*, FXSelector, void*);
    void applyStartupSettings();
    bool loadConversionFactors();
    void setWindowTitleFor(const FXString& fileName);

    struct Geometry {
        int x, y, width, height;
    };
    bool developerMode = false;
    bool constructing = true;
    bool wasMinimized = false;
    FXString directoryForUserFiles;
    Geometry restoreGeometry{150, 100, 1100, 850};
    int imageAreaTop = 0;
    std::vector<ConversionFactor> conversionFactors; // empty when the file gave no valid line
    int conversionFactorCount = 0;
    long startClock = 0; // clock() at construction, for the click timing of the picture
    double upperLimits[6];

    // ---- Main window frame and tab pages (src/app/Ordinax.cpp) ----
    FXTabBook* mainTabs = nullptr;
    FXTabItem* imageTabItem = nullptr;
    FXTabItem* xyValuesTabItem = nullptr;
    FXTabItem* lmpTabItem = nullptr;
    FXTabItem* curveFittingTabItem = nullptr;
    FXColor defaultTabColor = 0;
    FXMenuBar* menuBar = nullptr;
    FXToolBarShell* toolBarShell = nullptr;
    FXDockSite* dockSite = nullptr;
    FXToolTip* toolTip = nullptr;
    FXHorizontalFrame* imagePage = nullptr;
    FXVerticalFrame* xyValuesPage = nullptr;
    FXVerticalFrame* lmpPage = nullptr;
    FXVerticalFrame* curveFittingPage = nullptr;
    void buildImagePage(FXComposite* page);

    // ---- Icons (src/app/Icons.cpp) ----
    FXGIFIcon* openIcon = nullptr;
    FXGIFIcon* pasteIcon = nullptr;
    FXGIFIcon* aboutIcon = nullptr;
    FXGIFIcon* undoIcon = nullptr;
    FXGIFIcon* rotateCcw90Icon = nullptr;
    FXGIFIcon* rotateCw90Icon = nullptr;
    FXGIFIcon* rotateCcwFineIcon = nullptr;
    FXGIFIcon* rotateCwFineIcon = nullptr;
    FXGIFIcon* rotateCcwIcon = nullptr;
    FXGIFIcon* rotateCwIcon = nullptr;
    FXGIFIcon* saveIcon = nullptr;
    FXGIFIcon* clearIcon = nullptr;
    FXGIFIcon* copyIcon = nullptr;
    FXGIFIcon* orderIcon = nullptr;
    FXGIFIcon* blankIcon = nullptr;
    FXGIFIcon* applicationIcon = nullptr;
    void createIcons();
    void deleteIcons();

    // ---- Menus, tool bar, page changes (src/app/Menus.cpp) ----
    void buildMenus();
    void buildToolBar();
    long onPageChange(FXObject*, FXSelector, void*);
    long openWebSite(FXObject*, FXSelector, void*);
    long onAbout(FXObject*, FXSelector, void*);
    FXMenuPane* fileMenu = nullptr;
    FXMenuPane* savePlotMenu = nullptr;
    FXMenuPane* optionsMenu = nullptr;
    FXMenuPane* helpMenu = nullptr;
    FXMenuTitle* savePlotTitle = nullptr;
    FXMenuCommand* pasteNewImageEntry = nullptr;
    FXMenuCheck* includeRotationOnImage_Chk = nullptr;
    FXMenuCheck* resizeWindowWithNewImage = nullptr;
    FXMenuCheck* clearAxisDefinitionsWithNewImage = nullptr;
    FXMenuCheck* turnOnAutoFindAxisWithNewImage_Chk = nullptr;
    FXMenuCheck* cornerPointsSameColorAsDataPoints = nullptr;
    FXMenuCheck* warnForAxisMinMaxReversed = nullptr;
    FXMenuCheck* warnForAxisLogScaling_Chk = nullptr;
    FXMenuCheck* setNumericFormatDependingOnAxisScaling = nullptr;
    FXMenuCheck* showLMPStuff_Chk = nullptr;
    FXMenuCheck* hideEqnCoefficientTables_Chk = nullptr;
    FXMenuCheck* showMagnifiedImageCheck = nullptr;
    FXMenuCheck* showLineOnMagnifiedImageCheck = nullptr;
    FXMenuCheck* showScanDirectionMagnifiedImageCheck = nullptr;
    FXMenuRadio* magnifiedViewsOnRightSide_MRB = nullptr;
    FXMenuRadio* magnifiedViewsOnBottom_MRB = nullptr;
    FXMenuCommand* resetDirectoryEntry = nullptr;
    FXMenuCommand* recentImageEntries[10] = {};
    FXMenuCommand* recentDataEntries[10] = {};
    FXMenuCommand* clearRecentImagesEntry = nullptr;
    FXMenuCommand* clearRecentDataEntry = nullptr;
    FXToolBar* toolBar = nullptr;
    FXButton* pasteButton = nullptr;
    FXButton* undoButton = nullptr;
    FXButton* rotationButtons[7] = {}; // ccw 0.1, ccw 0.025, cw 0.1, cw 0.025, 90 ccw, 90 cw, 180
    FXLabel* rotationLabel = nullptr;

    // ---- Image workspace: loading, paste, buffers (src/image/ImageWorkspace.cpp) ----
    bool loadImageFile(const FXString& path);
    long onPaste(FXObject*, FXSelector, void*);
    void pasteImageFromClipboard();
    void showNewImage(std::vector<uint32_t> pixels, int width, int height);
    void allocateImageBuffers(int width, int height);
    void resetForNewImage();
    void setImageControlsEnabled(bool on);
    void fitWindowToImage();
    void computeViewOffset();
    FXImageView* imageView = nullptr;
    FXImage* workImage = nullptr;
    std::vector<uint32_t> cleanPixels; // the picture without overlays, ARGB (0xAARRGGBB), row by row
    int imageWidth = 0;
    int imageHeight = 0;
    int viewOffsetX = 0;
    int viewOffsetY = 0;
    FXString imageFileName;
    FXString imageFilePatterns;
    bool imageReady = false;
    double fineRotation = 0;
    int wholeRotation = 0;
    FXPoint rotationCentre{-1, -1};
    FXVerticalFrame* imageSideColumn = nullptr;  // control column above the "Curve points" panel
    FXVerticalFrame* imageControlColumn = nullptr;
    FXVerticalFrame* curvePointsPanel = nullptr;
    FXHorizontalFrame* imageArea = nullptr;     // the view column and, on the right, the magnified views
    FXVerticalFrame* imageViewColumn = nullptr; // the view and, below it, the magnified views
    void showRotation();

    // ---- Axis calibration (src/axis/) ----

    // ---- Painting over the picture (src/image/) ----

    // ---- Point tables (src/tables/PointTables.cpp) ----
    void buildCurvePointsTables(FXComposite* parent);
    void buildXyValuesTables(FXComposite* parent);
    Table_qvx1* curvePointsTable = nullptr; // "X-value", "Y-value", "% diff", "x px", "y px"
    Table_qvx1* curvePointsBackup = nullptr;
    Table_qvx1* xyValuesTable = nullptr;   // "x", "y", "Fit y", "% difference"
    Table_qvx1* fitResultsTable = nullptr;

    // ---- Fit driver (src/fit/) ----
};

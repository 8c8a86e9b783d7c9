// The main window: every piece of program state and every command handler, grouped by subsystem.
#pragma once

#include <fx.h>

#include <optional>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/ConversionFactors.h"
#include "axis/AxisTransform.h"
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

    // ---- Axis calibration (src/axis/AxisPanel.cpp, src/axis/AxisCalibration.cpp) ----
    void buildAxisDefinitions(FXComposite* parent);
    void buildRecalDataButton(FXComposite* parent);
    // True when both axis tables hold numbers in all cells; exp(...) entries are converted on the way.
    bool validateAxisTables();
    // The real value of pixel coordinate p on axis 0 (X) or 1 (Y); empty for a log axis with a non-positive value.
    std::optional<double> pixelToValue(int axis, double p);
    // Writes "X-value" and "Y-value" of a "Curve points" row from its pixel cells.
    bool transformRow(int row, bool showErrors);
    void recalculateAllRows();
    void showCursorPosition();
    void showAxisAngle(int axis);
    // True when a warning box used up the click that was about to add a data point.
    bool checkAxisSanity();
    void syncScaleTypeRadios();
    void syncNumberFormatRadios();
    void clearAxisDefinitions();
    void colorAxisTables();
    NumberFormatSettings numberFormatSettings() const;
    FXString formatAxisValue(int axis, double value) const;
    FXString formatFitValue(double value) const;
    AxisTables readAxisTables() const;
    AxisOptions axisOptions() const;
    long onAxisTableEvent(FXObject*, FXSelector, void*);
    long onAxisScaleType(FXObject*, FXSelector, void*);
    long onRecalData(FXObject*, FXSelector, void*);
    long onSwitchAxes(FXObject*, FXSelector, void*);
    long onNumericFormatByScale(FXObject*, FXSelector, void*);
    long onArrhenius(FXObject*, FXSelector, void*);
    long onRoundXValue(FXObject*, FXSelector, void*);
    long onNumberFormat(FXObject*, FXSelector, void*);
    Table_qvx1* xAxisTable = nullptr; // rows "Min", "Max"; columns "Real value", "x pixels", "y pixels"
    Table_qvx1* yAxisTable = nullptr;
    Table_qvx1* currentPositionTable = nullptr; // rows "X", "Y"; columns "Real value", "Pixels"
    FXRadioButton* linearRadios[2] = {};
    FXRadioButton* logRadios[2] = {};
    FXRadioButton* decimalRadios[2] = {};
    FXRadioButton* scientificRadios[2] = {};
    FXTextField* axisAngleFields[2] = {};
    FXCheckButton* autoFindAxisMaxXY_Chk = nullptr;
    FXCheckButton* roundXvalueToNearestInteger_Chk = nullptr;
    FXCheckButton* arrheniusCheck = nullptr;
    FXButton* switchAxesButton = nullptr;
    FXButton* recalDataButton = nullptr;
    int axisScaleType[2] = {0, 0};    // per axis: 0 linear, 1 logarithmic
    int numberFormatType[2] = {0, 0}; // per axis: 0 decimal "D", 1 scientific "S"
    bool logWarningShown = false;
    bool reversedWarningShown = false;
    FXColor tableNormalColor = 0;
    FXColor buttonNormalColor = 0;

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

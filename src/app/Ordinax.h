// The main window: every piece of program state and every command handler, grouped by subsystem.
#pragma once

#include <fx.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/ConversionFactors.h"
#include "axis/AxisTransform.h"
#include "fit/EquationText.h"
#include "fit/FitData.h"
#include "fit/ZoneLimits.h"
#include "image/Magnifier.h"
#include "image/OverlayLog.h"
#include "plot/DataPlot.h"
#include "tables/Table_qvx1.h"
#include "tables/TextField_qvx1.h"
#include "tracing/CurveFollowing.h"

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
    FXHorizontalFrame* imageSideColumn = nullptr; // the "Curve points" panel and the control column beside it
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
    bool showPositionValue(int axis);
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
    void applyAxisEdits(const std::vector<AxisCellEdit>& edits);
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

    // ---- Painting over the picture (src/image/CanvasPainting.cpp, MagnifiedViews.cpp, CanvasCursors.cpp) ----
    void buildPaintingControls(FXComposite* parent);
    void buildMagnifierFrames();
    // Draws one plus marker at window point (x, y) on image, logs its pixels and shows the image.
    void drawMarker(int x, int y, uint32_t color, int thickness, int length, bool hollow, FXImage* image);
    // Draws the pixels on the image's screen side, logging them when asked, and repaints their area.
    void paintPixels(FXImage* image, const std::vector<PixelPaint>& paints, bool logged);
    void eraseOverlays(FXImage* image);
    void restoreWholePicture(FXImage* image);
    void drawReferencePoints(FXImage* image);
    void drawDataPoints(FXImage* image);
    void redrawOverlays();
    void highlightRow(int row, bool redrawFirst);
    void highlightSelectedRows();
    void magnifyHighlight(int x, int y);
    void drawLine(FXImage* image);
    void drawExtendedCursor(int ix, int iy);
    void updateMagnifiedViews(int x, int y);
    void drawScanDirectionImage();
    void showMagnifiedViews();
    void placeMagnifiedViews();
    void rebuildCursors();
    void applyCursorStyle();
    void buildCursorControls(FXComposite* parent);
    void syncDataPointColor();
    void syncReferencePointColor();
    PictureGeometry pictureGeometry() const;
    std::vector<CanvasPoint> referencePointPositions() const;
    std::vector<CanvasPoint> dataPointPositions() const;
    long onResetImage(FXObject*, FXSelector, void*);
    long onCursorStyle(FXObject*, FXSelector, void*);
    long onDataPointColor(FXObject*, FXSelector, void*);
    long onReferencePointColor(FXObject*, FXSelector, void*);
    long onMagnifierOptions(FXObject*, FXSelector, void*);
    long onMagnifierPosition(FXObject*, FXSelector, void*);
    long onSamePointColors(FXObject*, FXSelector, void*);
    long onUnhighlight(FXObject*, FXSelector, void*);
    int dataPointColorIndex = 1;
    int referencePointColorIndex = 1;
    uint32_t dataPointColor = 0xFF00FF00;
    uint32_t referencePointColor = 0xFF00FF00;
    FXRadioButton* dataPointColorRadios[8] = {};
    FXRadioButton* referencePointColorRadios[8] = {};
    FXButton* resetImageButton = nullptr;
    OverlayLog overlayLog; // overlay pixels on workImage since the last erase
    bool highlightShown = false;
    int cursorType = 2;       // 0 "Solid", 1 "Solid-hollow", 2 "Outline"
    int cursorColorIndex = 0; // 0 "Black", 1 "White", 2 "Black/White", 3 "Adaptive"
    FXRadioButton* cursorTypeRadios[3] = {};
    FXCheckButton* cursorSpacing_Chk = nullptr; // "Wide"
    FXListBox* cursorColorList = nullptr;
    std::unique_ptr<FXCursor> canvasCursors[4];
    std::unique_ptr<FXCursor> colourPickCursor;
    std::vector<FXColor> cursorPixelStore[5]; // pixels of the four canvas cursors and the colour-pick cursor
    int adaptiveCursorWhite = -1;
    bool showMagnifiedImage = true;
    bool showLineOnMagnifiedImage = true;
    bool showScanDirectionMagnifiedImage = true;
    FXVerticalFrame* magnifyColumn = nullptr;  // right of the picture
    FXHorizontalFrame* magnifyRow = nullptr;   // below the picture
    FXFrame* magnifySpacers[2][2] = {};        // [column, row][gap]
    FXHorizontalFrame* magnifyFrames[3] = {};
    FXImageView* magnifyViews[3] = {};
    std::unique_ptr<FXImage> magnifyImages[3];
    FXPoint magnifyCentre{-1, -1};
    FXPoint lastMagnifyCentre{-1, -1};
    // The two-point line in image pixels, placed by the clicks on the picture.
    int lineX[2] = {-1, -1};
    int lineY[2] = {-1, -1};
    int linePointCount = 0;
    FXPoint extendedCursorAt{-1, -1}; // image pixel of the cross lines on the screen
    // Set by the point search and the point-type group when they are built (null until then).
    FXCheckButton* autoFindPoint_Chk = nullptr;
    FXRadioButton* dataPointTypeRadio = nullptr; // the "Data" radio of "Point type"
    int searchDirection = 0;                     // 0 up, 1 down, 2 left, 3 right

    // ---- Canvas interaction (src/image/CanvasInteraction.cpp, CanvasCommands.cpp) ----
    void buildPointTypeControls(FXComposite* parent);
    // The click on the picture at the pointer; state is the event's modifier state (Control places the
    // point at the pointer even with the point search on).
    void clickOnPicture(FXuint state);
    // The end of a click that the data restore replays without recording a point.
    void replayClickWithoutRecording();
    // What a mouse motion over the picture does; also run without an event to refresh the read-outs.
    // state is the event's modifier state, handed to the clicks of the stepping.
    void trackPointer(FXuint state = 0);
    void stepAt(int x, int y, FXuint state);
    // Writes a data point at window point (x, y) into the first free row; -1 (after the "Axis error"
    // box) when its values cannot be computed, so no row holds pixels without values.
    int writeDataPoint(int x, double y);
    // False, after the "Axis error" box, when the axis tables cannot give a point its values.
    bool checkPointValues();
    // Writes a reference point of type 0, 1, 2 or 3 at window point (x, y) and draws its marker.
    void recordReferencePoint(int type, int x, int y);
    void showPointType(int value);
    bool pointTypeShown(int type) const;
    void resetPointType();
    void leaveLineMode();
    void enableDrawLineWhenReady();
    void placeLinePoint(int ix, int iy);
    void startRubberBand();
    void endRubberBand();
    void showRubberBand(int ix, int iy);
    void undoLastPoint();
    void endStepMode();
    void finishClick();
    void showDataPointControls(int row);
    long onImageClick(FXObject*, FXSelector, void*);
    long onImageMotion(FXObject*, FXSelector, void*);
    long onImageKeyPress(FXObject*, FXSelector, void*);
    long onImageKeyRelease(FXObject*, FXSelector, void*);
    long onImageMenu(FXObject*, FXSelector, void*);
    long onScanDirectionClick(FXObject*, FXSelector, void*);
    long onUndoLastPoint(FXObject*, FXSelector, void*);
    long onResetAll(FXObject*, FXSelector, void*);
    long onPointTypeRadio(FXObject*, FXSelector, void*);
    long onDrawLine(FXObject*, FXSelector, void*);
    long onConstrain(FXObject*, FXSelector, void*);
    long onCurvePointsMenu(FXObject*, FXSelector, void*);
    long onXyValuesMenu(FXObject*, FXSelector, void*);
    FXGroupBox* pointTypeGroup = nullptr;   // "Point type": the radios, then the curve-following controls
    FXRadioButton* pointTypeRadios[5] = {}; // origin, Max X, Min Y (hidden), Max Y, Data
    FXButton* resetAllButton = nullptr;
    FXButton* drawLineButton = nullptr;
    FXCheckButton* constrainCursor_Chk = nullptr; // "Constrain"
    FXCheckButton* extendCursorAll_Chk = nullptr; // "Extend"
    int nextPointType = 0; // decides the type of the next click, 0..10
    int pointType = 0;     // type of the click being handled, 0..4
    bool lineMode = false; // "Draw line" waits for its two points
    bool lineShown = false;
    // The picture under the rubber band: the view's client pixels at the first line point with the
    // point markers on them. lineImage shows them and holds the band on its screen side.
    std::vector<FXColor> lineBasePixels;
    std::unique_ptr<FXImage> lineImage;
    std::vector<PixelPaint> rubberBandPaints; // the band's pixels now on lineImage
    bool stepMode = false;                    // Shift held: points follow the mouse
    int stepSpacing = 10;
    int stepRow = -1; // -1 until the first stepped point of the current Shift press
    bool constrainActive = false;
    FXlong extendedCursorTime = 0; // when the extended cursor was last drawn (ns)

    // ---- Curve tracing (src/tracing/CurveColor.cpp, TracingPanel.cpp, AutoFindCurve.cpp) ----
    void buildTracingControls(FXComposite* parent);
    void buildCurveFollowingControls(FXComposite* parent);
    void buildPointSearchControls(FXComposite* parent);
    void buildSearchColorControls(FXComposite* parent);
    void applyTracingDefaults();
    // Colours a row of preset buttons: the selected one green, the others buttonNormalColor.
    void colorPresetButtons(FXButton* const* buttons, int count, int selected);
    // Paints a swatch with colour (0xAARRGGBB), its "%3d  %3d  %3d" text and the contrasting text colour.
    void showSwatchColor(FXTextField* swatch, uint32_t color);
    void showCurveColor(uint32_t color);
    void showSelectionColor(uint32_t color);
    // The "Selection" swatch as the point search's indicator: green for a find, yellow for none.
    void showSearchResult(bool found);
    uint32_t curveColor() const; // the "Curve" swatch's colour, 0xAARRGGBB
    void setSearchColorFromSwatch();
    // The colour test of every automatic placement: the search colour under the tolerance W.
    bool colorMatches(uint32_t pixel) const;
    int readColorTolerance();
    void setTolerancePreset(int index);
    void restoreColorTolerance(const FXString& stored);
    void setSwatchFrames(bool picking);
    void startColorPick();
    void cancelColorPick();
    // Ends a pick with the pixel clicked on the picture (none when the pointer was off it).
    void completeColorPick(std::optional<uint32_t> pixel);
    int readSearchLength();
    void setSearchLengthPreset(int index);
    void restoreSearchLength(const FXString& stored);
    void showSearchDirection();
    void showPickLocation();
    // "Pro mode" and "Auto-find" applied to the boxes and controls that depend on them.
    void syncPointSearchControls();
    void paintPointSearchPanel(bool stepping);
    // What the searches use: direction, S, pick location, search colour and W as last read.
    SearchSettings searchSettings() const;
    PixelView pixelView() const;
    void writeTracedPoints(int firstRow, const std::vector<CanvasPoint>& points);
    void autoFindCurve();
    void fullAutoScan();
    long onAutoFindCurve(FXObject*, FXSelector, void*);
    long onPointSearchOption(FXObject*, FXSelector, void*);
    long onSearchLength(FXObject*, FXSelector, void*);
    long onCurveColor(FXObject*, FXSelector, void*);
    long onSearchDirection(FXObject*, FXSelector, void*);
    long onColorTolerance(FXObject*, FXSelector, void*);
    long onPickLocation(FXObject*, FXSelector, void*);
    long onPointsList(FXObject*, FXSelector, void*);
    FXTextField* curveColorSwatch = nullptr;     // "Curve": its background is the curve colour
    FXTextField* selectionColorSwatch = nullptr; // "Selection"
    FXButton* toleranceButtons[3] = {};          // "L", "M", "H"
    FXTextField* colorTol_TF = nullptr;          // hidden: the text of W
    FXCheckButton* clearWhenDefiningNewCurveColor_Chk = nullptr;
    int searchRed = 0, searchGreen = 0, searchBlue = 0; // the colour the test compares against
    int colorTolerance = 50;                            // W, as last read from colorTol_TF
    uint32_t savedCurveColor = 0xFF000000;              // the curve colour when the pick started
    bool colorPickMode = false;
    bool colorPickCleared = false; // the pick's start cleared the data, so a cancel restores it
    FXCheckButton* proMode_Chk = nullptr;
    FXCheckButton* fullAuto_Chk = nullptr;
    FXButton* autoFindCurveButton = nullptr;
    FXGroupBox* pointSearchGroup = nullptr;
    FXListBox* numAutoFindPoints_LB = nullptr; // "# pts"
    FXRadioButton* searchDirectionRadios[4] = {};
    FXRadioButton* pickLocationRadios[3] = {}; // "middle", "triangle", "inverted\ntriangle"
    FXTextField* lineThickness_TF = nullptr;   // hidden: the text of the search length S
    FXButton* searchLengthButtons[5] = {};
    int searchLength = 30; // S, as last read from lineThickness_TF
    int pickLocation = 0;  // 0 middle, 1 triangle, 2 inverted triangle
    TracePair lastTracePair; // the last two rows the last "Auto-find curve" wrote

    // ---- Point tables (src/tables/PointTables.cpp, PointTableCommands.cpp) ----
    void buildCurvePointsTables(FXComposite* parent);
    void buildXyValuesTables(FXComposite* parent);
    int nextPointRow();
    void writePointRow(int row, int x, double y);
    int lastPointRow() const;
    // The number of leading rows in which every one of the columns is non-empty.
    static int filledRowCount(const Table_qvx1* table, const std::vector<int>& columns);
    void orderTable(Table_qvx1* table, int keyColumn, int requiredColumns, bool absolute, bool ascending);
    void orderPointsByX();
    void copyColumns(FXSelector id, FXObject* sender);
    bool deleteSelectedRows(Table_qvx1* table);
    void deleteWithKey(int row, int column);
    void moveToBackup();
    void restoreFromBackup();
    void clearXyTable();
    void copyImagePointsToXy(int firstRow);
    void resizeXyTables();
    void clearClipboard();
    void updatePointTableHatching();
    void applyOrderWhenCopying();
    void setPointCopyButtonsEnabled(bool on);
    void resetPointsHeader();
    long onCopyColumns(FXObject*, FXSelector, void*);
    long onOrderWhenCopying(FXObject*, FXSelector, void*);
    long onOrderPointsByX(FXObject*, FXSelector, void*);
    long onOrderPointsByDiff(FXObject*, FXSelector, void*);
    long onOrderXyTable(FXObject*, FXSelector, void*);
    long onClearData(FXObject*, FXSelector, void*);
    long onRestoreData(FXObject*, FXSelector, void*);
    long onClearXyTable(FXObject*, FXSelector, void*);
    long onCopyImagePointsToXy(FXObject*, FXSelector, void*);
    long onXyRowCount(FXObject*, FXSelector, void*);
    long onXyValuesKey(FXObject*, FXSelector, void*);
    long onDeleteRows(FXObject*, FXSelector, void*);
    long onCurvePointsKey(FXObject*, FXSelector, void*);
    long onCurvePointsRelease(FXObject*, FXSelector, void*);
    Table_qvx1* curvePointsTable = nullptr; // "X-value", "Y-value", "% diff", "x px", "y px"
    Table_qvx1* curvePointsBackup = nullptr;
    Table_qvx1* xyValuesTable = nullptr;   // "x", "y", "Fit y", "% difference"
    Table_qvx1* fitResultsTable = nullptr;
    FXButton* copyTableButtons[2] = {}; // "Copy table" above and below "Curve points"
    FXButton* copyXButton = nullptr;
    FXButton* copyYButton = nullptr;
    FXCheckButton* autoOrderIncreasingWhenCopying_Chk = nullptr; // "Order when\ncopying"
    FXButton* orderPointsButton = nullptr;
    FXButton* clearDataButton = nullptr;
    FXButton* restoreDataButton = nullptr;
    FXButton* copyXyTableButton = nullptr;
    FXButton* copyImageXyButton = nullptr;
    FXButton* appendImageXyButton = nullptr;
    FXButton* copyResultsButtons[2] = {}; // "Copy table\n(all cols)", "Copy table\n(x && y cols)"
    FXListBox* numRowsInXYTable_LB = nullptr;
    FXTextField* clipboardClearField = nullptr; // hidden; puts a single space on the clipboard
    bool lastMoveDown = false;

    // ---- Fit driver (src/fit/FitDriverShell.cpp, src/fit/FitPanel.cpp) ----
    void buildCurveFittingPage(FXComposite* page);
    void buildEquationRows(FXComposite* parent);
    void buildFitChoices(FXComposite* parent);
    void buildFitLists(FXComposite* parent);
    // Fits the current point table afresh and writes every fit output; false when it stopped with a message.
    bool refit();
    // Empties every fit output: equation rows and texts, slope labels, fit columns, results table, series.
    void clearFitOutputs();
    void clearFitFields();
    void clearFitColumns();
    bool failFit(const char* caption, const FXString& message);
    int countFitPoints() const;
    Table_qvx1* currentPointTable() const;
    // The first `rows` rows of the current point table and the fitting widgets as the fit kernels take them.
    FitInput readFitInput(int rows);
    // The numbers in the upper-limit fields of equations 0..equationCount-2.
    std::vector<double> shownUpperLimits() const;
    void writeFitResults(const FitOutput& out);
    FXString illegalValuesText(const FitInput& in, const FitPoints& points) const;
    void showLimits(bool redistribute);
    void distributeLimits();
    void showSlopeLabels(bool positive, bool negative);
    long onFitCommand(FXObject*, FXSelector, void*);
    int fitType = 0;    // 0 "x vs y", 1 "ln(x) vs y", 2 "x vs ln(y)", 3 "ln(x) vs ln(y)", 4 "1/x vs ln(y)", 5 "LMP"
    int dataSource = 0; // 0 the image points, 1 the xy values table, 2 the Larson-Miller table
    int equationCount = 2;                      // set by "# equations"
    int fitOrders[6] = {1, 1, 1, 1, 1, 1};      // set by the order arrows and "Max fit order"
    int pointCount = 0;                         // points taken into the last fit
    double xMin = 1e99, xMax = -1e99;           // range of the fitted-space x
    double yMin = 1e99, yMax = -1e99;           // range of the fitted-space y, widened by the curve
    double overallMaxDiff = 0;
    double yScale = 1.0;
    int temperatureScale = 0;
    int seriesCount = 0;                        // 2 after a fit: the points and the fitted curve
    std::vector<int> seriesLength;
    std::vector<std::vector<double>> seriesX, seriesY; // fitted-space values
    std::vector<std::vector<uint32_t>> seriesColour;   // per point, 0xAARRGGBB (0 where none is set)
    int wheelStepPixels = 1;
    FitOutput fitResult; // zones with their coefficients, limits, reference zone of the last fit (no series)
    FXTextField* upperLimitFields[6] = {};
    FXTextField* rSquaredFields[6] = {};
    FXTextField* maxDiffFields[6] = {};
    FXTextField* mismatchFields[6] = {};
    FXArrowButton* orderUpButtons[6] = {};
    FXArrowButton* orderDownButtons[6] = {};
    FXLabel* orderLabels[6] = {};
    FXTabBook* equationTabs = nullptr;
    FXTextField* equationTextFields[6] = {};
    FXRadioButton* fitTypeRadios[6] = {};
    FXRadioButton* dataSourceRadios[3] = {};
    FXCheckButton* setEqnYIntercept_Chk = nullptr;
    TextField_qvx1* equation_Y_intercept_TF = nullptr;
    FXButton* fitDataButton = nullptr;
    FXListBox* numOfEquations_LB = nullptr;
    FXListBox* maxFitOrder_LB = nullptr;
    FXListBox* numOfOverlapPoints_LB = nullptr;
    FXLabel* positiveSlopeLabel = nullptr;
    FXLabel* negativeSlopeLabel = nullptr;
    FXCheckButton* xAxisIsTemperature_Chk = nullptr;
    FXListBox* temperatureScaleList = nullptr;
    TextField_qvx1* yScaleField = nullptr;
    FXColor fitFieldNormalColor = 0;

    // ---- Fitting controls, zone limits, equation outputs (src/fit/FitPanel.cpp, FitControlHandlers.cpp,
    //      EquationOutputs.cpp) ----
    void buildFitOptions(FXComposite* parent);
    void buildEquationTabs(FXComposite* parent);
    // Order n of equation row `row`, kept within 1.."Max fit order"; its label and fitOrders follow.
    void setOrder(int row, int order);
    void applyFitType();
    void showDataSource();
    // Takes "# equations" into equationCount and shows the controls and zoom views that depend on it.
    void applyEquationCount();
    // What entering the Curve Fitting page does: the limits shown again, the equation count applied, a refit
    // when the current point table holds a complete row.
    void showFittingPage();
    void colorEquationTabs();
    LimitRounding limitRounding() const;
    int coefficientDecimals() const; // "# decimals"
    FXString variableExpression() const;
    // Empties the coefficient tables, the equation texts and the copy blocks, disables "Copy eqns.".
    void clearEquationOutputs();
    void fillEquationText(int k);
    void fillCoefficientTable(int k);
    void buildAdjustedCoefficients(int referenceZone);
    void buildCopyBlocks();
    // The text the fit plot shows: one line per equation with its formula, x range, R^2 and difference.
    FXString plotSummaryText() const;
    long onIncreaseOrder(FXObject*, FXSelector, void*);
    long onDecreaseOrder(FXObject*, FXSelector, void*);
    long onMaxOrder(FXObject*, FXSelector, void*);
    long onEquationCount(FXObject*, FXSelector, void*);
    long onFitType(FXObject*, FXSelector, void*);
    long onDataSource(FXObject*, FXSelector, void*);
    long onInterceptSet(FXObject*, FXSelector, void*);
    long onFieldKey(FXObject*, FXSelector, void*);
    long onSimpleFormat(FXObject*, FXSelector, void*);
    long onBackground(FXObject*, FXSelector, void*);
    long onPointSize(FXObject*, FXSelector, void*);
    long onFontSize(FXObject*, FXSelector, void*);
    long onTemperatureScale(FXObject*, FXSelector, void*);
    long onXIsTemperature(FXObject*, FXSelector, void*);
    long onYScaleMenu(FXObject*, FXSelector, void*);
    long onYScaleFactor(FXObject*, FXSelector, void*);
    long onLimitWheel(FXObject*, FXSelector, void*);
    long onCopyEquations(FXObject*, FXSelector, void*);
    long onEquationTextMenu(FXObject*, FXSelector, void*);
    long onCopyEquation(FXObject*, FXSelector, void*);
    long onHideCoefficientTables(FXObject*, FXSelector, void*);
    int plotBackground = 1;  // 0 white, 1 gray, 2 black
    int pointSizeIndex = 1;  // 0 "Small", 1 "Medium", 2 "Large", 3 "Larger"
    int fitPlotFontSize = 10; // 8..20
    FXButton* copyEquationsButton = nullptr;
    FXTextField* excel_cell_TF = nullptr;
    FXCheckButton* lmp_ZEKA_formatting_Chk = nullptr;              // "Simple eqn format"
    FXCheckButton* fillEmptyCellsWithZeros_Chk = nullptr;          // "Fill unused coeff. with 0.0"
    FXCheckButton* showEquationOnImage_Chk = nullptr;              // "Display eqn(s) on plot"
    FXCheckButton* adjustEquationsWhenCopying_Chk = nullptr;       // "Adjust eqns when copying"
    FXCheckButton* writeBoundaryValuesAsNumbersNotLn_Chk = nullptr; // "Eqn. limits as x not ln(x)"
    FXCheckButton* forceXBoundariesToWholeNumbers_Chk = nullptr;   // "Eqn. limits as integers"
    FXRadioButton* plotBackgroundRadios[3] = {};
    FXRadioButton* pointSizeRadios[4] = {};
    FXListBox* fontSizeList = nullptr;
    FXListBox* numOfDecimalsInCoefficients_LB = nullptr;
    Table_qvx1* coefficientTables[6] = {};
    FXTable* equationCopyTable = nullptr; // hidden; holds the "Copy eqns." blocks verbatim
    std::vector<CoefficientTable> equationTables; // the cells of the coefficient tables of the last fit
    FXMenuPane* yScaleMenu = nullptr;             // the conversion-factor popup while it is shown
    FXColor controlNormalColor = 0;               // back colour of check boxes, radios and labels

    // ---- Fit plot (src/plot/DataPlot.cpp, src/plot/FitPlotShell.cpp) ----
    // The main canvas with the zoom views beside it, and the hidden half-size canvas.
    void buildFitPlots(FXComposite* page);
    // Sets up and draws the nine plots from the last fit, or all of them empty (drawn once the window is idle,
    // so that a fit that follows at once is all that shows); nothing while constructing.
    void drawFitPlot(bool empty);
    // Gives the nine plots their data from the last fit (or their background only) without drawing them.
    void setUpFitPlots(bool empty);
    // Draws the nine plots as they are set up (the hidden half-size one once its picture is asked for).
    void paintFitPlots();
    // The hidden canvas at half the main canvas's size, and its plot to be painted there.
    void drawHalfSizePlot();
    // xResolution of the main plot as it will show these ranges, for the texts written before it is drawn.
    void setFitPlotResolution(double xLow, double xHigh, double yLow, double yHigh);
    // The fit's series as the plots take them: the same object while the series stay the same.
    std::shared_ptr<const std::vector<PlotSeriesData>> fitPlotSeries();
    // Gives the main plot a 15-pixel marker at each movable upper limit and redraws it.
    void showFitPlotMarkers();
    void placeFitPlotMarkers();
    // Shows zoom views 0..equationCount, hides the others and lays the fit canvases out again.
    void showZoomViews();
    // The main plot's font size in points and half of it for the half-size plot; redraws.
    void setFitPlotFontSize(int points);
    std::vector<double> limitsInUse() const; // upperLimits of the equations in use
    long onFitPlotPaint(FXObject*, FXSelector, void*);
    long onFitPlotResize(FXObject*, FXSelector, void*);
    long onFitPlotPress(FXObject*, FXSelector, void*);
    long onFitPlotDrag(FXObject*, FXSelector, void*);
    long onFitPlotRelease(FXObject*, FXSelector, void*);
    long onFitPlotChore(FXObject*, FXSelector, void*);
    FXCanvas* fitCanvas = nullptr;      // the main plot
    FXCanvas* halfSizeCanvas = nullptr; // hidden, half the main canvas's size: the half-size picture
    FXScrollWindow* zoomScrollWindow = nullptr;
    FXCanvas* zoomCanvases[7] = {};
    std::unique_ptr<DataPlot> fitPlot, halfSizePlot, zoomPlots[7];
    std::shared_ptr<const std::vector<PlotSeriesData>> plotSeries; // the last fit's series as drawn
    bool replotFitPlot = true;     // the next paint of a fit canvas redraws all plots
    bool fitPlotShownEmpty = true; // the plots show their background only
    int draggedLimit = -1;         // movable limit being dragged on the main plot, -1 when none
    double xResolution = 0; // x distance covered by one pixel of the main fit plot; 0 until it is drawn
};

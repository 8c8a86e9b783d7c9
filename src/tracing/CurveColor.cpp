// The "Search color" group: the "Curve" and "Selection" swatches, the colour-difference presets with their
// hidden field, the colour test of the window, and picking the curve colour off the picture.
#include "app/Ordinax.h"
#include "image/ToolkitColor.h"
#include "tracing/ColorTest.h"
#include "tracing/TracingControls.h"
#include "ui/Dialogs.h"

using namespace CommandId;

namespace {
const FXColor presetSelectedColor = FXRGB(0, 200, 0);
const uint32_t foundColor = 0xFF00FF00, notFoundColor = 0xFFFFFF00;
const char *const toleranceLabels[tolerancePresetCount] = {"L", "M", "H"};
const char *const toleranceTips[tolerancePresetCount] = {"Low color difference.", "Medium color difference.",
                                                         "High color difference."};
const FXuint swatchFrame = FRAME_LINE, pickingSwatchFrame = FRAME_GROOVE;

FXTextField *makeSwatch(FXComposite *parent, FXObject *target, FXSelector id) {
    return new FXTextField(parent, 12, target, id, TEXTFIELD_READONLY | swatchFrame | LAYOUT_CENTER_Y);
}
} // namespace

void Ordinax::colorPresetButtons(FXButton *const *buttons, int count, int selected) {
    for (int i = 0; i < count; i++)
        buttons[i]->setBackColor(i == selected ? presetSelectedColor : buttonNormalColor);
}

void Ordinax::buildSearchColorControls(FXComposite *parent) {
    FXGroupBox *group = new FXGroupBox(
        parent, "Search color", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 0, 2);
    FXMatrix *swatches =
        new FXMatrix(group, 2, MATRIX_BY_COLUMNS | LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 4, 1);
    new FXLabel(swatches, "Curve", nullptr, LABEL_NORMAL | LAYOUT_RIGHT | LAYOUT_CENTER_Y);
    curveColorSwatch = makeSwatch(swatches, this, ID_CURVE_COLOR);
    curveColorSwatch->setTipText(
        FXStringFormat("Color to accept as a valid data point when using \"%s\" or \"%s\".",
                       "Auto-find curve", "Auto-find"));
    new FXLabel(swatches, "Selection", nullptr, LABEL_NORMAL | LAYOUT_RIGHT | LAYOUT_CENTER_Y);
    selectionColorSwatch = makeSwatch(swatches, nullptr, 0);

    FXHorizontalFrame *row = new FXHorizontalFrame(group, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 1, 0, 2, 0);
    new FXLabel(row, "Difference:", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    for (int i = 0; i < tolerancePresetCount; i++) {
        toleranceButtons[i] = new FXButton(row, toleranceLabels[i], nullptr, this, ID_COLOR_TOLERANCE,
                                           BUTTON_NORMAL | LAYOUT_FIX_WIDTH | LAYOUT_CENTER_Y, 0, 0, 30, 0);
        toleranceButtons[i]->setTipText(FXStringFormat(
            "%s\n\nColor difference to match the curve color with in\n\"%s\" and \"%s\" methods.",
            toleranceTips[i], "Auto-find curve", "Auto-find"));
    }
    colorTol_TF = new FXTextField(row, 3, nullptr, 0, TEXTFIELD_NORMAL);
    colorTol_TF->hide();
    clearWhenDefiningNewCurveColor_Chk = new FXCheckButton(group, "Clear data when defining color");
    clearWhenDefiningNewCurveColor_Chk->setTipText(
        "Clear any data in the table\nwhen defining new curve color");
}

void Ordinax::showSwatchColor(FXTextField *swatch, uint32_t color) {
    swatch->setBackColor(toToolkitColor(color | 0xFF000000));
    swatch->setText(colorSwatchText(color).c_str());
    swatch->setTextColor(toToolkitColor(contrastColor(color)));
}

void Ordinax::showCurveColor(uint32_t color) {
    showSwatchColor(curveColorSwatch, color);
}

void Ordinax::showSelectionColor(uint32_t color) {
    showSwatchColor(selectionColorSwatch, color);
}

// The swatch keeps its text; only the colours tell found (green) from not found (yellow).
void Ordinax::showSearchResult(bool found) {
    const uint32_t color = found ? foundColor : notFoundColor;
    selectionColorSwatch->setBackColor(toToolkitColor(color));
    selectionColorSwatch->setTextColor(toToolkitColor(contrastColor(color)));
}

uint32_t Ordinax::curveColor() const {
    return fromToolkitColor(curveColorSwatch->getBackColor()) | 0xFF000000;
}

void Ordinax::setSearchColorFromSwatch() {
    const uint32_t color = curveColor();
    searchRed = (color >> 16) & 0xFF;
    searchGreen = (color >> 8) & 0xFF;
    searchBlue = color & 0xFF;
}

bool Ordinax::colorMatches(uint32_t pixel) const {
    return ::colorMatches(pixel, rgbColor(searchRed, searchGreen, searchBlue), colorTolerance);
}

int Ordinax::readColorTolerance() {
    const FieldReading reading = ::readColorTolerance(colorTol_TF->getText().text());
    if (reading.reset) {
        colorTol_TF->setText(FXStringFormat("%d", reading.value));
        colorPresetButtons(toleranceButtons, tolerancePresetCount, defaultTolerancePreset);
    }
    colorTolerance = reading.value;
    return colorTolerance;
}

void Ordinax::setTolerancePreset(int index) {
    if (index < 0 || index >= tolerancePresetCount)
        index = 0;
    colorPresetButtons(toleranceButtons, tolerancePresetCount, index);
    colorTol_TF->setText(FXStringFormat("%d", tolerancePresetValue(index)));
    if (workImage)
        imageView->update();
}

// A stored value that is no preset stays in the field (and counts when it lies in 25..100); "M" shows.
void Ordinax::restoreColorTolerance(const FXString &stored) {
    colorTol_TF->setText(stored);
    colorPresetButtons(toleranceButtons, tolerancePresetCount, tolerancePresetIndex(stored.text()));
}

long Ordinax::onColorTolerance(FXObject *sender, FXSelector, void *) {
    int index = 0;
    for (int i = 0; i < tolerancePresetCount; i++)
        if (sender == toleranceButtons[i])
            index = i;
    setTolerancePreset(index);
    return 1;
}

void Ordinax::setSwatchFrames(bool picking) {
    curveColorSwatch->setFrameStyle(picking ? pickingSwatchFrame : swatchFrame);
    if (!picking)
        selectionColorSwatch->setFrameStyle(swatchFrame);
}

// The "Curve" swatch released: starts a pick, or cancels the one in progress.
long Ordinax::onCurveColor(FXObject *, FXSelector, void *) {
    if (!workImage) {
        Dialogs::warning(this, "Color definition", "You must first have an image and define the axis.");
        return 1;
    }
    if (!dataPointTypeRadio || !dataPointTypeRadio->getCheck()) {
        Dialogs::warning(this, "Color definition", "You must first define the axis.");
        return 1;
    }
    if (colorPickMode)
        cancelColorPick();
    else
        startColorPick();
    return 1;
}

void Ordinax::startColorPick() {
    imageView->setDefaultCursor(colourPickCursor.get());
    savedCurveColor = curveColor();
    colorPickMode = true;
    setSwatchFrames(true);
    colorPickCleared = clearWhenDefiningNewCurveColor_Chk->getCheck();
    if (colorPickCleared)
        onClearData(this, FXSEL(SEL_COMMAND, ID_CLEAR_DATA), nullptr);
    imageView->update();
}

void Ordinax::cancelColorPick() {
    colorPickMode = false;
    if (colorPickCleared)
        restoreFromBackup();
    colorPickCleared = false;
    showCurveColor(savedCurveColor);
    setSearchColorFromSwatch();
    setSwatchFrames(false);
    rebuildCursors();
}

// The canvas cursor goes back also when the click was off the picture, so the pick cursor never outlives
// the pick.
void Ordinax::completeColorPick(std::optional<uint32_t> pixel) {
    if (pixel)
        showCurveColor(*pixel);
    rebuildCursors();
    setSearchColorFromSwatch();
    colorPickMode = false;
    colorPickCleared = false;
    setSwatchFrames(false);
}

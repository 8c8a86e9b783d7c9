// The curve-tracing controls of the Image page: "Pro mode", "Full auto" and "Auto-find curve" in the point
// type group, and the "Point search" group with its direction, location, "# pts" and search-length controls.
#include "app/Ordinax.h"
#include "tracing/TracingControls.h"

using namespace CommandId;

namespace {
const FXColor steppingColor = FXRGB(200, 200, 255);
const FXColor warningColor = FXRGB(255, 255, 0);
const char *const directionLabels[4] = {"Up", "Down", "Left", "Right"};
const char *const directionTips[4] = {"Scan from bottom to top.", "Scan from top to bottom.",
                                      "Scan from right to left:   <--", "Scan from left to right:   -->"};
const char *const locationLabels[3] = {"middle", "triangle", "inverted\ntriangle"};
const char *const locationTips[3] = {"Pick the middle of the curve/point.",
                                     "Pick 1/3 of the height. Use for triangle point symbols.",
                                     "Pick 2/3 of the height. Use for inverted triangle point symbols."};

FXHorizontalFrame *controlRow(FXComposite *parent) {
    return new FXHorizontalFrame(parent, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
}

void setEnabled(FXWindow *window, bool on) {
    if (on)
        window->enable();
    else
        window->disable();
}

// The index of the sender among the widgets, or 0 when it is none of them.
template <typename Widget, size_t N> int senderIndex(FXObject *sender, Widget *const (&widgets)[N]) {
    for (size_t i = 0; i < N; i++)
        if (sender == widgets[i])
            return static_cast<int>(i);
    return 0;
}
} // namespace

void Ordinax::buildTracingControls(FXComposite *parent) {
    if (pointTypeGroup)
        buildCurveFollowingControls(pointTypeGroup);
    FXHorizontalFrame *row = new FXHorizontalFrame(parent, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0);
    buildPointSearchControls(row);
    buildSearchColorControls(row);
}

void Ordinax::buildCurveFollowingControls(FXComposite *parent) {
    FXHorizontalFrame *row = controlRow(parent);
    proMode_Chk = new FXCheckButton(row, "Pro mode", this, ID_PRO_MODE, CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    proMode_Chk->setTipText("If this is checked, after the 2nd point is found the program will auto-find the "
                            "curve then copy it to the clipboard saving you mouse-clicks.");
    fullAuto_Chk = new FXCheckButton(row, "Full auto", nullptr, 0, CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    fullAuto_Chk->setTipText(FXString("Scans entire image for the curve. Use only when the curve is a unique "
                                      "color. \"") +
                             "Pro mode" + "\" must be checked.");
    autoFindCurveButton = new FXButton(row, "Auto-find curve", nullptr, this, ID_AUTO_FIND_CURVE,
                                       BUTTON_NORMAL | LAYOUT_CENTER_Y);
    autoFindCurveButton->setTipText(
        FXString("1) Define the min/max of the axis.\n") +
        FXStringFormat("2) Then the min/max points in %s of the curve (define 2 pts).\n", "X") +
        FXStringFormat("3) Click the \"%s\" button.", "Auto-find curve"));
    autoFindCurveButton->disable();
}

void Ordinax::buildPointSearchControls(FXComposite *parent) {
    pointSearchGroup =
        new FXGroupBox(parent, "Point search", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_Y, 0, 0, 0, 0,
                       4, 4, 0, 2, 0, 1);
    FXHorizontalFrame *row = controlRow(pointSearchGroup);
    autoFindPoint_Chk =
        new FXCheckButton(row, "Auto-find", this, ID_POINT_SEARCH, CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    autoFindPoint_Chk->setTipText(
        "Check this to have the program scan to find the curve point.\nYou can hold "
        "down the CTRL key to temporarily disable this and manually select points.");
    new FXLabel(row, "# pts", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    numAutoFindPoints_LB =
        new FXListBox(row, this, ID_POINTS_LIST, FRAME_SUNKEN | FRAME_THICK | LAYOUT_CENTER_Y);
    for (int count : autoFindPointChoices)
        numAutoFindPoints_LB->appendItem(FXStringFormat(" %d ", count));
    numAutoFindPoints_LB->setNumVisible(autoFindPointChoiceCount);
    numAutoFindPoints_LB->setTipText(
        FXStringFormat("The approximate number of points to find\nwhen clicking \"%s\".\nThis may not exact.",
                       "Auto-find curve"));

    row = controlRow(pointSearchGroup);
    new FXLabel(row, "Direction", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    for (int i = 0; i < 4; i++) {
        searchDirectionRadios[i] = new FXRadioButton(row, directionLabels[i], this, ID_SEARCH_DIRECTION,
                                                     RADIOBUTTON_NORMAL | LAYOUT_CENTER_Y);
        searchDirectionRadios[i]->setTipText(
            FXStringFormat("Scan direction when \"%s\" is checked.\n%s", "Auto-find", directionTips[i]));
    }

    row = controlRow(pointSearchGroup);
    new FXLabel(row, "Location", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    for (int i = 0; i < 3; i++) {
        pickLocationRadios[i] = new FXRadioButton(row, locationLabels[i], this, ID_PICK_LOCATION,
                                                  RADIOBUTTON_NORMAL | LAYOUT_CENTER_Y);
        pickLocationRadios[i]->setTipText(locationTips[i]);
    }

    row = controlRow(pointSearchGroup);
    const FXString lengthTip = FXStringFormat(
        "Search length (pixels) used when \"%s\" is checked.\n%d usually works well.\nFor steep curves use a "
        "larger value.\nFor closely spaced curves use a smaller value.",
        "Auto-find", searchLengthPresets[defaultSearchLengthPreset]);
    FXLabel *label = new FXLabel(row, "     Search length:", nullptr, LABEL_NORMAL | LAYOUT_CENTER_Y);
    label->setTipText(lengthTip);
    lineThickness_TF = new FXTextField(row, 7, nullptr, 0, TEXTFIELD_NORMAL);
    lineThickness_TF->hide();
    for (int i = 0; i < searchLengthPresetCount; i++) {
        searchLengthButtons[i] =
            new FXButton(row, FXStringFormat(" %d ", searchLengthPresets[i]), nullptr, this, ID_SEARCH_LENGTH,
                         BUTTON_NORMAL | LAYOUT_FIX_WIDTH | LAYOUT_CENTER_Y, 0, 0, 30, 0, 0, 0);
        searchLengthButtons[i]->setTipText(lengthTip);
    }
}

// The start-up state of the tracing controls, before any settings are read.
void Ordinax::applyTracingDefaults() {
    colorTolerance = tolerancePresets[defaultTolerancePreset];
    setTolerancePreset(defaultTolerancePreset);
    setSearchLengthPreset(defaultSearchLengthPreset);
    searchLength = searchLengthPresets[defaultSearchLengthPreset];
    searchDirection = searchUp;
    pickLocation = pickMiddle;
    autoFindPoint_Chk->setCheck(TRUE);
    numAutoFindPoints_LB->setCurrentItem(4);
    showCurveColor(0xFF000000);
    setSearchColorFromSwatch();
    showSelectionColor(0xFFFFFF00);
    colorPickMode = false;
    setSwatchFrames(false);
    showSearchDirection();
    showPickLocation();
    syncPointSearchControls();
}

int Ordinax::readSearchLength() {
    const FieldReading reading = ::readSearchLength(lineThickness_TF->getText().text());
    if (reading.reset) {
        lineThickness_TF->setText(FXStringFormat("%d", reading.value));
        colorPresetButtons(searchLengthButtons, searchLengthPresetCount, defaultSearchLengthPreset);
    }
    searchLength = reading.value;
    return searchLength;
}

void Ordinax::setSearchLengthPreset(int index) {
    if (index < 0 || index >= searchLengthPresetCount)
        index = 0;
    colorPresetButtons(searchLengthButtons, searchLengthPresetCount, index);
    lineThickness_TF->setText(FXStringFormat("%d", searchLengthPresetValue(index)));
    if (workImage)
        imageView->update();
}

void Ordinax::restoreSearchLength(const FXString &stored) {
    lineThickness_TF->setText(stored);
    colorPresetButtons(searchLengthButtons, searchLengthPresetCount, searchLengthPresetIndex(stored.text()));
}

long Ordinax::onSearchLength(FXObject *sender, FXSelector, void *) {
    setSearchLengthPreset(senderIndex(sender, searchLengthButtons));
    return 1;
}

// The radios, "Auto-find curve" and the scan-direction picture follow searchDirection.
void Ordinax::showSearchDirection() {
    searchDirection = validSearchDirection(searchDirection);
    for (int i = 0; i < 4; i++)
        searchDirectionRadios[i]->setCheck(i == searchDirection);
    setEnabled(autoFindCurveButton, workImage != nullptr);
    if (workImage)
        imageView->update();
    drawScanDirectionImage();
}

long Ordinax::onSearchDirection(FXObject *sender, FXSelector, void *) {
    searchDirection = senderIndex(sender, searchDirectionRadios);
    showSearchDirection();
    return 1;
}

// The chosen location is checked; "triangle" and "inverted\ntriangle" show yellow as a reminder.
void Ordinax::showPickLocation() {
    if (pickLocation < pickMiddle || pickLocation > pickInvertedTriangle)
        pickLocation = pickMiddle;
    for (int i = 0; i < 3; i++) {
        pickLocationRadios[i]->setBackColor(i == pickLocation && i != pickMiddle ? warningColor
                                                                                 : buttonNormalColor);
        pickLocationRadios[i]->setCheck(i == pickLocation);
    }
}

long Ordinax::onPickLocation(FXObject *sender, FXSelector, void *) {
    pickLocation = senderIndex(sender, pickLocationRadios);
    showPickLocation();
    return 1;
}

// "Pro mode" holds "Auto-find" and "Clear data when defining color" checked; "Auto-find" enables the
// controls of the point search.
void Ordinax::syncPointSearchControls() {
    const bool pro = proMode_Chk && proMode_Chk->getCheck();
    if (pro) {
        autoFindPoint_Chk->setCheck(TRUE);
        clearWhenDefiningNewCurveColor_Chk->setCheck(TRUE);
    }
    setEnabled(autoFindPoint_Chk, !pro);
    setEnabled(clearWhenDefiningNewCurveColor_Chk, !pro);
    const bool search = autoFindPoint_Chk->getCheck();
    for (FXRadioButton *radio : searchDirectionRadios)
        setEnabled(radio, search);
    setEnabled(numAutoFindPoints_LB, search);
    for (FXButton *button : searchLengthButtons)
        setEnabled(button, search);
    for (FXButton *button : toleranceButtons)
        setEnabled(button, search);
    if (workImage)
        imageView->update();
    drawScanDirectionImage();
}

long Ordinax::onPointSearchOption(FXObject *, FXSelector, void *) {
    syncPointSearchControls();
    return 1;
}

long Ordinax::onPointsList(FXObject *, FXSelector, void *) {
    if (workImage)
        imageView->update();
    return 1;
}

// While Shift steps points, the "Point search" group and its frames, boxes and labels turn light blue;
// the preset buttons keep their colours and the location radios get theirs back afterwards.
void Ordinax::paintPointSearchPanel(bool stepping) {
    const FXColor color = stepping ? steppingColor : buttonNormalColor;
    auto paint = [&](auto &&self, FXWindow *window) -> void {
        if (window->isMemberOf(FXMETACLASS(FXButton)) || window->isMemberOf(FXMETACLASS(FXListBox)) ||
            window->isMemberOf(FXMETACLASS(FXTextField)))
            return;
        window->setBackColor(color);
        for (FXWindow *child = window->getFirst(); child; child = child->getNext())
            self(self, child);
    };
    paint(paint, pointSearchGroup);
    if (!stepping)
        showPickLocation();
}

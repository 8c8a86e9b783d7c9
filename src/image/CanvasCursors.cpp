// The canvas cursors: the cursor style controls, the four coloured cursors and the colour-pick cursor.
#include "app/Ordinax.h"
#include "image/CursorShapes.h"
#include "image/ToolkitColor.h"

using namespace CommandId;

namespace {
const char *const cursorColorNames[4] = {"Black", "White", "Black/White", "Adaptive"};

// A cursor over its own copy of the pixels, which the toolkit reads when it creates the cursor.
FXCursor *makeCursor(FXApp *app, const std::vector<uint32_t> &argb, std::vector<FXColor> &store) {
    store.resize(argb.size());
    for (size_t i = 0; i < argb.size(); i++)
        store[i] = toToolkitColor(argb[i]);
    return new FXCursor(app, store.data(), cursorSize, cursorSize, cursorHotSpot, cursorHotSpot);
}
} // namespace

void Ordinax::buildCursorControls(FXComposite *parent) {
    FXGroupBox *group = new FXGroupBox(parent, "Cursor", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X,
                                       0, 0, 0, 0, 4, 4, 0, 2);
    FXMatrix *matrix =
        new FXMatrix(group, 3, MATRIX_BY_COLUMNS | LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 4, 1);
    const char *const typeNames[3] = {"Solid", "Solid-hollow", "Outline"};
    for (int i = 0; i < 3; i++)
        cursorTypeRadios[i] = new FXRadioButton(matrix, typeNames[i], this, ID_CURSOR_STYLE,
                                                RADIOBUTTON_NORMAL | LAYOUT_CENTER_Y, 0, 0, 0, 0, 1, 1, 1, 1);
    cursorSpacing_Chk = new FXCheckButton(matrix, "Wide", this, ID_CURSOR_STYLE,
                                          CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y, 0, 0, 0, 0, 1, 1, 1, 1);
    new FXLabel(matrix, "Color", nullptr, LABEL_NORMAL | LAYOUT_RIGHT | LAYOUT_CENTER_Y);
    cursorColorList =
        new FXListBox(matrix, this, ID_CURSOR_STYLE, FRAME_SUNKEN | FRAME_THICK | LAYOUT_CENTER_Y);
    for (const char *name : cursorColorNames)
        cursorColorList->appendItem(FXStringFormat("%s  ", name));
    cursorColorList->setNumVisible(4);
}

void Ordinax::rebuildCursors() {
    const bool wide = cursorSpacing_Chk->getCheck();
    // The view keeps showing the old cursor until the new ones replace it.
    std::unique_ptr<FXCursor> old[5];
    for (int i = 0; i < 4; i++) {
        old[i] = std::move(canvasCursors[i]);
        canvasCursors[i].reset(
            makeCursor(getApp(), canvasCursorPixels(cursorType, i, wide), cursorPixelStore[i]));
    }
    old[4] = std::move(colourPickCursor);
    colourPickCursor.reset(
        makeCursor(getApp(), colourPickCursorPixels(cursorColorIndex), cursorPixelStore[4]));
    // Created at once (the display is open from the start), so any of them can be switched in later.
    if (getApp()->isInitialized()) {
        for (auto &cursor : canvasCursors)
            cursor->create();
        colourPickCursor->create();
    }
    adaptiveCursorWhite = -1;
    imageView->setDefaultCursor(usesStockCrosshair(cursorType, cursorColorIndex)
                                    ? getApp()->getDefaultCursor(DEF_CROSSHAIR_CURSOR)
                                    : canvasCursors[cursorColorIndex].get());
}

void Ordinax::applyCursorStyle() {
    cursorType = validCursorType(cursorType);
    if (cursorColorIndex < 0 || cursorColorIndex > 3)
        cursorColorIndex = 0;
    for (int i = 0; i < 3; i++)
        cursorTypeRadios[i]->setCheck(i == cursorType);
    if (cursorType == cursorOutline)
        cursorSpacing_Chk->enable();
    else
        cursorSpacing_Chk->disable();
    cursorColorList->setCurrentItem(cursorColorIndex);
    rebuildCursors();
}

long Ordinax::onCursorStyle(FXObject *sender, FXSelector, void *) {
    if (sender != cursorColorList)
        cursorType = sender == cursorTypeRadios[0]   ? cursorSolid
                     : sender == cursorTypeRadios[1] ? cursorSolidHollow
                                                     : cursorOutline;
    cursorColorIndex = cursorColorList->getCurrentItem();
    applyCursorStyle();
    imageView->update();
    return 1;
}

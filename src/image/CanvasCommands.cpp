// The commands of the picture: the "Point type" group with its radios, "Reset all", "Draw line" and
// "Constrain", "Undo last point", and the popup menus of the picture and of the two point tables.
#include <algorithm>

#include "app/Ordinax.h"
#include "axis/AxisTransform.h"
#include "icons.h"
#include "image/PointTypeLogic.h"

using namespace CommandId;

namespace {
void setEnabled(FXWindow *window, bool on) {
    if (on)
        window->enable();
    else
        window->disable();
}

FXMenuCommand *menuEntry(FXMenuPane *menu, const FXString &text, FXIcon *icon, FXObject *target,
                         FXSelector id, bool enabled = true) {
    FXMenuCommand *entry = new FXMenuCommand(menu, text, icon, target, id);
    setEnabled(entry, enabled);
    return entry;
}

// Shows the popup at the event's root position and runs it modally until it closes.
void runPopup(FXApp *app, FXMenuPane &menu, const FXEvent *event, FXWindow *owner) {
    FXint x = 0, y = 0;
    if (event) {
        x = event->root_x;
        y = event->root_y;
    } else {
        FXuint buttons;
        owner->getCursorPosition(x, y, buttons);
        owner->translateCoordinatesTo(x, y, owner->getRoot(), x, y);
    }
    menu.create();
    menu.popup(nullptr, x, y);
    app->runModalWhileShown(&menu);
}
} // namespace

void Ordinax::buildPointTypeControls(FXComposite *parent) {
    pointTypeGroup = new FXGroupBox(parent, "Point type", GROUPBOX_TITLE_LEFT | FRAME_GROOVE | LAYOUT_FILL_X,
                                    0, 0, 0, 0, 4, 4, 0, 2);
    FXHorizontalFrame *radios =
        new FXHorizontalFrame(pointTypeGroup, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0);
    const FXString labels[pointTypeRadioCount] = {
        FXStringFormat("%s %s", "Min", "X") + " && " + "Y", FXStringFormat("%s %s", "Max", "X"),
        FXStringFormat("%s %s", "Min", "Y"), FXStringFormat("%s %s", "Max", "Y"), "Data"};
    for (int i = 0; i < pointTypeRadioCount; i++)
        pointTypeRadios[i] = new FXRadioButton(radios, labels[i], this, ID_POINT_TYPE,
                                               RADIOBUTTON_NORMAL | LAYOUT_CENTER_Y, 0, 0, 0, 0, 1, 1, 1, 1);
    pointTypeRadios[pointMinY]->hide();
    dataPointTypeRadio = pointTypeRadios[pointData];

    FXHorizontalFrame *row =
        new FXHorizontalFrame(pointTypeGroup, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 2, 0, 4, 0);
    resetAllButton = new FXButton(
        row,
        FXStringFormat(
            "Reset all\tClears the \"%s\" table and the min/max %s & %s points,\nthe image and any "
            "rotation are not changed.\n\nTo reset the rotation rotate the image 180 deg. twice.",
            "Curve points", "X", "Y"),
        nullptr, this, ID_RESET_ALL, BUTTON_NORMAL | LAYOUT_CENTER_Y, 0, 0, 0, 0, 4, 4, 2, 2);
    drawLineButton =
        new FXButton(row, "Draw line", nullptr, this, ID_DRAW_LINE,
                     BUTTON_NORMAL | LAYOUT_CENTER_Y | LAYOUT_FIX_WIDTH, 0, 0, 72, 0, 4, 4, 2, 2);
    constrainCursor_Chk =
        new FXCheckButton(row, "Constrain", this, ID_CONSTRAIN, CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    extendCursorAll_Chk = new FXCheckButton(
        row, "Extend\tExtend the cursor when picking axis\nmin/max points for the x & y-axis.", nullptr, 0,
        CHECKBUTTON_NORMAL | LAYOUT_CENTER_Y);
    resetAllButton->disable();
    drawLineButton->disable();
    showPointType(nextPointType);
}

// The radio of the value is checked and the only one enabled, so the user can only repeat it.
void Ordinax::showPointType(int value) {
    const int shown = pointTypeRadioFor(value);
    for (int i = 0; i < pointTypeRadioCount; i++) {
        pointTypeRadios[i]->setCheck(i == shown);
        setEnabled(pointTypeRadios[i], i == shown);
    }
}

bool Ordinax::pointTypeShown(int type) const {
    return type >= 0 && type < pointTypeRadioCount && pointTypeRadios[type] &&
           pointTypeRadios[type]->getCheck();
}

long Ordinax::onPointTypeRadio(FXObject *sender, FXSelector, void *) {
    for (int i = 0; i < pointTypeRadioCount; i++)
        if (sender == pointTypeRadios[i]) {
            pointType = nextPointType = i;
            showPointType(i);
        }
    return 1;
}

// Back to the origin: the axis tables lose their pixel cells (the typed real values stay) and the angle
// read-outs are emptied.
void Ordinax::resetPointType() {
    pointType = nextPointType = 0;
    showPointType(0);
    leaveLineMode();
    for (Table_qvx1 *table : {xAxisTable, yAxisTable})
        for (int row = AxisMinRow; row <= AxisMaxRow; row++)
            for (int column : {XPixelsColumn, YPixelsColumn})
                table->setCellText(row, column, "");
    for (FXTextField *field : axisAngleFields) {
        field->setText("");
        field->setBackColor(tableNormalColor);
    }
    enableDrawLineWhenReady();
    updatePointTableHatching();
}

void Ordinax::leaveLineMode() {
    endRubberBand();
    lineMode = false;
    lineShown = false;
    lineX[0] = lineX[1] = lineY[0] = lineY[1] = -1;
    linePointCount = 0;
    drawLineButton->setText("Draw line");
    enableDrawLineWhenReady();
}

// "Draw line" is for data points on a picture without a line; while a line is wanted it cancels it.
void Ordinax::enableDrawLineWhenReady() {
    setEnabled(drawLineButton,
               lineMode || (workImage && imageReady && pointTypeShown(pointData) && !lineShown));
}

long Ordinax::onDrawLine(FXObject *, FXSelector, void *) {
    lineMode = !lineMode;
    linePointCount = 0;
    if (!lineMode)
        endRubberBand();
    drawLineButton->setText(lineMode ? "Cancel line" : "Draw line");
    enableDrawLineWhenReady();
    if (workImage)
        imageView->update();
    return 1;
}

long Ordinax::onConstrain(FXObject *, FXSelector, void *) {
    if (!constrainCursor_Chk->getCheck())
        constrainActive = false;
    if (workImage)
        imageView->setFocus();
    return 1;
}

long Ordinax::onResetAll(FXObject *sender, FXSelector, void *) {
    leaveLineMode();
    moveToBackup();
    clearClipboard();
    restoreDataButton->disable();
    resetPointType();
    if (sender == resetAllButton) {
        eraseOverlays(workImage);
        drawReferencePoints(workImage);
        logWarningShown = false;
    }
    trackPointer();
    if (workImage)
        imageView->update();
    highlightShown = false;
    // The axis finder's sampled axis colour is cleared here too.
    return 1;
}

long Ordinax::onUndoLastPoint(FXObject *, FXSelector, void *) {
    undoLastPoint();
    return 1;
}

// The last point is made the current, selected row so that the table's delete takes it without asking
// for a selection.
void Ordinax::undoLastPoint() {
    const int row = lastPointRow();
    if (row < 0)
        return;
    Table_qvx1 *table = curvePointsTable;
    table->killSelection();
    table->setCurrentItem(row, 0);
    table->selectRow(row);
    deleteWithKey(row, 0);
    if (row >= 2) {
        table->setCurrentItem(row - 1, 0);
        table->makePositionVisible(row - 1, 0);
    }
    if (showMagnifiedImage) {
        const std::vector<CanvasPoint> points = dataPointPositions();
        if (!points.empty()) {
            const CanvasPoint &last = points.back();
            lastMagnifyCentre = FXPoint(static_cast<FXshort>(std::clamp(last.x, -32768, 32767)),
                                        static_cast<FXshort>(std::clamp(last.y, -32768, 32767)));
            updateMagnifiedViews(last.x, last.y);
        } else if (lastMagnifyCentre.x != -1 || lastMagnifyCentre.y != -1) {
            updateMagnifiedViews(lastMagnifyCentre.x, lastMagnifyCentre.y);
        } else {
            updateMagnifiedViews(viewOffsetX + imageWidth / 2, viewOffsetY + imageHeight / 2);
        }
    }
    if (workImage)
        imageView->update();
}

long Ordinax::onImageMenu(FXObject *, FXSelector, void *ptr) {
    if (lastPointRow() < 0)
        return 1;
    // The menu's own copy of the tool button's icon lives as long as the menu.
    FXGIFIcon undoCopy(getApp(), icon_undo);
    FXMenuPane menu(this);
    menuEntry(&menu, "Auto-find curve", nullptr, this, ID_AUTO_FIND_CURVE, autoFindCurveButton->isEnabled());
    new FXMenuSeparator(&menu);
    const bool copying = copyTableButtons[0]->isEnabled();
    menuEntry(&menu, autoOrderIncreasingWhenCopying_Chk->getCheck() ? "Copy table (AO)" : "Copy table",
              copyIcon, this, ID_COPY_TABLE, copying);
    menuEntry(&menu, copyXButton->getText(), nullptr, this, ID_COPY_X, copying);
    menuEntry(&menu, copyYButton->getText(), nullptr, this, ID_COPY_Y, copying);
    new FXMenuSeparator(&menu);
    new FXMenuSeparator(&menu);
    menuEntry(&menu, "Delete last point", &undoCopy, this, ID_UNDO_LAST_POINT);
    menuEntry(&menu, "Clear data", clearIcon, this, ID_CLEAR_DATA);
    menuEntry(&menu, "Dismiss", nullptr, nullptr, 0);
    runPopup(getApp(), menu, static_cast<const FXEvent *>(ptr), this);
    return 1;
}

long Ordinax::onCurvePointsMenu(FXObject *, FXSelector, void *ptr) {
    FXMenuPane menu(this);
    menuEntry(&menu, "un-Highlight points", nullptr, this, ID_UNHIGHLIGHT);
    new FXMenuSeparator(&menu);
    menuEntry(&menu, "Delete row(s)", nullptr, this, ID_DELETE_POINT_ROWS);
    new FXMenuSeparator(&menu);
    menuEntry(&menu, FXStringFormat("Order by %s", "% diff"), nullptr, this, ID_ORDER_POINTS_BY_DIFF,
              curvePointsTable->getNumRows() > 0 && !curvePointsTable->isCellEmpty(0, 2));
    new FXMenuSeparator(&menu);
    menuEntry(&menu, "Cancel", nullptr, nullptr, 0);
    runPopup(getApp(), menu, static_cast<const FXEvent *>(ptr), this);
    return 1;
}

long Ordinax::onXyValuesMenu(FXObject *, FXSelector, void *ptr) {
    FXMenuPane menu(this);
    menuEntry(&menu, "Delete row(s)", nullptr, this, ID_DELETE_XY_ROWS);
    menuEntry(&menu, "Cancel", nullptr, nullptr, 0);
    runPopup(getApp(), menu, static_cast<const FXEvent *>(ptr), this);
    return 1;
}

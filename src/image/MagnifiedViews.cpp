// The three magnified views beside or below the picture: the two enlargements around the mouse, the
// scan-direction picture, and their placement.
#include <exception>

#include "app/Ordinax.h"
#include "image/ToolkitColor.h"
#include "platform/DebugOutput.h"

using namespace CommandId;

namespace {
constexpr int frameSide = 184;
constexpr int viewSide = 3 * magnifiedSize;

// A view's picture: the 60 x 60 pixels scaled by 3 by the toolkit. It is sent to the display without
// shared memory: on X11 each shared-memory transfer sets up and removes a segment, which cost milliseconds
// at every mouse motion, where the plain transfer of these small pictures takes a fraction of that.
std::unique_ptr<FXImage> makeMagnifiedImage(FXApp *app, const std::vector<uint32_t> &pixels) {
    FXColor *data = nullptr;
    FXMALLOC(&data, FXColor, pixels.size());
    for (size_t i = 0; i < pixels.size(); i++)
        data[i] = toToolkitColor(pixels[i]);
    auto image = std::make_unique<FXImage>(app, data, IMAGE_OWNED | IMAGE_KEEP, magnifiedSize, magnifiedSize);
    image->scale(viewSide, viewSide, 0);
    image->create();
    return image;
}
} // namespace

void Ordinax::buildMagnifierFrames() {
    magnifyColumn = new FXVerticalFrame(imageArea, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0, frameSide,
                                        3 * frameSide + 16, 0, 0, 0, 0, 0, 0);
    magnifyRow =
        new FXHorizontalFrame(imageViewColumn, LAYOUT_FIX_HEIGHT, 0, 0, 0, frameSide, 0, 0, 0, 0, 0, 0);
    FXComposite *containers[2] = {magnifyColumn, magnifyRow};
    for (int c = 0; c < 2; c++)
        for (int gap = 0; gap < 2; gap++)
            magnifySpacers[c][gap] = new FXFrame(containers[c], FRAME_NONE, 0, 0, 0, 0, 4, 4, 4, 4);
    for (int i = 0; i < 3; i++) {
        magnifyFrames[i] =
            new FXHorizontalFrame(magnifyColumn, FRAME_NONE | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0,
                                  frameSide, frameSide, 2, 2, 2, 2, 0, 0);
        magnifyViews[i] =
            new FXImageView(magnifyFrames[i], nullptr, this, ID_MAGNIFIED_VIEWS,
                            LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT | HSCROLLER_NEVER | VSCROLLER_NEVER, 0, 0,
                            viewSide, viewSide);
    }
    placeMagnifiedViews();
    showMagnifiedViews();
}

// Moves the three frames, in their order, between the spacers of the chosen container.
void Ordinax::placeMagnifiedViews() {
    const bool bottom = magnifiedViewsOnBottom_MRB && magnifiedViewsOnBottom_MRB->getCheck();
    const int c = bottom ? 1 : 0;
    FXComposite *target = bottom ? static_cast<FXComposite *>(magnifyRow) : magnifyColumn;
    for (int i = 0; i < 3; i++)
        magnifyFrames[i]->reparent(target, i < 2 ? magnifySpacers[c][i] : nullptr);
    (bottom ? static_cast<FXWindow *>(magnifyColumn) : magnifyRow)->hide();
}

void Ordinax::showMagnifiedViews() {
    const bool bottom = magnifiedViewsOnBottom_MRB && magnifiedViewsOnBottom_MRB->getCheck();
    for (FXHorizontalFrame *frame : magnifyFrames) {
        if (showMagnifiedImage)
            frame->show();
        else
            frame->hide();
    }
    if (showMagnifiedImage && bottom) {
        magnifyRow->show();
        magnifyColumn->hide();
    } else if (showMagnifiedImage) {
        magnifyColumn->show();
        magnifyRow->hide();
    } else {
        magnifyColumn->hide();
        magnifyRow->hide();
    }
    drawScanDirectionImage();
    imageArea->recalc();
}

void Ordinax::updateMagnifiedViews(int x, int y) {
    if (!workImage || cleanPixels.empty())
        return;
    try {
        MagnifierSource source;
        source.viewPixels = cleanPixels.data();
        source.workPixels = cleanPixels.data();
        source.picture = pictureGeometry();
        source.background = fromToolkitColor(getBackColor());
        source.dataColor = dataPointColor;
        source.referenceColor = referencePointColor;
        source.showLine = showLineOnMagnifiedImage;
        source.linePlaced = linePointCount > 0;
        source.lineX1 = lineX[0];
        source.lineY1 = lineY[0];
        source.lineX2 = lineX[1];
        source.lineY2 = lineY[1];
        source.referencePoints = referencePointPositions();
        source.dataPoints = dataPointPositions();
        MagnifiedViews views;
        if (!buildMagnifiedViews(source, x, y, views))
            return;
        const std::vector<uint32_t> *pictures[2] = {&views.plain, &views.marked};
        for (int i = 0; i < 2; i++) {
            std::unique_ptr<FXImage> image = makeMagnifiedImage(getApp(), *pictures[i]);
            magnifyViews[i]->setImage(image.get());
            magnifyImages[i] = std::move(image);
            magnifyViews[i]->update();
        }
    } catch (const std::exception &e) {
        debugOutput(std::string("exception caught: ") + e.what());
    }
}

// Shown only while the point search's "Auto-find" and both magnifier options are on.
void Ordinax::drawScanDirectionImage() {
    if (!magnifyFrames[2])
        return;
    const bool wanted = showScanDirectionMagnifiedImage && showMagnifiedImage && autoFindPoint_Chk &&
                        autoFindPoint_Chk->getCheck();
    if (!wanted) {
        magnifyFrames[2]->hide();
        magnifyFrames[2]->getParent()->recalc();
        return;
    }
    magnifyFrames[2]->show();
    std::unique_ptr<FXImage> image =
        makeMagnifiedImage(getApp(), scanDirectionPicture(searchDirection, dataPointColor));
    magnifyViews[2]->setImage(image.get());
    magnifyImages[2] = std::move(image);
    magnifyViews[2]->update();
    magnifyFrames[2]->getParent()->recalc();
}

long Ordinax::onMagnifierOptions(FXObject *, FXSelector, void *) {
    showMagnifiedImage = showMagnifiedImageCheck->getCheck();
    showLineOnMagnifiedImage = showLineOnMagnifiedImageCheck->getCheck();
    showScanDirectionMagnifiedImage = showScanDirectionMagnifiedImageCheck->getCheck();
    showMagnifiedViews();
    return 1;
}

// The axis definitions are kept: moving the views is no reason to lose the calibration.
long Ordinax::onMagnifierPosition(FXObject *, FXSelector sel, void *) {
    const bool bottom = FXSELID(sel) == ID_MAGNIFIER_BOTTOM;
    magnifiedViewsOnRightSide_MRB->setCheck(!bottom);
    magnifiedViewsOnBottom_MRB->setCheck(bottom);
    placeMagnifiedViews();
    showMagnifiedViews();
    if (resizeWindowWithNewImage->getCheck())
        fitWindowToImage();
    return 1;
}

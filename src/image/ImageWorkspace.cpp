// The working image: the Image page's frame, loading a picture file, pasting a bitmap, and the reset after either.
#include "app/AppInfo.h"
#include "app/Ordinax.h"
#include "image/Dib.h"
#include "image/ImageDecode.h"
#include "image/PictureView.h"
#include "image/ToolkitColor.h"
#include "platform/ClipboardImage.h"
#include "ui/Dialogs.h"

using namespace CommandId;

void Ordinax::buildImagePage(FXComposite* page) {
    imageSideColumn = new FXHorizontalFrame(page, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
    curvePointsPanel = new FXVerticalFrame(imageSideColumn, LAYOUT_FILL_Y, 0, 0, 0, 0, 2, 2, 2, 2);
    imageControlColumn = new FXVerticalFrame(imageSideColumn, LAYOUT_FILL_Y, 0, 0, 0, 0, 2, 2, 2, 2);
    buildAxisDefinitions(imageControlColumn);
    buildPointTypeControls(imageControlColumn);
    buildCurvePointsTables(curvePointsPanel);
    buildRecalDataButton(curvePointsPanel);
    imageArea = new FXHorizontalFrame(page, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
    imageViewColumn = new FXVerticalFrame(imageArea, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
    imageView = new PictureView(imageViewColumn, nullptr, this, ID_IMAGE_VIEW,
                                LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT | HSCROLLER_NEVER | VSCROLLER_NEVER, 0, 0,
                                500, 500);
    buildMagnifierFrames();
    buildPaintingControls(imageControlColumn);
    buildTracingControls(imageControlColumn);
}

void Ordinax::allocateImageBuffers(int width, int height) {
    cleanPixels.assign(static_cast<size_t>(width) * height, 0);
    imageWidth = width;
    imageHeight = height;
    overlayLog.reset(width, height);
}

void Ordinax::showNewImage(std::vector<uint32_t> pixels, int width, int height) {
    delete workImage;
    workImage = nullptr;
    allocateImageBuffers(width, height);
    cleanPixels = std::move(pixels);
    FXColor* data = nullptr;
    FXMALLOC(&data, FXColor, cleanPixels.size());
    for (size_t i = 0; i < cleanPixels.size(); i++) data[i] = toToolkitColor(cleanPixels[i]);
    workImage = new FXImage(getApp(), data, IMAGE_OWNED | IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, width, height);
    workImage->create();
    imageView->setImage(workImage);
    imageView->setWidth(width);
    imageView->setHeight(height);
    // The picture can be copied or saved from the Image page as soon as it is there.
    if (mainTabs->getCurrent() == 0) savePlotTitle->enable();
}

bool Ordinax::loadImageFile(const FXString& path) {
    FXString extension = FXPath::extension(path);
    fineRotation = 0;
    rotationCentre = FXPoint(-1, -1);
    showRotation();
    setImageControlsEnabled(false);
    delete workImage;
    workImage = nullptr;
    imageView->setImage(nullptr);

    std::optional<ImageCodec> codec = codecForExtension(extension.text());
    if (!codec) {
        Dialogs::error(this, "Error Loading Image", FXStringFormat("Unsupported type: %s", extension.text()));
        return false;
    }
    if (!FXStat::exists(path)) {
        Dialogs::error(this, "File not found", path);
        return false;
    }
    getApp()->beginWaitCursor();
    DecodedImage decoded = decodeImageFile(path.text(), *codec);
    if (!decoded.ok) {
        getApp()->endWaitCursor();
        Dialogs::error(this, "Error Loading Image", path);
        return false;
    }
    imageFileName = path;
    setWindowTitleFor(path);
    showNewImage(std::move(decoded.pixels), decoded.width, decoded.height);
    resetForNewImage();
    if (resizeWindowWithNewImage->getCheck()) fitWindowToImage();
    if (clearAxisDefinitionsWithNewImage->getCheck()) clearAxisDefinitions();
    getApp()->endWaitCursor();
    setImageControlsEnabled(true);
    return true;
}

long Ordinax::onPaste(FXObject*, FXSelector, void*) {
    switch (mainTabs->getCurrent()) {
    case 0:
        pasteImageFromClipboard();
        break;
    case 1:
        clearXyTable();
        xyValuesTable->handle(this, FXSEL(SEL_COMMAND, FXTable::ID_PASTE_SEL), nullptr);
        if (dataSource != 1) {
            fitType = 0;
            dataSource = 1;
            applyFitType();
        }
        break;
    default:
        break;
    }
    clearFitOutputs();
    return 1;
}

void Ordinax::pasteImageFromClipboard() {
    std::vector<uint8_t> bmpFile;
    if (!readClipboardBitmap(this, bmpFile)) {
        if (workImage) imageView->update();
        return;
    }
    DecodedImage dib = parseBmpFile(bmpFile.data(), bmpFile.size());
    if (!dib.ok) {
        Dialogs::error(this, "Error Pasting Image", dib.message.c_str());
        if (workImage) imageView->update();
        return;
    }
    imageFileName = "untitled";
    showNewImage(std::move(dib.pixels), dib.width, dib.height);
    resetForNewImage();
    setImageControlsEnabled(true);
    if (resizeWindowWithNewImage->getCheck()) fitWindowToImage();
    if (clearAxisDefinitionsWithNewImage->getCheck()) clearAxisDefinitions();
    imageView->update();
}

void Ordinax::computeViewOffset() {
    int x = 0, y = 0;
    for (FXWindow* w = imageView; w && w != this; w = w->getParent()) {
        x += w->getX();
        y += w->getY();
    }
    viewOffsetX = x;
    viewOffsetY = y;
}

void Ordinax::resetForNewImage() {
    computeViewOffset();
    wholeRotation = 0;
    fineRotation = 0;
    showRotation();
    rotationCentre = FXPoint(0, static_cast<FXshort>(imageHeight - 1));
    logWarningShown = reversedWarningShown = false;
    overlayLog.reset(imageWidth, imageHeight);
    moveToBackup();
    clearClipboard();
    restoreDataButton->disable();
    resetPointType();
    trackPointer();
    imageView->update();
    highlightShown = false;
    extendedCursorAt = FXPoint(-1, -1);
    pickLocation = 0;
    showPickLocation();
}

void Ordinax::showRotation() {
    rotationLabel->setText(FXStringFormat("rotation = %.*lf deg.", 3, fineRotation + 90.0 * wholeRotation));
}

void Ordinax::setImageControlsEnabled(bool on) {
    imageReady = on;
    for (FXButton* b : rotationButtons) {
        if (on)
            b->enable();
        else
            b->disable();
    }
    for (FXWindow* w : {static_cast<FXWindow*>(rotationLabel), static_cast<FXWindow*>(recalDataButton),
                        static_cast<FXWindow*>(clearDataButton), static_cast<FXWindow*>(resetAllButton)}) {
        if (on)
            w->enable();
        else
            w->disable();
    }
    if (!on) drawLineButton->disable();
    if (on)
        autoFindCurveButton->enable();
    else
        autoFindCurveButton->disable();
}

void Ordinax::fitWindowToImage() {
    layout();
    const bool viewsRight = magnifiedViewsOnRightSide_MRB->getCheck();
    const int magnifyFrame = 184;
    const int margins = mainTabs->getPadTop() + mainTabs->getPadBottom();
    const int top = imagePage->getY() + toolBar->getHeight();
    int width = imageView->getWidth() + 24 +
                curvePointsPanel->getDefaultWidth() + imageControlColumn->getDefaultWidth() +
                (viewsRight ? magnifyFrame : 0);
    int height = std::max(top + margins + imageView->getHeight() + (viewsRight ? 0 : magnifyFrame),
                          top + margins + imageSideColumn->getDefaultHeight());
    const int screenWidth = getRoot()->getWidth(), screenHeight = getRoot()->getHeight();
    if (width < screenWidth)
        resize(width, std::min(height, screenHeight));
    else if (height < screenHeight)
        resize(screenWidth, height);
}

// The About box.
#include "ui/AboutWindow.h"

#include <ctime>

#include "app/AppInfo.h"
#include "icons.h"
#include "ui/AboutLogo.h"

FXDEFMAP(AboutWindow) AboutWindowMap[] = {
    FXMAPFUNC(SEL_PAINT, AboutWindow::ID_LOGO, AboutWindow::onPaintLogo),
    FXMAPFUNC(SEL_CLOSE, 0, AboutWindow::onClose),
};
FXIMPLEMENT(AboutWindow, FXDialogBox, AboutWindowMap, ARRAYNUMBER(AboutWindowMap))

FXString AboutWindow::makerNotice(int currentYear) {
    return FXStringFormat("Copyright (c) 2009-%d Tavrin Software\n%s\n%s", currentYear, AppInfo::webSiteAddress,
                          AppInfo::contactAddress);
}

AboutWindow::AboutWindow(FXWindow* owner, const FXString& applicationName, const FXString& version)
    : FXDialogBox(owner, "", DECOR_TITLE | DECOR_BORDER | DECOR_CLOSE, 0, 0, 0, 0, 4, 4, 4, 4) {
    setTitle("About " + applicationName);
    windowIcon = new FXGIFIcon(getApp(), icon_blank);
    setIcon(windowIcon);

    FXVerticalFrame* frame = new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 10, 10, 10, 10);
    new FXLabel(frame, FXStringFormat("%s, version %s", applicationName.text(), version.text()), nullptr,
                JUSTIFY_LEFT | LAYOUT_FILL_X, 0, 0, 0, 0, 2, 2, 2, 2);
    new FXHorizontalSeparator(frame, SEPARATOR_GROOVE | LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 1, 1);

    FXHorizontalFrame* noticeRow =
        new FXHorizontalFrame(frame, LAYOUT_FILL_X, 0, 0, 0, 0, DEFAULT_SPACING, DEFAULT_SPACING, DEFAULT_SPACING, 10);
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    new FXLabel(noticeRow, makerNotice(local.tm_year + 1900), nullptr, JUSTIFY_LEFT | LAYOUT_FILL_X);
    logoCanvas = new FXCanvas(noticeRow, this, ID_LOGO, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT | LAYOUT_RIGHT, 0, 0,
                              64, 64);

    new FXLabel(frame,
                FXStringFormat("The GUI was written using the FOX Toolkit\nhttp://www.fox-toolkit.org, version "
                               "%d.%d.%d\n",
                               fxversion[0], fxversion[1], fxversion[2]),
                nullptr, JUSTIFY_LEFT | LAYOUT_FILL_X);
    new FXHorizontalSeparator(frame, SEPARATOR_GROOVE | LAYOUT_FILL_X);
    new FXLabel(frame, " ");
    FXButton* ok = new FXButton(frame, "&OK", nullptr, this, ID_CANCEL,
                                BUTTON_DEFAULT | BUTTON_INITIAL | FRAME_RAISED | FRAME_THICK | LAYOUT_CENTER_X, 0, 0,
                                0, 0, 32, 32, 2, 2);
    ok->setFocus();

    FXColor* pixels = nullptr;
    FXMALLOC(&pixels, FXColor, 64 * 64);
    for (int i = 0; i < 64 * 64; i++)
        pixels[i] = FXRGB(aboutLogoRgb[3 * i], aboutLogoRgb[3 * i + 1], aboutLogoRgb[3 * i + 2]);
    logoImage = new FXImage(getApp(), pixels, IMAGE_OWNED | IMAGE_KEEP, 64, 64);
    logoImage->create();
}

AboutWindow::~AboutWindow() {
    delete logoImage;
    delete windowIcon;
}

long AboutWindow::onPaintLogo(FXObject*, FXSelector, void* ptr) {
    FXEvent* event = static_cast<FXEvent*>(ptr);
    FXDCWindow dc(logoCanvas, event);
    dc.setForeground(FXRGB(255, 255, 255));
    dc.fillRectangle(event->rect.x, event->rect.y, event->rect.w, event->rect.h);
    dc.drawImage(logoImage, 0, 0);
    return 1;
}

long AboutWindow::onClose(FXObject*, FXSelector, void*) {
    handle(this, FXSEL(SEL_COMMAND, ID_CANCEL), nullptr);
    return 1;
}

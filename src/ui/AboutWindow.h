// The About box: program name and version, the maker's notice, a logo and the toolkit's version.
#pragma once
#include <fx.h>

class AboutWindow : public FXDialogBox {
    FXDECLARE(AboutWindow)
protected:
    AboutWindow() {}

public:
    enum { ID_LOGO = 62 };
    AboutWindow(FXWindow* owner, const FXString& applicationName, const FXString& version);
    ~AboutWindow() override;
    long onPaintLogo(FXObject*, FXSelector, void*);
    long onClose(FXObject*, FXSelector, void*);

    // The notice: a year range ending with the given year, the web site and the e-mail address.
    static FXString makerNotice(int currentYear);

private:
    FXIcon* windowIcon = nullptr;
    FXCanvas* logoCanvas = nullptr;
    FXImage* logoImage = nullptr;
};

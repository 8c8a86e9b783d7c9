// Flat menu titles and tool bar buttons whose background follows the pointer.
#pragma once
#include <fx.h>

class MenuButtonWin10Style : public FXButton {
    FXDECLARE(MenuButtonWin10Style)
protected:
    MenuButtonWin10Style() {}

public:
    MenuButtonWin10Style(FXComposite* p, const FXString& text, FXIcon* ic = nullptr, FXObject* tgt = nullptr,
                         FXSelector sel = 0, FXuint opts = BUTTON_NORMAL, FXint x = 0, FXint y = 0, FXint w = 0,
                         FXint h = 0, FXint pl = DEFAULT_PAD, FXint pr = DEFAULT_PAD, FXint pt = DEFAULT_PAD,
                         FXint pb = DEFAULT_PAD);
    long onEnter(FXObject*, FXSelector, void*);
    long onLeave(FXObject*, FXSelector, void*);
};

class MenuTitleWin10Style : public FXMenuTitle {
    FXDECLARE(MenuTitleWin10Style)
protected:
    MenuTitleWin10Style() {}

public:
    MenuTitleWin10Style(FXComposite* p, const FXString& text, FXIcon* ic = nullptr, FXPopup* pup = nullptr,
                        FXuint opts = 0);
    long onEnter(FXObject*, FXSelector, void*);
    long onLeave(FXObject*, FXSelector, void*);

    FXColor hoverBackColor = 0;
    FXColor hoverSelBackColor = 0;
    FXColor restBackColor = 0;
};

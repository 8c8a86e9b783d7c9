// Hover colouring of the flat menu titles and tool bar buttons.
#include "ui/FlatStyle.h"

#include "ui/HighlightColor.h"

// FOX colours are 0xAABBGGRR; the hover rule works on 0xAARRGGBB.
static FXColor highlightOf(FXColor c) {
    uint32_t argb = highlightColor(0xFF000000u | FXREDVAL(c) << 16 | FXGREENVAL(c) << 8 | FXBLUEVAL(c));
    return FXRGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

FXDEFMAP(MenuButtonWin10Style) MenuButtonWin10StyleMap[] = {
    FXMAPFUNC(SEL_ENTER, 0, MenuButtonWin10Style::onEnter),
    FXMAPFUNC(SEL_LEAVE, 0, MenuButtonWin10Style::onLeave),
};
FXIMPLEMENT(MenuButtonWin10Style, FXButton, MenuButtonWin10StyleMap, ARRAYNUMBER(MenuButtonWin10StyleMap))

MenuButtonWin10Style::MenuButtonWin10Style(FXComposite* p, const FXString& text, FXIcon* ic, FXObject* tgt,
                                           FXSelector sel, FXuint opts, FXint x, FXint y, FXint w, FXint h,
                                           FXint pl, FXint pr, FXint pt, FXint pb)
    : FXButton(p, text, ic, tgt, sel, opts, x, y, w, h, pl, pr, pt, pb) {
    FXColor flat = highlightOf(getBackColor());
    setHiliteColor(flat);
    setShadowColor(flat);
}

long MenuButtonWin10Style::onEnter(FXObject* sender, FXSelector sel, void* ptr) {
    FXButton::onEnter(sender, sel, ptr);
    if (isEnabled()) setBackColor(highlightOf(getBackColor()));
    return 1;
}

long MenuButtonWin10Style::onLeave(FXObject* sender, FXSelector sel, void* ptr) {
    FXButton::onLeave(sender, sel, ptr);
    if (isEnabled()) setBackColor(getParent()->getBackColor());
    return 1;
}

FXDEFMAP(MenuTitleWin10Style) MenuTitleWin10StyleMap[] = {
    FXMAPFUNC(SEL_ENTER, 0, MenuTitleWin10Style::onEnter),
    FXMAPFUNC(SEL_LEAVE, 0, MenuTitleWin10Style::onLeave),
};
FXIMPLEMENT(MenuTitleWin10Style, FXMenuTitle, MenuTitleWin10StyleMap, ARRAYNUMBER(MenuTitleWin10StyleMap))

MenuTitleWin10Style::MenuTitleWin10Style(FXComposite* p, const FXString& text, FXIcon* ic, FXPopup* pup,
                                         FXuint opts)
    : FXMenuTitle(p, text, ic, pup, opts) {
    hoverBackColor = highlightOf(getBackColor());
    hoverSelBackColor = highlightOf(getSelBackColor());
    restBackColor = getParent()->getBackColor();
    setHiliteColor(hoverBackColor);
    setShadowColor(hoverBackColor);
}

long MenuTitleWin10Style::onEnter(FXObject* sender, FXSelector sel, void* ptr) {
    FXMenuTitle::onEnter(sender, sel, ptr);
    if (isEnabled()) {
        setBackColor(hoverBackColor);
        setSelBackColor(hoverSelBackColor);
    }
    return 1;
}

long MenuTitleWin10Style::onLeave(FXObject* sender, FXSelector sel, void* ptr) {
    FXMenuTitle::onLeave(sender, sel, ptr);
    if (isEnabled()) setBackColor(restBackColor);
    return 1;
}

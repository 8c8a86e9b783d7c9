// The view that shows the picture, with mouse motion handed to its target.
#include "image/PictureView.h"

FXDEFMAP(PictureView)
PictureViewMap[] = {
    FXMAPFUNC(SEL_MOTION, 0, PictureView::onMotion),
};
FXIMPLEMENT(PictureView, FXImageView, PictureViewMap, ARRAYNUMBER(PictureViewMap))

PictureView::PictureView(FXComposite *p, FXImage *img, FXObject *tgt, FXSelector sel, FXuint opts, FXint x,
                         FXint y, FXint w, FXint h)
    : FXImageView(p, img, tgt, sel, opts, x, y, w, h) {}

long PictureView::onMotion(FXObject *sender, FXSelector sel, void *ptr) {
    if (isEnabled() && target && target->tryHandle(this, FXSEL(SEL_MOTION, message), ptr))
        return 1;
    return FXImageView::onMotion(sender, sel, ptr);
}

// The view that shows the picture: an image view that also tells its target about every mouse motion.
#pragma once
#include <fx.h>

// The toolkit's image view keeps mouse motion to itself (for dragging the picture); this one hands each
// motion to its target first, so that the main window can follow the pointer over the picture.
class PictureView : public FXImageView {
    FXDECLARE(PictureView)
  protected:
    PictureView() {}

  public:
    PictureView(FXComposite *p, FXImage *img, FXObject *tgt, FXSelector sel, FXuint opts, FXint x, FXint y,
                FXint w, FXint h);
    long onMotion(FXObject *, FXSelector, void *);
};

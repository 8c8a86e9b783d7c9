// ARGB pictures sent to an image's server-side pixmap with one XPutImage.
#include "platform/PixelUpload.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

bool putArgbPixels(FXImage *image, const uint32_t *pixels) {
    Display *display = static_cast<Display *>(image->getApp()->getDisplay());
    FXVisual *toolkitVisual = image->getVisual();
    Visual *visual = toolkitVisual ? static_cast<Visual *>(toolkitVisual->getVisual()) : nullptr;
    const int depth = toolkitVisual ? static_cast<int>(toolkitVisual->getDepth()) : 0;
    const int width = image->getWidth(), height = image->getHeight();
    if (!display || !visual || !image->id() || !pixels || width <= 0 || height <= 0 ||
        (depth != 24 && depth != 32) || visual->red_mask != 0xFF0000 || visual->green_mask != 0xFF00 ||
        visual->blue_mask != 0xFF)
        return false;
    XImage *picture =
        XCreateImage(display, visual, depth, ZPixmap, 0,
                     reinterpret_cast<char *>(const_cast<uint32_t *>(pixels)), width, height, 32, width * 4);
    if (!picture)
        return false;
    const bool fits = picture->bits_per_pixel == 32;
    if (fits) {
        // The words are in this machine's byte order; Xlib swaps them for a server of the other order.
        const uint32_t probe = 1;
        picture->byte_order = *reinterpret_cast<const unsigned char *>(&probe) == 1 ? LSBFirst : MSBFirst;
        GC gc = XCreateGC(display, image->id(), 0, nullptr);
        XPutImage(display, image->id(), gc, picture, 0, 0, 0, 0, width, height);
        XFreeGC(display, gc);
    }
    picture->data = nullptr; // the pixels belong to the caller
    XDestroyImage(picture);
    return fits;
}

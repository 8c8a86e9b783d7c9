// Re-claims the X clipboard when the toolkit's claim with an old event time was refused.
#include "platform/ClipboardOwnership.h"

#include <X11/Xlib.h>

void confirmClipboardOwnership(FXWindow* owner) {
    Display* display = static_cast<Display*>(owner->getApp()->getDisplay());
    if (!display || !owner->id() || !owner->hasClipboard()) return;
    Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    Window window = static_cast<Window>(owner->id());
    if (XGetSelectionOwner(display, clipboard) == window) return;
    XSetSelectionOwner(display, clipboard, window, CurrentTime);
    XFlush(display);
}

// Clipboard claims at the current server time before the toolkit's copy commands.
#include "platform/ClipboardOwnership.h"

#include <X11/Xlib.h>

namespace {
void claimClipboardNow(FXWindow* owner) {
    Display* display = static_cast<Display*>(owner->getApp()->getDisplay());
    if (!display || !owner->id()) return;
    XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), static_cast<Window>(owner->id()),
                       CurrentTime);
}
} // namespace

void copySelectionToClipboard(FXTable* table) {
    claimClipboardNow(table);
    table->handle(table, FXSEL(SEL_COMMAND, FXTable::ID_COPY_SEL), nullptr);
}

void copySelectionToClipboard(FXTextField* field) {
    claimClipboardNow(field);
    field->handle(field, FXSEL(SEL_COMMAND, FXTextField::ID_COPY_SEL), nullptr);
}

// Modal message boxes placed over their owner.
#include "ui/Dialogs.h"

namespace Dialogs {
void error(FXWindow* owner, const FXString& caption, const FXString& text) {
    FXMessageBox::error(owner, MBOX_OK, caption.text(), "%s", text.text());
}

void information(FXWindow* owner, const FXString& caption, const FXString& text) {
    FXMessageBox::information(owner, MBOX_OK, caption.text(), "%s", text.text());
}

void warning(FXWindow* owner, const FXString& caption, const FXString& text) {
    FXMessageBox::warning(owner, MBOX_OK, caption.text(), "%s", text.text());
}

bool question(FXWindow* owner, const FXString& caption, const FXString& text) {
    return FXMessageBox::question(owner, MBOX_YES_NO, caption.text(), "%s", text.text()) == MBOX_CLICKED_YES;
}
} // namespace Dialogs

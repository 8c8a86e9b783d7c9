// The one place where the program shows message boxes, so every box has the owner and buttons it should.
#pragma once
#include <fx.h>

namespace Dialogs {
void error(FXWindow* owner, const FXString& caption, const FXString& text);
void information(FXWindow* owner, const FXString& caption, const FXString& text);
void warning(FXWindow* owner, const FXString& caption, const FXString& text);
// True when the user answers Yes.
bool question(FXWindow* owner, const FXString& caption, const FXString& text);
} // namespace Dialogs

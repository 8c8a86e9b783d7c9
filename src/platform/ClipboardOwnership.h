// Making sure the X server sees us as the clipboard owner after the toolkit claimed it.
#pragma once
#include <fx.h>

// The toolkit claims the clipboard with the time of the last event it read; when another program took the
// clipboard later than that (for example while the window received no input), the X server ignores the claim.
// Call after a copy: it claims the clipboard again at the current server time when the first claim failed.
void confirmClipboardOwnership(FXWindow* owner);

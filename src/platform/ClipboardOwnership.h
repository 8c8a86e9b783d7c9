// Copying a widget's selection to the X clipboard so that the claim always holds.
#pragma once
#include <fx.h>

// Each copies the widget's selection with the widget's own copy command. The toolkit claims the clipboard with
// the time of the last event it read, which the X server ignores when another program took the clipboard
// later (for example while this window received no input); so the clipboard is first claimed for the widget
// at the current server time, and the toolkit's own claim then finds the widget already the owner.
void copySelectionToClipboard(FXTable* table);
void copySelectionToClipboard(FXTextField* field);

// The one application object of the benchmark program, shared by every window benchmark.
#pragma once
#include <fx.h>

// Creates the application on first use; nullptr when no display can be opened (the window benchmarks then skip).
FXApp *benchApp();

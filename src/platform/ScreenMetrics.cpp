// Monitor count and desktop left edge from the X server's monitor list.
#include "platform/ScreenMetrics.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>

ScreenMetrics readScreenMetrics(void* display) {
    ScreenMetrics metrics;
    Display* x = static_cast<Display*>(display);
    if (!x) return metrics;
    int eventBase = 0, errorBase = 0;
    if (!XRRQueryExtension(x, &eventBase, &errorBase)) return metrics;
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(x, DefaultRootWindow(x), True, &count);
    if (monitors && count > 0) {
        metrics.monitorCount = count;
        metrics.virtualLeft = monitors[0].x;
        for (int i = 1; i < count; i++) metrics.virtualLeft = std::min(metrics.virtualLeft, monitors[i].x);
    }
    if (monitors) XRRFreeMonitors(monitors);
    return metrics;
}

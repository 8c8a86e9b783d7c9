// Program entry: one application object, one main window, the event loop.
#include "app/AppInfo.h"
#include "app/Ordinax.h"

int main(int argc, char* argv[]) {
    FXApp app(AppInfo::applicationName, AppInfo::vendorName);
    app.init(argc, argv);
    new Ordinax(&app);
    app.create();
    return app.run();
}

#include "BenchApp.h"

FXApp *benchApp() {
    static FXApp *app = nullptr;
    static bool tried = false;
    if (tried)
        return app;
    tried = true;
    static int argc = 1;
    static char name[] = "ordinax_bench";
    static char *argv[] = {name, nullptr};
    FXApp *created = new FXApp("Ordinax", "Tavrin");
    created->init(argc, argv, false);
    if (!created->openDisplay())
        return nullptr;
    created->create();
    return app = created;
}
